// The maze glutton: a perfect maze walked from the top-left cell to the exit, eating bonuses.
#pragma once

#include "core/Jeu.h"

namespace cogitelle {

extern const Jeu& TableLabyrinthe;

// What a step costs, and the glutton's energy at the start.
constexpr int32_t CoutPasLabyrinthe = 1;
constexpr int32_t EnergieDepart = 50;

inline int32_t NumeroCase(const GameState& g, int32_t x, int32_t y) { return (x - 1) * g.NbColonnes + y; }

void GenererLabyrinthe(Contexte& c);
void CalculerPassages(GameState& g);
int32_t ChercherChemin(Contexte& c, int32_t xDepart, int32_t yDepart, int32_t xCible, int32_t yCible, bool garder);
void PlacerNombres(Contexte& c, int32_t maxPlaces);
void EntrerCase(Contexte& c, int32_t x, int32_t y);

} // namespace cogitelle
