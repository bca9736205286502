#include "platform/posix/XdgSystemInfo.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <vector>

#include "platform/posix/IniProfileStore.h"

namespace platform {
namespace {

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// XDG_MUSIC_DIR="$HOME/Music" from user-dirs.dirs, with $HOME expanded.
std::optional<std::string> ReadUserDirsMusic(const std::string& home) {
    std::string configHome = IniProfileStore::DefaultConfigHome();
    if (configHome.empty()) return std::nullopt;
    std::ifstream in(configHome + "/user-dirs.dirs");
    std::string line;
    const std::string prefix = "XDG_MUSIC_DIR=";
    while (std::getline(in, line)) {
        if (line.compare(0, prefix.size(), prefix) != 0) continue;
        std::string value = line.substr(prefix.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home + value.substr(5);
        else if (value.empty() || value[0] != '/')
            continue;
        while (value.size() > 1 && value.back() == '/') value.pop_back();
        // A music folder equal to the home folder means "none" in XDG terms,
        // but the rule then falls back to the home folder all the same.
        return value;
    }
    return std::nullopt;
}

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

XdgSystemInfo::XdgSystemInfo(std::string applicationName)
    : applicationName_(std::move(applicationName)) {}

std::optional<std::string> XdgSystemInfo::FindHomeFolder() {
    const char* home = std::getenv("HOME");
    std::string value;
    if (home != nullptr && home[0] == '/') {
        value = home;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr &&
                                                        pw->pw_dir[0] == '/') {
        value = pw->pw_dir;
    } else {
        return std::nullopt;
    }
    while (value.size() > 1 && value.back() == '/') value.pop_back();
    return value;
}

std::string XdgSystemInfo::ExecutableFolder() const {
    std::string path = ExecutablePath();
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string XdgSystemInfo::InstalledDataFolder() const {
    std::string folder = ExecutableFolder() + "../share/quorvane/";
    return IsFolder(folder) ? folder : std::string();
}

bool XdgSystemInfo::GetVersion(OsVersionInfo& info) const {
    // Linux desktops keep their standard folders per user (XDG user dirs).
    info.dwMajorVersion = kFirstVersionWithUserFolders;
    return true;
}

std::optional<std::string> XdgSystemInfo::MusicFolder() const {
    auto home = FindHomeFolder();
    if (!home) return std::nullopt;
    if (auto music = ReadUserDirsMusic(*home)) return music;
    if (IsFolder(*home + "/Music")) return *home + "/Music";
    return home;
}

std::int64_t XdgSystemInfo::Now() const { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace platform
