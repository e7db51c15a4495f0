// The main window: its menu bar, the board, the right-hand panels and the timers, each routed to
// the session.
#pragma once

#include "win/Windows.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "session/Session.h"
#include "win/Ecran.h"
#include "win/Panneau.h"
#include "win/Plateau.h"

namespace cogitelle {

class PortsWin;

class FenetreMath {
public:
    // Creates the window, hidden, with the session's main window made for the screen `ecran`.
    FenetreMath(Session& session, PortsWin& ports, const MetriquesEcran& ecran);
    ~FenetreMath();
    FenetreMath(const FenetreMath&) = delete;
    FenetreMath& operator=(const FenetreMath&) = delete;

    HWND Fenetre() const { return fenetre_; }
    Plateau& Board() { return *plateau_; }
    // The window of a right-hand control; nullptr for one that has none.
    Panneau* PanneauDe(const Controle& c) const;

    // Shown maximised.
    void Montrer();
    // Runs a rule, then the view follows the model.
    void Executer(const std::function<void()>& regle);
    // The view follows the model after a call of the rules.
    void RafraichirVue();
    // The keyboard preview: every key typed in this window reaches it first, whichever of its
    // controls has the focus, and its shortcut keys (F1, F9) act. Call it for each message before
    // it is dispatched; true when it was used up.
    bool Previsualiser(MSG& message);
    // Its window's messages.
    LRESULT Traiter(UINT message, WPARAM w, LPARAM l);

private:
    void CreerMenus();
    void CreerPanneaux();
    // The keyboard's focus on the window of the control the model gives it, once it changed and
    // while this window is the active one.
    void DonnerFocus();

    Session& session_;
    PortsWin& ports_;
    HWND fenetre_ = nullptr;
    Echelle echelle_;
    std::unique_ptr<Plateau> plateau_;
    std::vector<std::unique_ptr<Panneau>> panneaux_;
    std::map<const Controle*, Panneau*> parControle_;
    HMENU barre_ = nullptr;
    HACCEL raccourcis_ = nullptr;
    std::vector<ElementMenu> menusVus_;   // the items as the menu bar shows them
    Couleur couleurVue_ = 0;
    HBRUSH fond_ = nullptr;
    uint64_t modificationsVues_ = ~uint64_t(0);
    const Controle* focusVu_ = nullptr;   // the model's focus last given to a window
    bool focusDonne_ = false;
};

} // namespace cogitelle
