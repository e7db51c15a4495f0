// The one map from a game type to its game's table.
#pragma once

#include "core/Jeu.h"

namespace cogitelle {

// The table of game type 1..NbTypesJeu; nullptr for no game (0) or any other number.
const Jeu* JeuDe(TTypeJeu type);

} // namespace cogitelle
