// The three split modes: each shows its own group of controls and hides the
// others. The checked radio button is the only record of the mode.
#include "res/ResourceIds.h"
#include "ui/MainDialog.h"

using namespace res;

namespace {

// The "By frame" group, which the other two modes hide.
constexpr int kByFrameControls[] = {
    IDC_SEEK_SLIDER, IDC_POSITION,      IDC_PLAY,          IDC_PAUSE,       IDC_STOP,
    IDC_START_TIME,  IDC_END_TIME,      IDC_START_HOUR,    IDC_START_COLON_1, IDC_START_MINUTE,
    IDC_START_COLON_2, IDC_START_SECOND, IDC_END_HOUR,     IDC_END_COLON_1, IDC_END_MINUTE,
    IDC_END_COLON_2, IDC_END_SECOND,    IDC_OUTPUT_FILE_LABEL, IDC_OUTPUT_FILE, IDC_START_CUT,
};
// The controls of "By size" that "By time" does not share.
constexpr int kBySizeOwnControls[] = {
    IDC_PART_COUNT_LABEL, IDC_PART_COUNT, IDC_PART_COUNT_SPIN,
    IDC_PART_SIZE_LABEL,  IDC_PART_SIZE,  IDC_START_SPLIT_BY_SIZE,
};
// The controls of "By time" that "By size" does not share.
constexpr int kByTimeOwnControls[] = {
    IDC_SPLIT_TIME_LABEL, IDC_SPLIT_TIME, IDC_SPLIT_TIME_SPIN, IDC_SECONDS_LABEL, IDC_START_SPLIT_BY_TIME,
};
// The output-folder row both splits use.
constexpr int kOutputDirControls[] = {IDC_OUTPUT_DIR_LABEL, IDC_OUTPUT_DIR, IDC_BROWSE_OUTPUT_DIR};

template <std::size_t N>
void ShowAll(platform::UiServices& ui, const int (&ids)[N], bool show) {
    for (int id : ids) ui.ShowControl(id, show);
}

}  // namespace

void CMainDialog::OnModeByFrame() {
    ShowAll(Ui(), kByFrameControls, true);
    ShowAll(Ui(), kBySizeOwnControls, false);
    ShowAll(Ui(), kByTimeOwnControls, false);
    ShowAll(Ui(), kOutputDirControls, false);
    Ui().ShowControl(IDC_BROWSE_OUTPUT_FILE, true);
}

void CMainDialog::OnModeBySize() {
    ShowAll(Ui(), kByFrameControls, false);
    ShowAll(Ui(), kBySizeOwnControls, true);
    ShowAll(Ui(), kByTimeOwnControls, false);
    ShowAll(Ui(), kOutputDirControls, true);
    Ui().ShowControl(IDC_BROWSE_OUTPUT_FILE, false);
}

void CMainDialog::OnModeByTime() {
    ShowAll(Ui(), kByFrameControls, false);
    ShowAll(Ui(), kBySizeOwnControls, false);
    ShowAll(Ui(), kByTimeOwnControls, true);
    ShowAll(Ui(), kOutputDirControls, true);
    Ui().ShowControl(IDC_BROWSE_OUTPUT_FILE, false);
}
