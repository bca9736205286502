// Quorvane: the program on the wxWidgets desktop.
#include "platform/wx/WxApp.h"

wxIMPLEMENT_APP(platform::wx::WxApp);
