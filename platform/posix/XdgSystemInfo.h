// The machine and the user by the XDG conventions: home, music folder,
// the executable's folder, the real calendar clock.
#pragma once
#include "platform/SystemInfo.h"

namespace platform {

class XdgSystemInfo : public SystemInfo {
public:
    explicit XdgSystemInfo(std::string applicationName);

    // $HOME, else the password database; nothing when neither knows one.
    static std::optional<std::string> FindHomeFolder();

    std::string ApplicationName() const override { return applicationName_; }
    std::string ExecutableFolder() const override;
    std::string InstalledDataFolder() const override;
    bool GetVersion(OsVersionInfo& info) const override;
    std::optional<std::string> HomeFolder() const override { return FindHomeFolder(); }
    std::optional<std::string> MusicFolder() const override;
    std::int64_t Now() const override;

private:
    std::string applicationName_;
};

}  // namespace platform
