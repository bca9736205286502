// The small file API the source analysis and the split jobs read through:
// open for reading, 64-bit positioning, reads, close and delete. The read
// side keeps a large read-ahead buffer, so the jobs' small sequential reads
// cost no system call each.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class SourceFile;
// A handle to a file opened for reading; null when there is none.
using FileHandle = SourceFile*;

enum MoveMethod { FILE_BEGIN = 0, FILE_CURRENT = 1, FILE_END = 2 };

// Opens an existing file for reading. Returns null when it cannot be opened
// (missing, unreadable, or a folder).
FileHandle OpenFileForRead(const std::string& path);

// Reads up to `count` bytes at the current position. Returns false on a read
// error; `bytesRead` then holds what was delivered before it (often 0). A
// short count with true means the end of the file was reached.
bool ReadFile(FileHandle file, void* buffer, std::uint32_t count, std::uint32_t* bytesRead);

void CloseHandle(FileHandle file);

// True when something other than a folder is at `path`: a file, readable or
// not, or a link (also one whose target is missing).
bool FileExists(const std::string& path);

// Removes a file; false when it could not be removed.
bool DeleteFile(const std::string& path);

// True when both paths name the same existing file (same device and inode),
// whatever their spelling: links, "..", doubled slashes.
bool IsSameFile(const std::string& a, const std::string& b);

}  // namespace platform

// Moves the file pointer by `distance` from the start, the current position or
// the end, and returns the new position, or -1 when the handle is null or
// the move fails (for example to a negative position).
std::int64_t my_lseeki64(platform::FileHandle file, std::int64_t distance, int moveMethod);
