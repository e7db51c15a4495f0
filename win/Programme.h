// The program: its ports and its session, and its windows wired together.
#pragma once

#include "win/Windows.h"

#include <memory>
#include <string>

#include "session/Session.h"
#include "win/Demarrage.h"
#include "win/Dialogue.h"
#include "win/Ecran.h"
#include "win/FenetreMath.h"
#include "win/PortsWin.h"

namespace cogitelle {

// The ports, then the session over them: the registry key and the score file "scoresI" in the
// current folder.
struct ObjetsDuProgramme {
    ObjetsDuProgramme();
    PortsWin ports;
    Session session;
};

// The windows, created in the order of start-up (the start screen, the main window, the chooser,
// the viewer), and what the rules ask of them.
class Fenetres : private ActionsFenetres {
public:
    Fenetres(Session& session, PortsWin& ports, const MetriquesEcran& ecran);
    ~Fenetres() override;

    Demarrage& Ecran() { return *demarrage_; }
    FenetreMath& Math() { return *math_; }
    Dialogue& Choix() { return *choix_; }
    Dialogue& Scores() { return *scores_; }
    // "DEMARRER" (langue 1) or "ENGLISH" (2): the start screen gives way to the main window,
    // which soon waits, disabled, for the chooser.
    void Demarrer(int32_t langue);
    // True once the program is to end.
    bool Termine() const { return termine_; }
    // Each message of the loop goes here first; true when it was used up.
    bool Previsualiser(MSG& m);

private:
    class ReglesChoix;
    class ReglesScores;

    void MontrerChoixTableau() override;
    void MontrerMeilleursScores() override;
    void FermerEcranDemarrage() override;
    bool ChoisirCouleur(Couleur initiale, Couleur& choisie) override;
    void MontrerAide(const std::string& fichier) override;
    static void CALLBACK TimerDebut(HWND fenetre, UINT message, UINT_PTR id, DWORD temps);

    Session& session_;
    PortsWin& ports_;
    std::unique_ptr<Demarrage> demarrage_;
    std::unique_ptr<FenetreMath> math_;
    std::unique_ptr<ReglesDialogue> reglesChoix_, reglesScores_;
    std::unique_ptr<Dialogue> choix_, scores_;
    COLORREF couleursPerso_[16] = {};
    bool termine_ = false;
};

// The folder the program itself is in, with its final separator.
std::wstring DossierDuProgramme();

} // namespace cogitelle
