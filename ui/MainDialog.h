// The main dialog: the whole user interface and all of the program's state.
// Its handlers are spread over the folders of the subsystems they belong to:
// ac3/ (opening a source), split/ (the split jobs and the output pickers),
// ui/ (start-up, modes, settings, about, help and closing) and preview/
// (the preview controls).
#pragma once
#include <cstdint>
#include <string>

#include "platform/DialogHandler.h"
#include "platform/FileApi.h"
#include "platform/Services.h"
#include "preview/SeekSlider.h"
#include "ui/DialogControl.h"

class CMainDialog : public platform::DialogHandler {
public:
    // `parent` is unused: the main dialog has no owner window.
    CMainDialog(platform::Services& services, void* parent);
    ~CMainDialog() override;
    CMainDialog(const CMainDialog&) = delete;
    CMainDialog& operator=(const CMainDialog&) = delete;

    // Runs the dialog modally; returns IDOK or IDCANCEL.
    int DoModal();

    // Reads the controls into the members (save true) or writes the members
    // into the controls (save false). Reading fails, after "Please enter an
    // integer." and focus on the field, when an integer field holds none.
    bool UpdateData(bool save = true);

    // --- platform::DialogHandler ---
    bool OnInitDialog() override;
    void OnDestroy() override;
    void OnCommand(int id) override;
    int OnSpinDeltaPos(int id, int pos, int delta) override;
    void OnSliderButton(int id, bool down) override;
    void OnSysCommand(unsigned command) override;
    void OnClose() override;
    void OnOK() override;
    void OnCancel() override;
    void OnHelpKey() override;
    void OnPaint(bool minimized) override;
    void WindowProc(unsigned message, int param) override;

    // --- Members, in declaration order ---
    ui::DialogControl m_spinSplitTime;   // 1028
    ui::DialogControl m_editSplitTime;   // 1027
    ui::DialogControl m_editOutputDir;   // 1021
    ui::DialogControl m_spinPartCount;   // 1025
    ui::DialogControl m_staticPartSize;  // 1020
    ui::DialogControl m_staticPosition;  // 1015
    CSeekSlider m_sliderSeek;            // 1012
    std::string m_strFileInfo;           // 1001; empty means no source is open
    int m_nStartHour = 0;                // 1003
    int m_nStartMinute = 0;              // 1004
    int m_nStartSecond = 0;              // 1005
    int m_nEndHour = 0;                  // 1006
    int m_nEndMinute = 0;                // 1007
    int m_nEndSecond = 0;                // 1008
    std::string m_strOutputFile;         // 1010
    int m_nPartCount = 2;                // 1018
    int m_hIcon = 0;                     // the program icon's resource id
    std::string m_szSourcePath;          // the open source; empty when none
    int m_nTotalSeconds = 0;
    platform::Services* m_hInstance;     // handed to the preview player
    int m_nSliderPos = 0;
    std::string m_strOutputDir;
    int m_nSplitSeconds = 0;
    int m_nFirstSyncOffset = 0;
    std::int64_t m_llTotalTime = 0;      // 100-ns units
    std::int64_t m_llFileSize = 0;
    int m_nFrameSize = 0;
    platform::OsVersionInfo m_osvi;

    // --- Split modes (ui/SplitModes.cpp) ---
    void OnModeByFrame();
    void OnModeBySize();
    void OnModeByTime();

    // --- Settings (ui/Settings.cpp) ---
    // The stored value, or `defaultPath` moved into the music folder where
    // the platform keeps per-user folders.
    std::string ReadProfilePath(std::string section, std::string key, std::string defaultPath,
                                int folder);

    // --- About, help, home page, closing (ui/AboutAndHelp.cpp) ---
    int OnQueryDragIcon();
    void OnHelp();
    void OnHomepage();
    void OnHelpButton();

    // --- Opening a source (ac3/) ---
    bool ParseFrameSize(std::uint8_t headerByte4);
    bool ProbeSource(int* firstSyncOffset);
    bool FindFrameStart(platform::FileHandle file, std::int64_t* position);
    void OnOpenAc3();
    bool ReadTotalTime();

    // --- Split jobs and output pickers (split/) ---
    bool OutputFileExists(const std::string& path);
    void OnStartCut();
    void OnStartSplitBySize();
    void OnStartSplitByTime();
    int BuildPartNamePattern(int count, std::string& pattern);
    int OnPartCountDeltaPos(int pos, int delta);
    void UpdatePartSizeLabel(int count);
    bool BrowseForFolder(std::string& folder);
    void OnBrowseOutputDir();
    void OnBrowseOutputFile();
    // split: helpers >>>
    // split: helpers <<<

    // --- Preview controls (preview/PreviewControls.cpp) ---
    int CreatePreview(std::string& path);
    int DestroyPreview();
    void RefreshPosition();
    int SeekToSlider(int pos);
    void OnPlay();
    void OnPause();
    void OnStop();
    void OnStartTime();
    void OnEndTime();
    void OnClosePreview();
    void OnSeekReleased();

    // --- Message boxes ---
    // Modal to the dialog, one OK button, no icon.
    void MessageBox(const std::string& text, const std::string& caption);
    // Modal to the dialog, the application's name as caption, exclamation icon.
    void AfxMessageBox(const std::string& text);

    platform::Services& Services() { return services_; }
    platform::UiServices& Ui() { return services_.ui; }

private:
    bool ExchangeInt(bool save, int id, int& value);

    platform::Services& services_;
};

// Free helpers of the main dialog.
// The path up to and including its last separator ("/" or "\"); empty when
// it has none.
std::string GetDirectoryPart(const std::string& path);
// The path from its last separator (included) to the end; empty when it has
// none.
std::string GetFileNamePart(const std::string& path);
// The text after the last "\" or "/" of a path; the whole path when it has
// neither.
void ExtractFileName(const std::string& path, std::string& out);
// The stop position of `path` in 100-ns units, from a throw-away graph.
bool QueryMediaStopTime(platform::MediaFramework& media, const std::string& path, std::int64_t* stop);
// The close-time question about a newer version, at most every 180 days.
void PromptForUpdate(platform::Services& services, const std::string& url);
