// Where the outputs go before the user has chosen anything: the home
// folder, or the music folder on platforms with per-user folders.
#pragma once
#include <string>

#include "platform/SystemInfo.h"

// The shell folder id of the user's music folder, as ReadProfilePath takes it.
inline constexpr int kMusicFolderId = 13;

// The home folder with a trailing "/".
inline std::string PlainDefaultOutputFolder(const platform::SystemInfo& system) {
    return system.HomeFolder().value_or("") + "/";
}

// "clip1.ac3" in the home folder.
inline std::string PlainDefaultOutputFile(const platform::SystemInfo& system) {
    return PlainDefaultOutputFolder(system) + "clip1.ac3";
}
