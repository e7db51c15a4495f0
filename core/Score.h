// The score, the game timers and the end of a game.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

// Starts or stops a timer of the model and tells the front end.
void ActiverMinuterie(Contexte& c, Minuterie& m, bool actif);
void IntervalleMinuterie(Contexte& c, Minuterie& m, int32_t intervalle);

void AfficherScore(Contexte& c);
// Score changes always go through here so the panel follows.
void ChangerScore(Contexte& c, int32_t delta);
void AfficherMeilleursScores(Contexte& c);
void ArreterMinuteries(Contexte& c);
void FinDePartie(Contexte& c);
// One tick of the score clock.
void timerScoreTimer(Contexte& c);

} // namespace cogitelle
