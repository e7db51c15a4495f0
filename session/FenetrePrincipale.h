// The rules of the main window and the start screen: creation, the language choice, the menu
// commands, the side panels and their handlers. Plain C++: the Qt windows only route to it.
#pragma once

#include <string>
#include <vector>

#include "core/Contexte.h"
#include "session/Commandes.h"

namespace cogitelle {

// The screen factors: M and H are the screen's size brought to 96 pixels per inch, truncated.
struct FacteursEcran {
    int32_t M = 800, H = 600;
    double X = 1.0, Y = 1.0;
};
FacteursEcran CalculerFacteursEcran(int32_t largeurPixels, int32_t hauteurPixels, double pixelsParPouce);

// A design rectangle (96 pixels per inch, 800 x 600 screen) brought to the screen.
Rect MettreALEchelle(const Rect& design, double fx, double fy);

// What the window rules ask of the windows themselves; the Qt windows implement it, tests record it.
class ActionsFenetres {
public:
    virtual ~ActionsFenetres() = default;
    // The puzzle chooser, centred on the screen, without blocking the main window.
    virtual void MontrerChoixTableau() = 0;
    // The high-score viewer, centred on the screen, without blocking the main window.
    virtual void MontrerMeilleursScores() = 0;
    // Closes the start screen, which ends the program.
    virtual void FermerEcranDemarrage() = 0;
    // The colour dialog opened on `initiale`; false when cancelled.
    virtual bool ChoisirCouleur(Couleur initiale, Couleur& choisie) = 0;
    // The help of the current language at its contents.
    virtual void MontrerAide(const std::string& fichier) = 0;
    // The records saved as a score file the player chooses where to keep, and a score file chosen
    // by the player to replace them: the menu offers both only where the front end asks for them.
    virtual void ExporterMeilleursScores() {}
    virtual void ImporterMeilleursScores() {}
    // The copies kept of a damaged score file, saved as files, where the player cannot reach them.
    virtual void ExporterCopiesGardees() {}
};

// One control of the main window's right-hand side, as the window is designed.
struct PlaceControle {
    Controle* controle;
    Controle* parent;   // nullptr: the window's client area
    const char* nom;    // the control's name, also the Qt object name
    Rect design;
    Commande commande;  // what a click on it runs; cmdAucune: it only shows something
    bool policeTimes;   // "Times New Roman" rather than the window's font
    // Clickable: up-arrow cursor and the pressed look.
    bool cliquable() const { return commande != cmdAucune; }
};

// The window's own font: "MS Sans Serif" at 8 points before scaling.
constexpr int32_t TaillePoliceFenetre = 8;
// Its client area on the design screen.
constexpr int32_t LargeurFenetrePrincipale = 800;
constexpr int32_t HauteurFenetrePrincipale = 534;

class FenetrePrincipale {
public:
    FenetrePrincipale(Contexte& c, ActionsFenetres& actions);
    FenetrePrincipale(const FenetrePrincipale&) = delete;
    FenetrePrincipale& operator=(const FenetrePrincipale&) = delete;

    // What the window shows that the controls model does not hold.
    std::string Caption;
    std::string MenuJeux[6];   // captions of the five game menu items, 1..5
    Controle Shape1;           // the frame around the info label
    // A disabled window takes no input: the main window waits so while the chooser of start-up
    // is open.
    bool Enabled = true;

    // The right-hand controls in creation order, parents before their children.
    const std::vector<PlaceControle>& Disposition() const { return disposition_; }
    bool EstCliquable(const Controle& c) const;
    // The clickable controls in the order the Tab key reaches them after the board: down the
    // window, left to right along a line. Indices into Disposition.
    const std::vector<size_t>& OrdreTabulation() const { return tabulation_; }

    // Window creation, from the screen's size in pixels and its pixels per inch.
    void FormCreate(int32_t largeurEcran, int32_t hauteurEcran, double pixelsParPouce);
    // Each time the window becomes active.
    void FormActivate();
    // The window closes: the timers stop and the program ends, without a question.
    void FormClose();

    void ChoisirJeu(TTypeJeu type);
    void panelChangerTableauClick();
    void panelTableauAleatoireClick();
    void panelTableauPrecedentClick();
    void panelTableauIdemClick();
    void panelTableauSuivantClick();
    void panelDetailHighScoresClick();
    void panelButClick();
    void panelReglesDuJeuClick();
    void panelCalculScoresClick();

    void menuRecreerHighScoresClick();
    void menuCouleurFondEcranClick();
    void menuCouleurTableauDeJeuClick();
    void menuSommaireClick();
    void menuAProposClick();
    void Quitter1Click();

    // A menu item or a clickable panel, by its command.
    void Executer(Commande commande);

    // The pressed look of a clickable panel while a mouse button is held on it.
    void AppelPanelMyMouseDown(Controle& panneau);
    void AppelPanelMyMouseUp(Controle& panneau);

private:
    void CommandeCouleur(Couleur& option);

    Contexte& c_;
    ActionsFenetres& actions_;
    std::vector<PlaceControle> disposition_;
    std::vector<size_t> tabulation_;
};

// The start screen: its creation sets the program title.
void CreerEcranDemarrage(Contexte& c);
// "DEMARRER" (langue 1) and "ENGLISH" (langue 2): the language, its texts and the options applied.
void ChoisirLangue(Contexte& c, int32_t langue);

// The two "A propos" messages.
extern const char* const TexteAPropos1;
extern const char* const TexteAPropos2;

} // namespace cogitelle
