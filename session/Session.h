// The whole program without its windows: the game state, the generator, the controls model, the
// options store, the score file and the model of every window (the start screen, the main window
// and its menus, the chooser, the viewer). A front end makes one, gives it its ports and its
// window actions, realises the windows it describes and calls nothing else.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Contexte.h"
#include "session/ChoixTableau.h"
#include "session/Clavier.h"
#include "session/DetailMeilleursScores.h"
#include "session/EcranDemarrage.h"
#include "session/FenetrePrincipale.h"
#include "session/Menus.h"
#include "session/NouvellePartie.h"
#include "store/MagasinOptions.h"

namespace cogitelle {

class SystemeFichiers;

class Session {
private:
    // Forwards to the front end's actions once it has given them.
    class Relais : public ActionsFenetres {
    public:
        ActionsFenetres* cible = nullptr;
        void MontrerChoixTableau() override;
        void MontrerMeilleursScores() override;
        void FermerEcranDemarrage() override;
        bool ChoisirCouleur(Couleur initiale, Couleur& choisie) override;
        void MontrerAide(const std::string& fichier) override;
        void ExporterMeilleursScores() override;
        void ImporterMeilleursScores() override;
        void ExporterCopiesGardees() override;
    };

    // Made before the references below, which name them.
    std::unique_ptr<GameState> etat_ = std::make_unique<GameState>();   // too large for the stack
    PuzzleRandom hasard_;
    std::unique_ptr<Controles> controles_ = std::make_unique<Controles>();
    std::unique_ptr<MagasinOptions> options_;
    Relais relais_;

public:
    // The options in `options` (in memory when null), the records in the score file at
    // `cheminScores` (an empty path keeps them in memory only) on `fichiers` (the machine's file
    // system when null).
    explicit Session(Ports& ports, std::unique_ptr<MagasinOptions> options = nullptr,
        std::string cheminScores = "scoresI", SystemeFichiers* fichiers = nullptr);
    // The same with an options store the caller keeps.
    Session(Ports& ports, MagasinOptions& options, std::string cheminScores = "scoresI",
        SystemeFichiers* fichiers = nullptr);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The windows' actions the rules ask for (a dialog shown, the program's end, the colour
    // dialog, the help). Until a front end gives its own, and once it takes them back (nullptr),
    // they do nothing.
    void BrancherFenetres(ActionsFenetres* actions) { relais_.cible = actions; }

    // The object graph.
    GameState& etat;
    PuzzleRandom& hasard;
    Controles& controles;
    Contexte ctx;

    // The windows' models.
    EcranDemarrage& Demarrage() { return demarrage_; }
    FenetrePrincipale& Principale() { return principale_; }
    ChoixTableau& Choix() { return choix_; }
    DetailMeilleursScores& Scores() { return scores_; }
    // The main window's menu bar, its captions and check marks as they are now.
    const std::vector<Menu>& Menus();

    // Start-up. The start screen for a screen of that size in pixels at that many pixels per
    // inch: the program's title, the screen laid out at the screen's factor.
    void CreerEcranDemarrage(int32_t largeurEcran, int32_t hauteurEcran, double pixelsParPouce);
    // The same for a phone held upright, `largeurCss` CSS pixels wide, laid out in CSS pixels.
    void CreerEcranDemarrageDebout(int32_t largeurCss);
    // The main window's creation: its controls at the screen's factors, the options and the
    // records loaded, the texts built. `echangeScores`: its menu exports and imports the records.
    void CreerFenetrePrincipale(int32_t largeurEcran, int32_t hauteurEcran, double pixelsParPouce,
        bool echangeScores = false);
    // "DEMARRER" (1) or "ENGLISH" (2): the language and its texts; the front end then hides the
    // start screen, shows the main window and starts its one-shot start timer.
    void Demarrer(int32_t langue);
    // That timer's tick: the main window waits, disabled, for the first game to be chosen.
    void TimerDebut();

    // The main window.
    void Activer() { principale_.FormActivate(); }
    void Commande(Commande commande) { principale_.Executer(commande); }
    // The pressed look of a clickable panel (an index into the main window's Disposition).
    void Panneau(int32_t indice, bool enfonce);
    // The mouse on the board. A press also takes the keyboard's focus there, its look hidden.
    void Case(int32_t tag, BoutonSouris bouton, uint32_t etat);
    void MurEnfonce(TypeMur type, int32_t tag);
    void MurRelache(TypeMur type, int32_t tag) { AppelMurRelachement(ctx, type, tag); }
    void MurClique(TypeMur type, int32_t tag);
    // The maze's keys: an arrow, a character ("2", "4", "6", "8").
    void Fleche(Fleche touche);
    // A finger's tap on a cell (by its tag), shown or not: on the cell an arrow key would move the
    // player to (a neighbour of the maze's glutton) it is that arrow; on any other cell shown a
    // left press, as the mouse's.
    void Toucher(int32_t tag);
    void Caractere(char caractere);
    // Any other key of the main window, with the keys held (ssShift, ssCtrl, ssAlt): the cursor
    // on the board, the walls beside it, the Tab key through the side panels (see Clavier). True
    // when the key was used; the front end then does nothing more with it.
    bool Touche(ToucheClavier touche, uint32_t etat) { return clavier_.Touche(touche, etat); }
    Clavier& Curseur() { return clavier_; }
    // A timer of the model fired. A tick already queued when its timer stopped does nothing.
    void Tic(Minuterie::Id id);
    // The game confirmed in the chooser starts (once the chooser has closed).
    void NouvellePartie();

    // The records as a score file holds them, 400 000 bytes.
    std::string ExporterScores() const;

private:
    Session(Ports& ports, std::unique_ptr<MagasinOptions> propre, MagasinOptions* options, std::string cheminScores,
        SystemeFichiers* fichiers);

    EcranDemarrage demarrage_;
    FenetrePrincipale principale_;
    ChoixTableau choix_;
    DetailMeilleursScores scores_;
    Clavier clavier_;
    std::vector<Menu> menus_;
};

} // namespace cogitelle
