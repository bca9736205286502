// Start-up, data exchange, command routing and tear-down of the main dialog.
#include "ui/MainDialog.h"

#include <cstdio>

#include "app/MainApp.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"
#include "ui/DefaultLocations.h"
#include "ui/IntegerField.h"

using namespace res;

namespace {

inline constexpr unsigned SC_CLOSE = 0xF060;

// Which handler a command id runs: the dialog's message map.
struct CommandEntry {
    int id;
    void (CMainDialog::*handler)();
};
constexpr CommandEntry kCommandMap[] = {
    {IDC_OPEN_AC3, &CMainDialog::OnOpenAc3},
    {IDC_START_CUT, &CMainDialog::OnStartCut},
    {IDC_PLAY, &CMainDialog::OnPlay},
    {IDC_PAUSE, &CMainDialog::OnPause},
    {IDC_STOP, &CMainDialog::OnStop},
    {IDC_START_TIME, &CMainDialog::OnStartTime},
    {IDC_END_TIME, &CMainDialog::OnEndTime},
    {IDC_START_SPLIT_BY_SIZE, &CMainDialog::OnStartSplitBySize},
    {IDC_BROWSE_OUTPUT_DIR, &CMainDialog::OnBrowseOutputDir},
    {IDC_START_SPLIT_BY_TIME, &CMainDialog::OnStartSplitByTime},
    {IDC_MODE_BY_FRAME, &CMainDialog::OnModeByFrame},
    {IDC_MODE_BY_SIZE, &CMainDialog::OnModeBySize},
    {IDC_MODE_BY_TIME, &CMainDialog::OnModeByTime},
    {IDC_BROWSE_OUTPUT_FILE, &CMainDialog::OnBrowseOutputFile},
    {IDC_HOMEPAGE, &CMainDialog::OnHomepage},
    {IDC_HELP, &CMainDialog::OnHelpButton},
    {IDC_CLOSE_PREVIEW, &CMainDialog::OnClosePreview},
    {ID_HELP, &CMainDialog::OnHelp},
};

}  // namespace

CMainDialog::CMainDialog(platform::Services& services, void* /*parent*/)
    : m_strOutputFile(PlainDefaultOutputFile(services.system)),
      m_hIcon(IDR_MAINFRAME),
      m_hInstance(&services),
      services_(services) {}

CMainDialog::~CMainDialog() = default;

int CMainDialog::DoModal() { return Ui().RunMainDialog(*this); }

void CMainDialog::MessageBox(const std::string& text, const std::string& caption) {
    Ui().MessageBox({platform::BoxKind::Dialog, caption, text, platform::BoxButtons::Ok,
                     platform::BoxIcon::None});
}

void CMainDialog::AfxMessageBox(const std::string& text) {
    Ui().MessageBox({platform::BoxKind::App, services_.system.ApplicationName(), text,
                     platform::BoxButtons::Ok, platform::BoxIcon::Exclamation});
}

bool CMainDialog::ExchangeInt(bool save, int id, int& value) {
    if (!save) {
        Ui().SetControlText(id, std::to_string(value));
        return true;
    }
    auto parsed = ui::ParseIntegerField(Ui().GetControlText(id));
    if (!parsed) {
        AfxMessageBox("Please enter an integer.");
        Ui().FocusControl(id);
        return false;
    }
    value = *parsed;
    return true;
}

bool CMainDialog::UpdateData(bool save) {
    if (save)
        m_strFileInfo = Ui().GetControlText(IDC_FILE_INFO);
    else
        Ui().SetControlText(IDC_FILE_INFO, m_strFileInfo);
    const struct {
        int id;
        int* value;
    } timeFields[] = {
        {IDC_START_HOUR, &m_nStartHour}, {IDC_START_MINUTE, &m_nStartMinute},
        {IDC_START_SECOND, &m_nStartSecond}, {IDC_END_HOUR, &m_nEndHour},
        {IDC_END_MINUTE, &m_nEndMinute}, {IDC_END_SECOND, &m_nEndSecond},
    };
    for (const auto& field : timeFields)
        if (!ExchangeInt(save, field.id, *field.value)) return false;
    if (save)
        m_strOutputFile = Ui().GetControlText(IDC_OUTPUT_FILE);
    else
        Ui().SetControlText(IDC_OUTPUT_FILE, m_strOutputFile);
    return ExchangeInt(save, IDC_PART_COUNT, m_nPartCount);
}

