#include "split/SplitPositions.h"

#include <climits>
#include <cmath>

namespace split {

std::int64_t TruncatePosition(double position) {
    constexpr double kLimit = 4611686018427387904.0;  // 2^62
    if (std::isnan(position)) return 0;
    if (position >= kLimit) return static_cast<std::int64_t>(kLimit);
    if (position <= -kLimit) return -static_cast<std::int64_t>(kLimit);
    return static_cast<std::int64_t>(position);  // truncates toward zero
}

std::int64_t TimeFieldSeconds(int hours, int minutes, int seconds) {
    return (static_cast<std::int64_t>(hours) * 60 + minutes) * 60 + seconds;
}

std::int64_t CutPosition(std::int64_t fileSize, std::int64_t seconds, int totalSeconds) {
    // A source shorter than one second has no time to cut at: its cuts come
    // out empty instead of dividing by zero.
    if (totalSeconds <= 0) return 0;
    const double fraction = static_cast<double>(seconds) / static_cast<double>(totalSeconds);
    return TruncatePosition(static_cast<double>(fileSize) * fraction);
}

std::int64_t EqualPartBoundary(int k, int n, std::int64_t fileSize) {
    if (k == n) return fileSize;
    const double fraction = static_cast<double>(k) / static_cast<double>(n);
    return TruncatePosition(fraction * static_cast<double>(fileSize));
}

int DurationPartCount(int totalSeconds, int partSeconds) {
    int count = totalSeconds / partSeconds;
    if (static_cast<std::int64_t>(partSeconds) * count != totalSeconds) ++count;
    return count;
}

std::int64_t DurationBoundary(int k, int count, int totalSeconds, int partSeconds, std::int64_t fileSize) {
    // The last part ends at the end of the source: count x partSeconds
    // reaches or passes the total time, and the division and product below
    // may land a hair short of 1 (1/49 x 49 is 0.9999999999999999), which
    // would drop the last frame.
    if (k == count) return fileSize;
    const double fraction = static_cast<double>(k) / static_cast<double>(totalSeconds);
    return TruncatePosition((fraction * static_cast<double>(partSeconds)) * static_cast<double>(fileSize));
}

int ReadSplitSeconds(std::string_view text) {
    text = text.substr(0, 31);
    std::size_t i = 0;
    auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && blank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<std::int64_t>(INT_MAX) + 1) value = static_cast<std::int64_t>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

}  // namespace split
