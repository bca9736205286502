// Facts about the machine and the user the program asks for: its own name
// and folder, the user's folders, the calendar clock.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// What the program needs to know of the platform's version: whether it keeps
// standard folders (music, documents) per user. Major versions from 6 on do.
struct OsVersionInfo {
    std::uint32_t dwMajorVersion = 0;
};
inline constexpr std::uint32_t kFirstVersionWithUserFolders = 6;

class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // The executable's base name: "Quorvane".
    virtual std::string ApplicationName() const = 0;
    // The folder of the running executable, with a trailing separator.
    virtual std::string ExecutableFolder() const = 0;
    // The folder of data installed with the program (help book, icon), with
    // a trailing separator; empty when the program is not installed.
    virtual std::string InstalledDataFolder() const = 0;

    // False when the version cannot be told.
    virtual bool GetVersion(OsVersionInfo& info) const = 0;
    // The user's home folder without a trailing separator; nothing when
    // no home folder is known.
    virtual std::optional<std::string> HomeFolder() const = 0;
    // The user's music folder, without a trailing separator; nothing when
    // it cannot be found.
    virtual std::optional<std::string> MusicFolder() const = 0;

    // Calendar time in seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t Now() const = 0;
};

}  // namespace platform
