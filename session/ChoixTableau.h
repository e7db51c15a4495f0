// The puzzle chooser's rules without a toolkit: what its controls show and what they do.
#pragma once

#include <string>

#include "core/Contexte.h"

namespace cogitelle {

// The chooser's state. Each handler changes the game state and the fields below; the window then
// copies the fields onto its widgets.
class ChoixTableau {
public:
    explicit ChoixTableau(Contexte& c);

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

private:
    Contexte& c_;
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