bool CMainDialog::OnInitDialog() {
    auto& ui = Ui();
    m_spinSplitTime.Attach(ui, IDC_SPLIT_TIME_SPIN);
    m_editSplitTime.Attach(ui, IDC_SPLIT_TIME);
    m_editOutputDir.Attach(ui, IDC_OUTPUT_DIR);
    m_spinPartCount.Attach(ui, IDC_PART_COUNT_SPIN);
    m_staticPartSize.Attach(ui, IDC_PART_SIZE);
    m_staticPosition.Attach(ui, IDC_POSITION);
    m_sliderSeek.Attach(ui, IDC_SEEK_SLIDER);
    m_sliderSeek.Connect(AfxGetApp() != nullptr ? &AfxGetApp()->m_bSeekDragging : nullptr,
                         [this] { OnSeekReleased(); });
    UpdateData(false);

    if (std::string about = LoadString(IDS_ABOUTBOX); !about.empty())
        ui.AppendSystemMenuItem(IDM_ABOUTBOX, about);
    ui.SetDialogIcon(m_hIcon);

    if (!services_.system.GetVersion(m_osvi)) {
        MessageBox("Can get Windows Version", "Error");
        // Without an answer, assume a platform with per-user folders.
        m_osvi.dwMajorVersion = platform::kFirstVersionWithUserFolders;
    }
    services_.media.Initialize();

    m_sliderSeek.SetRange(0, 600);
    m_sliderSeek.SetPos(0);
    m_spinPartCount.SetSpinRange(1, 10000);

    m_strOutputDir = ReadProfilePath("Option", "output_folder", PlainDefaultOutputFolder(services_.system),
                                     kMusicFolderId);
    m_editOutputDir.SetWindowText(m_strOutputDir);
    m_strOutputFile = ReadProfilePath("Option", "output_cut_file", PlainDefaultOutputFile(services_.system),
                                      kMusicFolderId);
    ui.SetControlText(IDC_OUTPUT_FILE, m_strOutputFile);

    m_spinSplitTime.SetSpinRange(1, 10000);
    m_nSplitSeconds = 60;
    char text[16];
    std::snprintf(text, sizeof text, "%d", m_nSplitSeconds);
    m_editSplitTime.SetWindowText(text);

    ui.SetRadioChecked(IDC_MODE_BY_FRAME, true);
    OnModeByFrame();
    m_szSourcePath.clear();
    ui.ShowControl(IDC_CLOSE_PREVIEW, false);
    return true;
}

void CMainDialog::OnDestroy() {
    // Enter and Esc end the dialog without the close steps; the player must
    // not outlive the dialog its window reports to.
    DestroyPreview();
    services_.media.Uninitialize();
}

void CMainDialog::OnCommand(int id) {
    for (const auto& entry : kCommandMap)
        if (entry.id == id) {
            (this->*entry.handler)();
            return;
        }
}

int CMainDialog::OnSpinDeltaPos(int id, int pos, int delta) {
    if (id == IDC_PART_COUNT_SPIN) return OnPartCountDeltaPos(pos, delta);
    return 0;
}

void CMainDialog::OnSliderButton(int id, bool down) {
    if (id != IDC_SEEK_SLIDER) return;
    if (down)
        m_sliderSeek.OnLButtonDown();
    else
        m_sliderSeek.OnLButtonUp();
}

void CMainDialog::OnSysCommand(unsigned command) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        Ui().RunAboutBox();
        return;
    }
    // The window menu's Close arrives as the close box does.
    if ((command & 0xFFF0) == SC_CLOSE) OnClose();
}

void CMainDialog::OnOK() {
    if (UpdateData(true)) Ui().EndDialog(platform::IDOK);
}

void CMainDialog::OnCancel() { Ui().EndDialog(platform::IDCANCEL); }

void CMainDialog::OnHelpKey() { OnCommand(ID_HELP); }

void CMainDialog::WindowProc(unsigned message, int param) {
    if (message == platform::WM_POSITIONNOTIFY) RefreshPosition();
    if (message == platform::WM_COMMAND) OnCommand(param);
}
