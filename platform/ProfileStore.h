// Per-user settings by section and key: strings and 32-bit unsigned
// integers. A missing value reads as the caller's default; writes are not
// checked by the program.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // Names the maker's folder the values live under ("Pellimor"); the
    // application's name completes the location.
    virtual void SetRegistryKey(const std::string& company) = 0;

    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
    virtual std::uint32_t GetProfileInt(const std::string& section, const std::string& key,
                                        std::uint32_t defaultValue) = 0;
    virtual bool WriteProfileInt(const std::string& section, const std::string& key,
                                 std::uint32_t value) = 0;
};

}  // namespace platform
