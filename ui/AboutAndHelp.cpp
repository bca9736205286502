// The about box, painting, help, the home page, and the close sequence with
// its update question.
#include <cstdint>

#include "res/ResourceIds.h"
#include "ui/MainDialog.h"
#include "ui/WebAddresses.h"

namespace {

// The update question comes at most once in this many seconds (180 days).
constexpr std::int64_t kUpdateQuestionInterval = 180LL * 86400;

}  // namespace

void CMainDialog::OnPaint(bool minimized) {
    // Minimized, the desktop shows the dialog's icon itself.
    if (!minimized) RefreshPosition();
}

int CMainDialog::OnQueryDragIcon() { return m_hIcon; }

void CMainDialog::OnHelp() {}

void CMainDialog::OnHomepage() { Ui().LaunchBrowser(kMakerWebSiteUrl); }

void CMainDialog::OnHelpButton() {
    // The help book beside the executable, else the installed one.
    std::string folder = GetDirectoryPart(services_.system.ExecutableFolder()) + "help/";
    if (!platform::FileExists(folder + "Quorvane.hhp") && !services_.system.InstalledDataFolder().empty())
        folder = services_.system.InstalledDataFolder() + "help/";
    Ui().LaunchHelp(folder + "Quorvane.hhp", "Introduction.htm");
}

void CMainDialog::OnClose() {
    services_.profile.WriteProfileString("Option", "output_folder", m_strOutputDir);
    DestroyPreview();
    PromptForUpdate(services_, kProductHomePageUrl);
    Ui().EndDialog(platform::IDCANCEL);
}

void PromptForUpdate(platform::Services& services, const std::string& url) {
    const std::int64_t now = services.system.Now();
    const auto now32 = static_cast<std::uint32_t>(now);
    // The store keeps the time as an unsigned 32-bit count of seconds.
    const std::int64_t stored = services.profile.GetProfileInt("Setup", "t_first_update", now32);
    if (stored == static_cast<std::int64_t>(now32))
        services.profile.WriteProfileInt("Setup", "t_first_update", now32);
    if (stored + kUpdateQuestionInterval >= now) return;

    auto answer = services.ui.MessageBox({platform::BoxKind::Ownerless, "Update the program",
                                          "Do you want to check the lastest version on our website?",
                                          platform::BoxButtons::YesNo, platform::BoxIcon::None});
    if (answer == platform::BoxAnswer::Yes && !services.ui.LaunchBrowser(url)) {
        services.ui.MessageBox({platform::BoxKind::Ownerless, "unknown errors",
                                std::string("The Program does not launch your web browser to access ") +
                                    kMakerWebSiteUrl +
                                    " ,\nPlease launch your web browser and input the URL manually.",
                                platform::BoxButtons::Ok, platform::BoxIcon::None});
    }
    services.profile.WriteProfileInt("Setup", "t_first_update", now32);
}
