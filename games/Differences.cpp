// Placeholder until the differences game is built.
#include "games/Differences.h"

namespace cogitelle {
bool CaseLibre(const GameState&, int32_t, int32_t) { return false; }
bool EcartPermis(const GameState&, int32_t, int32_t, int32_t, int32_t) { return false; }
void CompterCoups(GameState&, int32_t, int32_t) {}
void MarquerAccessibles(GameState&, int32_t, int32_t) {}
bool PreparerDifferences(Contexte&) { return true; }
void ReparerPlateau(GameState&) {}
void PlacerTrous(Contexte&) {}
void PrendreCase(Contexte&, int32_t, int32_t) {}
void InverserDifferences(Contexte&, int32_t, int32_t, int32_t, int32_t) {}
void InverserCoinDifferences(Contexte&, int32_t, int32_t) {}
void RafraichirDifferences(GameState&, int32_t, int32_t, int32_t, int32_t) {}
} // namespace cogitelle
