// The stored output locations and the path helpers they are built with.
#include "ui/DefaultLocations.h"
#include "ui/MainDialog.h"

namespace {

std::string::size_type LastSeparator(const std::string& path) { return path.find_last_of("/\\"); }

}  // namespace

std::string GetDirectoryPart(const std::string& path) {
    auto n = LastSeparator(path);
    return n == std::string::npos ? std::string() : path.substr(0, n + 1);
}

std::string GetFileNamePart(const std::string& path) {
    auto n = LastSeparator(path);
    return n == std::string::npos ? std::string() : path.substr(n);
}

std::string CMainDialog::ReadProfilePath(std::string section, std::string key, std::string defaultPath,
                                         int folder) {
    auto& profile = services_.profile;
    if (m_osvi.dwMajorVersion < platform::kFirstVersionWithUserFolders || folder != kMusicFolderId)
        return profile.GetProfileString(section, key, defaultPath);

    // The folder is looked up on every call, whether or not a value is
    // stored, so a missing folder is reported even then.
    auto music = services_.system.MusicFolder();
    if (!music) {
        MessageBox("Can not get My Music directory!", "Error");
        return profile.GetProfileString(section, key, defaultPath);
    }
    return profile.GetProfileString(section, key, *music + GetFileNamePart(defaultPath));
}
