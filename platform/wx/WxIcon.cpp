#include "platform/wx/WxIcon.h"

#include <wx/filefn.h>
#include <wx/icon.h>
#include <wx/image.h>

namespace platform::wx {
namespace {

// The icon's picture drawn pixel by pixel, for a program run without its
// PNG: a dark square with a waveform whose halves are cut apart.
wxImage DrawFallbackIcon() {
    constexpr int kSize = 32;
    wxImage image(kSize, kSize);
    image.InitAlpha();
    // Bar heights of the waveform, left to right; the middle column is the cut.
    static const int kBars[kSize] = {0, 0, 0, 4, 4, 0, 10, 10, 0, 16, 16, 0, 22, 22, 0, 8, 0,
                                     12, 12, 0, 24, 24, 0, 14, 14, 0, 6, 6, 0, 0, 0, 0};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const bool corner = (x < 2 || x >= kSize - 2) && (y < 2 || y >= kSize - 2);
            unsigned char r = 0x1f, g = 0x3a, b = 0x5f, a = corner ? 0 : 255;
            const int half = kBars[x] / 2;
            if (x == kSize / 2 && y % 4 != 3) {
                r = g = b = 0xff;  // the dashed cut line
            } else if (half > 0 && y >= kSize / 2 - half && y < kSize / 2 + half) {
                if (x < kSize / 2) {
                    r = 0x7f, g = 0xd3, b = 0xff;
                } else {
                    r = 0xff, g = 0xd3, b = 0x6b;
                }
            }
            image.SetRGB(x, y, r, g, b);
            image.SetAlpha(x, y, a);
        }
    return image;
}

}  // namespace

WxProgramIcon::WxProgramIcon(std::string executableFolder, std::string installedDataFolder)
    : executableFolder_(std::move(executableFolder)), installedDataFolder_(std::move(installedDataFolder)) {}

const wxImage& WxProgramIcon::Image() {
    if (image_.IsOk()) return image_;
    for (const std::string& folder : {executableFolder_, installedDataFolder_}) {
        if (folder.empty()) continue;
        const wxString path = wxString::FromUTF8(folder + "quorvane.png");
        if (wxFileExists(path) && image_.LoadFile(path, wxBITMAP_TYPE_PNG)) return image_;
    }
    image_ = DrawFallbackIcon();
    return image_;
}

wxBitmap WxProgramIcon::Bitmap(int size) {
    return wxBitmap(Image().Scale(size, size, wxIMAGE_QUALITY_HIGH));
}

const wxIconBundle& WxProgramIcon::Bundle() {
    if (bundle_.IsEmpty()) {
        for (int size : {16, 24, 32, 48, 64, 128}) {
            wxIcon icon;
            icon.CopyFromBitmap(Bitmap(size));
            bundle_.AddIcon(icon);
        }
    }
    return bundle_;
}

}  // namespace platform::wx
