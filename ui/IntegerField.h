// Reading an integer edit field the way the dialog's data exchange does:
// blanks around an optional sign and decimal digits, nothing else, and a
// value that fits an int.
#pragma once
#include <optional>
#include <string>

namespace ui {

std::optional<int> ParseIntegerField(const std::string& text);

}  // namespace ui
