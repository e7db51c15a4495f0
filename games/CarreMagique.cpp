// Placeholder until the magic square is built.
#include "games/CarreMagique.h"

namespace cogitelle {
void GenererCarreMagique(Contexte&) {}
void MelangerCarre(Contexte&, int32_t) {}
void CalculerEcarts(GameState&) {}
void InverserCarre(Contexte&, int32_t, int32_t, int32_t, int32_t) {}
} // namespace cogitelle
