// The main window: the board, the right-hand panels and the timers, each routed to the rules
// through the link to the core.
#pragma once

#include "win/Windows.h"

#include <map>
#include <memory>
#include <vector>

#include "win/Ecran.h"
#include "win/Liaison.h"
#include "win/Panneau.h"
#include "win/Plateau.h"

namespace cogitelle {

class PortsWin;

class FenetreMath {
public:
    // Creates the window, hidden, for the screen `ecran`, and lays out its controls.
    FenetreMath(Liaison& liaison, PortsWin& ports, const MetriquesEcran& ecran);
    ~FenetreMath();
    FenetreMath(const FenetreMath&) = delete;
    FenetreMath& operator=(const FenetreMath&) = delete;

    HWND Fenetre() const { return fenetre_; }
    Plateau& Board() { return *plateau_; }
    // The window of a right-hand control; nullptr for one that has none.
    Panneau* PanneauDe(const Controle& c) const;

    // Shown maximised.
    void Montrer();
    // The view follows the model after a call of the rules.
    void RafraichirVue();
    // The keyboard preview: every key typed in this window reaches it first, whichever of its
    // controls has the focus. Call it for each message before it is dispatched; false: dispatch it.
    bool Previsualiser(const MSG& message);

private:
    static LRESULT CALLBACK Procedure(HWND fenetre, UINT message, WPARAM w, LPARAM l);
    LRESULT Traiter(UINT message, WPARAM w, LPARAM l);
    void CreerPanneaux();
    void Executer(const std::function<void()>& regle);

    Liaison& liaison_;
    PortsWin& ports_;
    HWND fenetre_ = nullptr;
    Echelle echelle_;
    std::unique_ptr<Plateau> plateau_;
    std::vector<std::unique_ptr<Panneau>> panneaux_;
    std::map<const Controle*, Panneau*> parControle_;
    Couleur couleurVue_ = 0;
    HBRUSH fond_ = nullptr;
    uint64_t modificationsVues_ = ~uint64_t(0);
};

} // namespace cogitelle
