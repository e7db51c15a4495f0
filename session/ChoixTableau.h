// The puzzle chooser's rules without a toolkit: what its controls show and what they do.
#pragma once

#include <string>
#include <vector>

#include "core/Contexte.h"
#include "session/Descriptions.h"
#include "session/Entrees.h"

namespace cogitelle {

class FenetrePrincipale;

// The chooser's window and rules. Each handler changes the game state and the fields below; the
// window then copies the controls' state (Etats) onto its widgets.
class ChoixTableau {
public:
    // `principale`: the main window, which "Annuler" leaves alone while it is disabled (the first
    // game starts from here) and which a confirmation enables.
    explicit ChoixTableau(Contexte& c, FenetrePrincipale* principale = nullptr);

    // The window as designed, and what each of its controls shows now.
    static const DescriptionFenetre& Description();
    std::vector<EtatControle> Etats() const;

    // The selection (TypeJeuDialogue, NumeroTableauSelectionne) onto the controls, with the
    // puzzle's record.
    void AfficherChoix();
    // Each activation reloads the saved selection and the player's name.
    void FormActivate();
    void rbTypeJeuClick(TTypeJeu type);
    void scrollBarChoixTableauChange(int32_t position);
    // A random game type and puzzle, both different from the current selection; the game does not
    // start.
    void panelAleatoireClick();
    void editYourNameDblClick();
    // The confirmation. True when the game was set (TypeJeu, NumeroTableau, NomJoueur) and may
    // start; false, with a message and nothing changed, when the name is empty.
    bool ValiderChoix();

    // The controls' events, by index into the description: a click on a radio button or a button
    // panel, a scroll bar moved, a double click, an edit of the name.
    Issue Clic(int32_t indice);
    void Change(int32_t indice, int32_t position);
    void DoubleClic(int32_t indice);
    // The name field after an edit; returns what it keeps.
    const std::string& Saisie(const std::string& texte);
    // Enter confirms from any control but a button panel, which takes it as its click; Escape is
    // "Annuler".
    Issue Touche(ToucheFenetre touche);
    // OK: the game confirmed starts (the main window enabled), or nothing with the message.
    Issue Valider();
    // "Annuler": closes the chooser, unless the main window is disabled.
    Issue Annuler();
    // The scroll bar's keys, and digits typed on it: within a second of each other they make one
    // puzzle number. The next digit after Oublier starts a new one.
    void Defiler(ToucheDefilement touche);
    void TaperChiffre(int32_t chiffre, int64_t instantMs);
    void OublierChiffres() { saisieNumero_.Oublier(); }
    // The control the rules give the keyboard to (the scroll bar at each activation, the name
    // after it was found empty), once; -1 when none.
    int32_t PrendreFocus()
    {
        const int32_t f = focus_;
        focus_ = -1;
        return f;
    }

    // What the controls show.
    std::string TitreGroupe = " Choix du jeu ";
    std::string TitresRadios[6];        // 1..5
    TTypeJeu RadioCoche = AucunJeu;     // the radio button checked, 1..5
    std::string CaptionNumeroTableau;   // "Cogitelle n° 37"
    int32_t PositionScroll = 1;
    int32_t ScrollMin = 1;
    int32_t ScrollMax = NombreTableaux;
    std::string NomRecord;              // rank 1 of the selected puzzle
    std::string ScoreRecord;
    std::string Nom;                    // the name field

    // The indices of the controls the rules handle.
    const int32_t iRadio1, iNom, iNumero, iBarre, iHasard, iAnnuler, iOK, iGroupe, iNomRecord, iScoreRecord;

private:
    Contexte& c_;
    FenetrePrincipale* principale_;
    int32_t focus_ = -1;
    SaisieNumero saisieNumero_;
};

// The name field after an edit: upper case and only characters Windows-1252 can hold, as
// NormaliserNom keeps them. An edit that makes it longer than 12 characters is cut to 12, unless
// the field was already full: then the edit is refused and `avant` is kept.
std::string NomApresSaisie(const std::string& avant, const std::string& apres);

// NormaliserNom without the limit of 12 characters.
std::string NormaliserSaisie(const std::string& utf8);

// Characters (code points) of a UTF-8 text.
size_t NombreCaracteres(const std::string& utf8);

} // namespace cogitelle
