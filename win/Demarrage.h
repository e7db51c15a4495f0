// The start screen: a borderless window centred on the screen that paints the session's picture
// of it and its two start buttons, which act on a click, and on Enter or Space for "DEMARRER".
#pragma once

#include "win/Windows.h"

#include <functional>

#include "session/Session.h"
#include "win/Ecran.h"
#include "win/Peinture.h"

namespace cogitelle {

class Demarrage {
public:
    // `demarrer` is called with the language of the button clicked (1 French, 2 English);
    // `fermer` when the window is closed (the program ends).
    Demarrage(Session& session, const MetriquesEcran& ecran, std::function<void(int32_t)> demarrer,
        std::function<void()> fermer);
    ~Demarrage();
    Demarrage(const Demarrage&) = delete;
    Demarrage& operator=(const Demarrage&) = delete;

    HWND Fenetre() const { return fenetre_; }
    void Montrer();
    void Cacher() { ShowWindow(fenetre_, SW_HIDE); }
    // The place of a start button in the window, in device pixels.
    RECT RectBouton(int32_t langue) const;
    void Peindre(HDC dc);
    // Its window's messages.
    LRESULT Traiter(UINT message, WPARAM w, LPARAM l);

private:
    int32_t BoutonA(POINT p) const;

    Session& session_;
    std::function<void(int32_t)> demarrer_;
    std::function<void()> fermer_;
    HWND fenetre_ = nullptr;
    Echelle echelle_;
    Polices polices_;
    int32_t boutonTenu_ = 0;
};

} // namespace cogitelle
