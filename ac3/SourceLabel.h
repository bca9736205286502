// The text of the label that names the open source and its total time.
#pragma once
#include <string>

namespace ac3 {

// The file's name and extension without its folder (after the last "/" or
// "\"), as the open-file dialog reports the chosen file's title.
std::string FileTitle(const std::string& path);

// "NAME  (HH:MM:SS)": two blanks before the parenthesis; the hours take as
// many digits as they need.
std::string SourceLabel(const std::string& fileTitle, int totalSeconds);

}  // namespace ac3
