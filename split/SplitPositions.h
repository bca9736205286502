// Where each output of a split job begins and ends in the source, before
// the positions are moved onto the frame grid. Times become byte positions
// in proportion to the file size, in double precision, with the operations
// in the order each job has always used (so the same inputs give the same
// frame boundaries), and the result truncated toward zero.
#pragma once
#include <cstdint>
#include <string_view>

namespace split {

// The largest span one output may have: 2^31 - 1 bytes (the 2 GB limit).
inline constexpr std::int64_t kMaxSpan = 2147483647;

// A double position as a byte position: truncated toward zero, and held
// within +-2^62 so that a wildly negative time (which the frame search turns
// into byte 0 anyway) cannot overflow the conversion or later arithmetic.
std::int64_t TruncatePosition(double position);

// Seconds of a time given as hours, minutes and seconds fields, each field
// contributing its value as it stands (75 minutes are 4500 seconds, fields
// may be negative), in 64 bits so that no field value overflows.
std::int64_t TimeFieldSeconds(int hours, int minutes, int seconds);

// Segment cut: fileSize x (seconds / totalSeconds).
std::int64_t CutPosition(std::int64_t fileSize, std::int64_t seconds, int totalSeconds);

// Equal parts: boundary k of n parts, (k / n) x fileSize; boundary n is the
// end of the source.
std::int64_t EqualPartBoundary(int k, int n, std::int64_t fileSize);

// Parts by duration: the number of parts of `partSeconds` (> 0) each that
// cover `totalSeconds`, the last one taking what is left.
int DurationPartCount(int totalSeconds, int partSeconds);

// Parts by duration: boundary k, ((k / totalSeconds) x partSeconds) x
// fileSize; boundary `count` (the end of the last part) is the end of the
// source.
std::int64_t DurationBoundary(int k, int count, int totalSeconds, int partSeconds, std::int64_t fileSize);

// Seconds per part as the split-time edit holds them: its first 31
// characters read as atoi reads (leading blanks, an optional sign, the
// digits up to the first other character; no digits give 0), held within
// the range of an int.
int ReadSplitSeconds(std::string_view text);

}  // namespace split
