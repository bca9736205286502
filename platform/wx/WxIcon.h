// The program's icon (resource 128): the PNG drawn for it, found beside the
// executable or in the installed data folder, else a plain drawn copy.
#pragma once
#include <string>

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

namespace platform::wx {

class WxProgramIcon {
public:
    // Folders searched for quorvane.png, each with a trailing separator.
    WxProgramIcon(std::string executableFolder, std::string installedDataFolder);

    // The icon at every size a window manager asks for.
    const wxIconBundle& Bundle();
    // The icon at `size` x `size` pixels.
    wxBitmap Bitmap(int size);

private:
    const wxImage& Image();

    std::string executableFolder_;
    std::string installedDataFolder_;
    wxImage image_;
    wxIconBundle bundle_;
};

}  // namespace platform::wx
