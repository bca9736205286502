#include "res/Templates.h"

#include <array>

#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr unsigned kNumberEdit = kBorder | kCentered | kAutoHScroll | kTabStop;
constexpr unsigned kTextEdit = kBorder | kAutoHScroll | kTabStop;
constexpr unsigned kUpDown = kSetBuddyInt | kAlignRight | kAutoBuddy | kArrowKeys;

using K = ControlKind;

// Main dialog, 277 x 213, "Quorvane".
constexpr auto kMainControls = std::to_array<ControlTemplate>({
    {IDC_PART_COUNT, K::Edit, "", 65, 80, 40, 14, kNumberEdit},
    {IDC_PART_COUNT_SPIN, K::UpDown, "Spin2", 105, 80, 11, 14, kUpDown},
    {IDC_FILE_INFO, K::Static, "", 70, 8, 200, 11, kGroup},
    {IDC_OPEN_AC3, K::PushButton, "Open AC3", 7, 7, 50, 14, kTabStop},
    {IDC_START_HOUR, K::Edit, "", 60, 111, 18, 14, kNumberEdit},
    {IDC_START_MINUTE, K::Edit, "", 92, 111, 18, 14, kNumberEdit},
    {IDC_START_SECOND, K::Edit, "", 123, 111, 18, 14, kNumberEdit},
    {IDC_START_COLON_1, K::Static, ":", 84, 113, 8, 8, kGroup},
    {IDC_START_COLON_2, K::Static, ":", 116, 114, 8, 8, kGroup},
    {IDC_END_HOUR, K::Edit, "", 60, 134, 18, 14, kNumberEdit},
    {IDC_END_MINUTE, K::Edit, "", 92, 134, 18, 14, kNumberEdit},
    {IDC_END_SECOND, K::Edit, "", 124, 134, 18, 14, kNumberEdit},
    {IDC_END_COLON_1, K::Static, ":", 84, 137, 8, 8, kGroup},
    {IDC_END_COLON_2, K::Static, ":", 116, 137, 8, 8, kGroup},
    {IDC_START_CUT, K::PushButton, "Start", 7, 183, 50, 14, kTabStop},
    {IDC_OUTPUT_FILE, K::Edit, "", 59, 160, 173, 14, kTextEdit},
    {IDC_OUTPUT_FILE_LABEL, K::Static, "Output File", 7, 163, 40, 8, kGroup},
    {IDC_PLAY, K::PushButton, "Play", 13, 89, 42, 14, kTabStop},
    {IDC_SEEK_SLIDER, K::Trackbar, "Slider1", 7, 65, 229, 14, kBothSides | kNoTicks | kTabStop},
    {IDC_PAUSE, K::PushButton, "Pause", 101, 89, 42, 14, kTabStop},
    {IDC_STOP, K::PushButton, "Stop", 189, 89, 42, 14, kTabStop},
    {IDC_POSITION, K::Static, "", 237, 68, 30, 8, kGroup},
    {IDC_START_TIME, K::PushButton, "Start Time", 7, 111, 42, 14, kTabStop},
    {IDC_END_TIME, K::PushButton, "End Time", 7, 134, 42, 14, kTabStop},
    {IDC_PART_COUNT_LABEL, K::Static, "Split file number", 7, 84, 54, 8, kGroup},
    {IDC_START_SPLIT_BY_SIZE, K::PushButton, "Start", 7, 182, 50, 14, kTabStop},
    {IDC_PART_SIZE_LABEL, K::Static, "each size", 140, 83, 46, 8, kGroup},
    {IDC_PART_SIZE, K::Static, "", 187, 83, 44, 14, kGroup},
    {IDC_OUTPUT_DIR, K::Edit, "", 64, 134, 169, 13, kTextEdit},
    {IDC_BROWSE_OUTPUT_DIR, K::PushButton, "Browse", 235, 133, 34, 14, kTabStop},
    {IDC_SPLIT_TIME_LABEL, K::Static, "Split file time", 7, 82, 54, 8, kGroup},
    {IDC_SPLIT_TIME, K::Edit, "", 64, 80, 45, 15, kNumberEdit},
    {IDC_SPLIT_TIME_SPIN, K::UpDown, "Spin1", 110, 80, 11, 14, kUpDown | kNoThousands},
    {IDC_SECONDS_LABEL, K::Static, "Seconds", 120, 82, 35, 8, kGroup},
    {IDC_START_SPLIT_BY_TIME, K::PushButton, "Start", 7, 183, 50, 14, kTabStop},
    {IDC_OUTPUT_DIR_LABEL, K::Static, "Output directory", 7, 136, 51, 8, kGroup},
    {IDC_MODE_BY_FRAME, K::RadioButton, "By frame", 24, 40, 43, 10, 0},
    {IDC_MODE_BY_SIZE, K::RadioButton, "By size", 108, 39, 38, 10, 0},
    {IDC_MODE_BY_TIME, K::RadioButton, "By time", 187, 39, 39, 10, 0},
    {IDC_STATIC, K::GroupBox, "Split mode", 7, 29, 263, 27, 0},
    {IDC_HOMEPAGE, K::PushButton, "Homepage", 150, 183, 50, 14, kTabStop},
    {IDC_HELP, K::PushButton, "Help", 220, 183, 50, 14, kTabStop},
    {IDC_BROWSE_OUTPUT_FILE, K::PushButton, "Browse", 236, 160, 34, 14, kTabStop},
    {IDC_CLOSE_PREVIEW, K::PushButton, "Close", 252, 110, 18, 14, kTabStop},
});

// About box, 235 x 55, "About Quorvane".
constexpr auto kAboutControls = std::to_array<ControlTemplate>({
    {IDC_STATIC, K::Icon, "", 11, 17, 20, 20, 0},
    {IDC_STATIC, K::Static, "Quorvane Version 1.1", 40, 10, 135, 8, kNoPrefix},
    {IDC_STATIC, K::Static, "Copyright (C) 2026 Pellimor. All rights reserved.", 40, 25, 188, 8, 0},
    {IDOK_BUTTON, K::DefPushButton, "OK", 178, 6, 50, 14, kTabStop | kGroup},
});

constexpr auto kPreviewMenuItems = std::to_array<MenuItem>({
    {ID_PREVIEW_FULL_SCREEN, "Full screen"},
    {ID_PREVIEW_NORMAL_SIZE, "Normal size"},
    {0, ""},
    {ID_PREVIEW_PLAY, "Play"},
    {ID_PREVIEW_PAUSE, "pause"},
    {ID_PREVIEW_STOP, "Stop"},
    {0, ""},
    {ID_PREVIEW_CLOSE, "Close"},
});

}  // namespace

const ControlTemplate* DialogTemplate::Find(int controlId) const {
    for (const auto& c : controls)
        if (c.id == controlId) return &c;
    return nullptr;
}

const DialogTemplate& MainDialogTemplate() {
    static const DialogTemplate t{IDD_MAIN_DIALOG, "Quorvane", 277, 213, "MS Sans Serif", 8, kMainControls};
    return t;
}

const DialogTemplate& AboutDialogTemplate() {
    static const DialogTemplate t{IDD_ABOUTBOX, "About Quorvane", 235, 55, "MS Sans Serif", 8, kAboutControls};
    return t;
}

const MenuTemplate& PreviewMenuTemplate() {
    static const MenuTemplate m{IDR_PREVIEW_MENU, "PREVIEW", kPreviewMenuItems};
    return m;
}

std::string LoadString(int id) {
    if (id == IDS_ABOUTBOX) return "&About Quorvane";
    return {};
}

}  // namespace res
