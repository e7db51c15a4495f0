#include "win/Ecran.h"

#include <algorithm>
#include <cmath>

namespace cogitelle {

MetriquesEcran MetriquesEcranPrincipal()
{
    MetriquesEcran m;
    // The program is per-monitor DPI aware: these are device pixels.
    m.largeur = GetSystemMetrics(SM_CXSCREEN);
    m.hauteur = GetSystemMetrics(SM_CYSCREEN);
    UINT ppp = 0;
    if (HDC dc = GetDC(nullptr)) {
        ppp = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
        ReleaseDC(nullptr, dc);
    }
    // The primary monitor's own factor where Windows gives it (per-monitor awareness).
    using DpiPourSysteme = UINT(WINAPI*)();
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll"))
        if (auto f = reinterpret_cast<DpiPourSysteme>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForSystem"))))
            ppp = f();
    m.pixelsParPouce = ppp ? ppp : 96;
    return m;
}

UINT PppFenetre(HWND fenetre)
{
    using DpiPourFenetre = UINT(WINAPI*)(HWND);
    static const auto f = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<DpiPourFenetre>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    UINT ppp = f && fenetre ? f(fenetre) : 0;
    if (!ppp)
        if (HDC dc = GetDC(nullptr)) {
            ppp = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
            ReleaseDC(nullptr, dc);
        }
    return ppp ? ppp : 96;
}

int Echelle::X(int32_t v) const { return static_cast<int>(std::lround(v * s_)); }

RECT Echelle::VersRect(const Rect& r) const { return {X(r.left), X(r.top), X(r.right()), X(r.bottom())}; }

RECT Echelle::VersRect(const Rect& r, int32_t dx, int32_t dy) const
{
    return VersRect(Rect{r.left + dx, r.top + dy, r.width, r.height});
}

int Echelle::Trait(int32_t largeur) const { return std::max(1, X(largeur)); }

int Echelle::HauteurPolice(int32_t points) const { return MulDiv(std::max(1, points), static_cast<int>(ppp_), 72); }

} // namespace cogitelle
