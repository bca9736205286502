// The settings as an INI-style file: one [section] per section, key=value
// lines, at <config home>/<company>/<application>.ini. The whole file is
// read for every value and rewritten (through a temporary file) for every
// write, so two running copies never see stale values.
#pragma once
#include <string>

#include "platform/ProfileStore.h"

namespace platform {

class IniProfileStore final : public ProfileStore {
public:
    // `configHome` is $XDG_CONFIG_HOME or ~/.config.
    IniProfileStore(std::string configHome, std::string applicationName);

    // The config home by the XDG rule; empty when no home folder is known.
    static std::string DefaultConfigHome();

    void SetRegistryKey(const std::string& company) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) override;
    bool WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;
    std::uint32_t GetProfileInt(const std::string& section, const std::string& key,
                                std::uint32_t defaultValue) override;
    bool WriteProfileInt(const std::string& section, const std::string& key,
                         std::uint32_t value) override;

    // The settings file; empty until SetRegistryKey has named the company.
    const std::string& FilePath() const { return path_; }

private:
    std::string configHome_;
    std::string applicationName_;
    std::string folder_;
    std::string path_;
};

}  // namespace platform
