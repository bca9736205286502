#include "ac3/SourceLabel.h"

#include <cstdio>

namespace ac3 {

std::string FileTitle(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SourceLabel(const std::string& fileTitle, int totalSeconds) {
    const int hours = totalSeconds / 3600;
    const int minutes = totalSeconds % 3600 / 60;
    const int seconds = totalSeconds % 60;
    char times[48];
    std::snprintf(times, sizeof times, "  (%02d:%02d:%02d)", hours, minutes, seconds);
    return fileTitle + times;
}

}  // namespace ac3
