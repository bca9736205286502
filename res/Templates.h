// The dialog templates, the context menu and the string table as data,
// read by both desktop backends. Positions and sizes are in dialog units.
#pragma once
#include <span>
#include <string>

namespace res {

enum class ControlKind {
    PushButton,
    DefPushButton,
    Edit,
    Static,
    GroupBox,
    RadioButton,  // automatic radio button
    UpDown,
    Trackbar,
    Icon,
};

// Styles the backends honour.
enum ControlStyle : unsigned {
    kTabStop = 1u << 0,
    kGroup = 1u << 1,
    kBorder = 1u << 2,
    kCentered = 1u << 3,      // edit text centred
    kAutoHScroll = 1u << 4,
    kNoPrefix = 1u << 5,      // static text shows "&" as it is
    kNoThousands = 1u << 6,   // up-down: no thousands separators
    kSetBuddyInt = 1u << 7,   // up-down: writes its position into the buddy
    kAlignRight = 1u << 8,    // up-down: sits at the right of its buddy
    kAutoBuddy = 1u << 9,     // up-down: the previous control is its buddy
    kArrowKeys = 1u << 10,    // up-down: the arrow keys step it
    kNoTicks = 1u << 11,      // trackbar without tick marks
    kBothSides = 1u << 12,    // trackbar: rectangular thumb
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height;
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width, height;
    const char* fontName;
    int pointSize;
    std::span<const ControlTemplate> controls;  // template order = tab order

    const ControlTemplate* Find(int controlId) const;
};

const DialogTemplate& MainDialogTemplate();   // 102
const DialogTemplate& AboutDialogTemplate();  // 100

struct MenuItem {
    int id;            // 0 for a separator
    const char* text;
};
struct MenuTemplate {
    int id;
    const char* popupTitle;
    std::span<const MenuItem> items;
};
const MenuTemplate& PreviewMenuTemplate();  // 130

// The string table; empty for an unknown id.
std::string LoadString(int id);

}  // namespace res
