// The score and the game timers.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

// Every game starts at this score; the score clock takes this much a second.
constexpr int32_t ScoreDeDepart = 5000;
constexpr int32_t CoutSeconde = 1;

// Starts or stops a timer of the model and tells the front end.
void ActiverMinuterie(Contexte& c, Minuterie& m, bool actif);
void IntervalleMinuterie(Contexte& c, Minuterie& m, int32_t intervalle);

void AfficherScore(Contexte& c);
// Score changes always go through here so the panel follows.
void ChangerScore(Contexte& c, int32_t delta);
void AfficherMeilleursScores(Contexte& c);
void ArreterMinuteries(Contexte& c);
// One tick of the score clock.
void timerScoreTimer(Contexte& c);

} // namespace cogitelle
