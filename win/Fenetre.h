// What every window of the front end does alike: its class registered once, its messages handed
// to the object that owns it, its painting between BeginPaint and EndPaint.
#pragma once

#include "win/Windows.h"

namespace cogitelle {

// Registers the window class `nom` once: its style, the program's icon, its cursor (none: each
// window sets it as the mouse moves) and the extra bytes of a dialog box when asked for.
void EnregistrerClasse(const wchar_t* nom, UINT style, HCURSOR curseur = nullptr, bool dialogue = false);

// The messages of a window go to `objet->Traiter(message, w, l)` from now on; DefWindowProcW
// before and after.
template <class T>
LRESULT CALLBACK Relais(HWND fenetre, UINT message, WPARAM w, LPARAM l)
{
    auto* objet = reinterpret_cast<T*>(GetWindowLongPtrW(fenetre, GWLP_USERDATA));
    return objet ? objet->Traiter(message, w, l) : DefWindowProcW(fenetre, message, w, l);
}

template <class T>
void Brancher(HWND fenetre, T* objet)
{
    SetWindowLongPtrW(fenetre, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(objet));
    SetWindowLongPtrW(fenetre, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Relais<T>));
}

// The window is destroyed without a word to its owner, which is going away.
void Detruire(HWND fenetre);

// WM_ERASEBKGND: the whole client area in `fond`.
LRESULT Effacer(HWND fenetre, WPARAM dc, HBRUSH fond);
// WM_DPICHANGED: the window takes the place Windows proposes on the monitor of its new scale.
void PrendrePlaceProposee(HWND fenetre, LPARAM propose);

// The painting of a WM_PAINT: `peindre(dc, zone)` between BeginPaint and EndPaint.
template <typename Peintre>
void Repeindre(HWND fenetre, Peintre peindre)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(fenetre, &ps);
    peindre(dc, ps.rcPaint);
    EndPaint(fenetre, &ps);
}

} // namespace cogitelle
