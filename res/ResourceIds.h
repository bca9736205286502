// Ids of the dialog templates, menu, strings, icon and controls.
#pragma once

namespace res {

// Dialog templates, menu, string and icon.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_MAIN_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;  // the program icon
inline constexpr int IDR_PREVIEW_MENU = 130;

// Commands outside the template.
inline constexpr int IDM_ABOUTBOX = 16;  // system-menu item "&About Quorvane"
inline constexpr int ID_HELP = 57670;    // the standard help command (F1)
inline constexpr int IDC_STATIC = -1;

// Controls of the main dialog.
inline constexpr int IDC_OPEN_AC3 = 1000;
inline constexpr int IDC_FILE_INFO = 1001;
inline constexpr int IDC_START_HOUR = 1003;
inline constexpr int IDC_START_MINUTE = 1004;
inline constexpr int IDC_START_SECOND = 1005;
inline constexpr int IDC_END_HOUR = 1006;
inline constexpr int IDC_END_MINUTE = 1007;
inline constexpr int IDC_END_SECOND = 1008;
inline constexpr int IDC_START_CUT = 1009;
inline constexpr int IDC_OUTPUT_FILE = 1010;
inline constexpr int IDC_PLAY = 1011;
inline constexpr int IDC_SEEK_SLIDER = 1012;
inline constexpr int IDC_PAUSE = 1013;
inline constexpr int IDC_STOP = 1014;
inline constexpr int IDC_POSITION = 1015;
inline constexpr int IDC_START_TIME = 1016;
inline constexpr int IDC_END_TIME = 1017;
inline constexpr int IDC_PART_COUNT = 1018;
inline constexpr int IDC_START_SPLIT_BY_SIZE = 1019;
inline constexpr int IDC_PART_SIZE = 1020;
inline constexpr int IDC_OUTPUT_DIR = 1021;
inline constexpr int IDC_PART_COUNT_SPIN = 1025;
inline constexpr int IDC_BROWSE_OUTPUT_DIR = 1026;
inline constexpr int IDC_SPLIT_TIME = 1027;
inline constexpr int IDC_SPLIT_TIME_SPIN = 1028;
inline constexpr int IDC_START_SPLIT_BY_TIME = 1029;
inline constexpr int IDC_MODE_BY_FRAME = 1030;
inline constexpr int IDC_MODE_BY_SIZE = 1031;
inline constexpr int IDC_MODE_BY_TIME = 1032;
inline constexpr int IDC_BROWSE_OUTPUT_FILE = 1033;
inline constexpr int IDC_OUTPUT_FILE_LABEL = 1037;
inline constexpr int IDC_START_COLON_1 = 1038;
inline constexpr int IDC_START_COLON_2 = 1039;
inline constexpr int IDC_END_COLON_1 = 1040;
inline constexpr int IDC_END_COLON_2 = 1041;
inline constexpr int IDC_PART_COUNT_LABEL = 1042;
inline constexpr int IDC_PART_SIZE_LABEL = 1043;
inline constexpr int IDC_SPLIT_TIME_LABEL = 1044;
inline constexpr int IDC_OUTPUT_DIR_LABEL = 1045;
inline constexpr int IDC_SECONDS_LABEL = 1046;
inline constexpr int IDC_HOMEPAGE = 1048;
inline constexpr int IDC_HELP = 1049;
inline constexpr int IDC_CLOSE_PREVIEW = 1053;

// The about box's OK button.
inline constexpr int IDOK_BUTTON = 1;

// Commands of the preview window's context menu.
inline constexpr int ID_PREVIEW_PLAY = 32771;
inline constexpr int ID_PREVIEW_PAUSE = 32772;
inline constexpr int ID_PREVIEW_STOP = 32773;
inline constexpr int ID_PREVIEW_CLOSE = 32774;
inline constexpr int ID_PREVIEW_FULL_SCREEN = 32775;
inline constexpr int ID_PREVIEW_NORMAL_SIZE = 32776;

}  // namespace res
