// Differences: a walk over numbered cells to neighbours differing by at most 5.
#pragma once

#include "core/Jeu.h"

namespace cogitelle {

extern const Jeu& TableDifferences;

// The largest difference a step may cross; what a step earns (less the difference crossed), and
// what an exchange costs.
constexpr int32_t EcartMaxDifferences = 5;
constexpr int32_t GainPasDifferences = 10;
constexpr int32_t CoutInversionDifferences = 5;

bool CaseLibre(const GameState& g, int32_t x, int32_t y);
bool EcartPermis(const GameState& g, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void CompterCoups(GameState& g, int32_t x, int32_t y);
void MarquerAccessibles(GameState& g, int32_t x, int32_t y);
// Numbers, starting cell and check, before the layout; false when the board is rejected.
bool PreparerDifferences(Contexte& c);
void ReparerPlateau(GameState& g);
// Holes, after the layout.
void PlacerTrous(Contexte& c);

} // namespace cogitelle
