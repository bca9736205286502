// Names of the split jobs' outputs: numbered part names made from the
// source's name, the output path in a folder, and the ".ac3" rule of the
// output-file picker. Paths are split at "/" and, as on Windows, at "\".
#pragma once
#include <cstddef>
#include <string>

#include "platform/UiServices.h"

namespace split {

// Where the file name of `path` begins: just after its last "/" or "\", or
// 0 when it has neither.
std::size_t FileNameStart(const std::string& path);

// `path` without the extension of its file name: cut at the last "." of the
// file name, never inside a folder name ("/a.b/c" stays "/a.b/c").
std::string WithoutExtension(const std::string& path);

// The name of part `part`: `pattern` (from CMainDialog::BuildPartNamePattern)
// formatted with the source path without its extension and the part number,
// reduced to its file name. "/music/film.ac3", "%s_%02d.ac3", 7 give
// "film_07.ac3".
std::string PartFileName(const std::string& pattern, const std::string& sourcePath, int part);

// True when `name` is the name of one of the first `count` parts of
// `sourcePath` under `pattern`.
bool IsPartFileName(const std::string& name, const std::string& pattern, const std::string& sourcePath,
                    int count);

// The path of `name` in `folder`: a "/" goes between them unless the
// folder text already ends in one; an empty folder text names the current
// folder.
std::string PathInFolder(const std::string& folder, const std::string& name);

// The output-file picker's rule: the chosen path with its file name's
// extension replaced by ".ac3" ("cut1" and "cut1.mp2" give "cut1.ac3",
// "cut.1.ac3" stays).
std::string WithAc3Extension(const std::string& path);

// The save dialog of the output-file "Browse", opening in the folder of
// the current output file ("." when it names none).
platform::FileDialogSpec OutputFileDialogSpec(const std::string& outputFile);

// A folder chosen in the folder picker, ending in "/".
std::string FolderWithSeparator(const std::string& folder);

}  // namespace split
