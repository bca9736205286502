#include "split/PartNames.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "ui/MainDialog.h"

namespace split {

std::size_t FileNameStart(const std::string& path) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

std::string WithoutExtension(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot < FileNameStart(path)) return path;
    return path.substr(0, dot);
}

std::string PartFileName(const std::string& pattern, const std::string& sourcePath, int part) {
    const std::string base = WithoutExtension(sourcePath);
    const int length = std::snprintf(nullptr, 0, pattern.c_str(), base.c_str(), part);
    if (length < 0) return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    std::snprintf(text.data(), text.size(), pattern.c_str(), base.c_str(), part);
    std::string name;
    ExtractFileName(text.data(), name);
    return name;
}

bool IsPartFileName(const std::string& name, const std::string& pattern, const std::string& sourcePath,
                    int count) {
    if (count < 1) return false;
    // Part names differ only in their fixed-width numbers: the name of part
    // 0 gives the text around the digits.
    const std::string first = PartFileName(pattern, sourcePath, 0);
    const std::size_t digits = std::to_string(count).size();
    static constexpr char kSuffix[] = ".ac3";
    constexpr std::size_t kSuffixLength = sizeof kSuffix - 1;
    if (first.size() < digits + kSuffixLength || name.size() != first.size()) return false;
    const std::size_t prefixLength = first.size() - digits - kSuffixLength;
    if (name.compare(0, prefixLength, first, 0, prefixLength) != 0 ||
        name.compare(prefixLength + digits, kSuffixLength, kSuffix) != 0)
        return false;
    long long number = 0;
    for (std::size_t i = prefixLength; i < prefixLength + digits; ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
        number = number * 10 + (name[i] - '0');
    }
    return number < count;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string WithAc3Extension(const std::string& path) { return WithoutExtension(path) + ".ac3"; }

platform::FileDialogSpec OutputFileDialogSpec(const std::string& outputFile) {
    // The folder of the output file: the text before the last separator,
    // "/" for a file in the root folder, "." for a bare name.
    const std::size_t nameStart = FileNameStart(outputFile);
    std::string initialDir =
        nameStart == 0 ? std::string(".") : outputFile.substr(0, std::max<std::size_t>(nameStart - 1, 1));
    return {"Select Output", "AC3 file(*.ac3)", "*.ac3", std::move(initialDir), std::string()};
}

std::string FolderWithSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + "/";
}

}  // namespace split

void ExtractFileName(const std::string& path, std::string& out) { out = path.substr(split::FileNameStart(path)); }

int CMainDialog::BuildPartNamePattern(int count, std::string& pattern) {
    // The numbers get as many digits as the count of parts has, so that the
    // names sort in order: 10 parts are _00 to _09.
    char number[16];
    const int digits = std::snprintf(number, sizeof number, "%d", count);
    char text[32];
    std::snprintf(text, sizeof text, "%%s_%%0%dd.ac3", digits);
    pattern = text;
    return 1;
}
