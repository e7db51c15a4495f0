// The player's options: colours, last game and puzzle, name, kept in the settings store.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

constexpr Couleur CouleurFondParDefaut = 4194304;   // #000040

void ChargerOptions(Contexte& c);
void SauverOptions(Contexte& c);
void OptionsParDefaut(Contexte& c);
void AppliquerOptions(Contexte& c);
bool OptionsValides(const GameState& g);

} // namespace cogitelle
