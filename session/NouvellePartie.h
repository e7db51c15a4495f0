// Starting a game and routing the player's input to the game in play.
#pragma once

#include "core/Jeu.h"

namespace cogitelle {

// Board size and per-game parameters of (TypeJeu, NumeroTableau), and the texts that quote them;
// a game may draw here (the magic square draws ParamCarre), so it runs right after the seeding.
void ParametresPartie(Contexte& c);

void NouvellePartie(Contexte& c);
void TableauSuivant(Contexte& c);
void TableauPrecedent(Contexte& c);
void TableauAuHasard(Contexte& c);

void Deplacer(Contexte& c, int32_t x, int32_t y, bool auClavier);

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
void FormKeyDown(Contexte& c, Fleche touche);
void FormKeyPress(Contexte& c, char caractere);

// One tick of a timer (a Minuterie::Id) as a front end delivers it: a tick that was queued before
// its timer stopped does nothing, nor does a number that names no timer.
void TicMinuterie(Contexte& c, int32_t minuterie);
// The game timers' ticks, delivered to the game in play whether or not the timer runs.
void timerRefreshMemoireTimer(Contexte& c);
void timerLabTimer(Contexte& c);

} // namespace cogitelle
