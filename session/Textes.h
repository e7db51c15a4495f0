// The titles and the goal, rules and score texts of the five games, and the language texts.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

void PreparerTextes(Contexte& c);
void AfficherInfo(Contexte& c, const std::string& texte);

} // namespace cogitelle
