// The program: the core objects it owns for its whole life, and its windows wired together.
#pragma once

#include "win/Windows.h"

#include <memory>

#include "core/Contexte.h"
#include "session/FenetrePrincipale.h"
#include "store/MagasinOptions.h"
#include "win/Ecran.h"
#include "win/FenetreMath.h"
#include "win/Liaison.h"
#include "win/PortsWin.h"

namespace cogitelle {

// The game state, the generator, the controls, the ports, the registry key and the context over
// them. The score file is "scoresI" in the current folder.
struct ObjetsDuProgramme {
    ObjetsDuProgramme();
    // The game state is too large for the stack.
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsWin ports;
    std::unique_ptr<MagasinOptions> magasin;
    Contexte ctx;
};

// The windows, created in the order of start-up, and what the rules ask of them.
class Fenetres : private ActionsFenetres {
public:
    Fenetres(Contexte& c, PortsWin& ports, const MetriquesEcran& ecran);
    ~Fenetres() override;

    Liaison& Lien() { return liaison_; }
    FenetreMath& Math() { return *math_; }
    // The main window as "DEMARRER" (langue 1) or "ENGLISH" (2) shows it.
    void Demarrer(int32_t langue);
    // True once the program is to end.
    bool Termine() const { return termine_; }
    // Each message of the loop goes here first; false: translate and dispatch it.
    bool Previsualiser(const MSG& m);

private:
    void MontrerChoixTableau() override;
    void MontrerMeilleursScores() override;
    void FermerEcranDemarrage() override;
    bool ChoisirCouleur(Couleur initiale, Couleur& choisie) override;
    void MontrerAide(const std::string& fichier) override;

    PortsWin& ports_;
    Liaison liaison_;
    std::unique_ptr<FenetreMath> math_;
    COLORREF couleursPerso_[16] = {};
    bool termine_ = false;
};

// The folder the program itself is in, with its final separator.
std::wstring DossierDuProgramme();

} // namespace cogitelle
