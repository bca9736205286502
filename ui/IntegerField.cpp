#include "ui/IntegerField.h"

#include <cctype>
#include <climits>

namespace ui {

std::optional<int> ParseIntegerField(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto blank = [&](std::size_t k) { return text[k] == ' ' || text[k] == '\t'; };
    while (i < n && blank(i)) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    long long value = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
        ++i;
    }
    if (i == digitsStart) return std::nullopt;
    while (i < n && blank(i)) ++i;
    if (i != n) return std::nullopt;
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace ui
