#include "dpi.h"

#include <windows.h>

namespace corvane {

int ScreenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen != nullptr) ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int Scaled(int pixels) { return MulDiv(pixels, ScreenDpi(), 96); }

int ScaledDown(int pixels) { return pixels * ScreenDpi() / 96; }

const char* PictureSuffix() { return ScreenDpi() >= 144 ? "_150" : ""; }

}  // namespace corvane
