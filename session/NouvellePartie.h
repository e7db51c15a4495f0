// Starting a game and routing the player's input to the game in play.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

// Board size and per-game parameters of (TypeJeu, NumeroTableau); draws ParamCarre for the
// magic square, so it runs right after the seeding.
void ParametresPartie(Contexte& c);

void NouvellePartie(Contexte& c);
void TableauSuivant(Contexte& c);
void TableauPrecedent(Contexte& c);
void TableauAuHasard(Contexte& c);

void Deplacer(Contexte& c, int32_t x, int32_t y, bool auClavier);

// Mouse state at a press, as the toolkit reports it: the keys held and the buttons down.
enum EtatSouris : uint32_t {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,   // the second press of a double click
};
enum class BoutonSouris { Gauche, Droit, Milieu };

// A press on the cell panel whose tag is given.
void AppelCaseMouseDown(Contexte& c, int32_t tag, BoutonSouris bouton, uint32_t etat);

// Walls: the pressed look while a button is held, and the click.
void AppelMurEnfoncement(Contexte& c, TypeMur type, int32_t tag);
void AppelMurRelachement(Contexte& c, TypeMur type, int32_t tag);
void AppelMurDroitClique(Contexte& c, int32_t tag);
void AppelMurBasClique(Contexte& c, int32_t tag);
void AppelMurBasDroitClique(Contexte& c, int32_t tag);

// The exchanges across a wall, dispatched to the game in play.
void InverserDroite(Contexte& c, int32_t x, int32_t y);
void InverserBas(Contexte& c, int32_t x, int32_t y);
void InverserCoin(Contexte& c, int32_t x, int32_t y);

// Keys: the arrow keys on key down, the characters "2", "4", "6", "8" on key press.
enum class Fleche { Gauche, Droite, Haut, Bas };
void FormKeyDown(Contexte& c, Fleche touche);
void FormKeyPress(Contexte& c, char caractere);

} // namespace cogitelle
