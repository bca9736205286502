#include "app/MainApp.h"

#include "ui/MainDialog.h"

namespace {
CMainApp* g_pApp = nullptr;
}

CMainApp* AfxGetApp() { return g_pApp; }

CMainApp::CMainApp(platform::Services& services) : services_(services) { g_pApp = this; }

CMainApp::~CMainApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

bool CMainApp::InitInstance() {
    services_.profile.SetRegistryKey("Pellimor");
    CMainDialog dialog(services_, nullptr);
    dialog.DoModal();
    return false;
}
