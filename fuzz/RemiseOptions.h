// Puts back the fields the options are read into, as a fresh game state has them, so that a
// harness reusing one session starts every input from the same options.
#pragma once

#include "core/GameState.h"

namespace cogitelle::fuzz {

inline void RemettreOptions(GameState& g, const GameState& vierge)
{
    g.Verif = vierge.Verif;
    g.CouleurFondEcran = vierge.CouleurFondEcran;
    g.CouleurTableauDeJeu = vierge.CouleurTableauDeJeu;
    g.NumeroTableauChoisi = vierge.NumeroTableauChoisi;
    g.TypeJeuChoisi = vierge.TypeJeuChoisi;
    g.NomJoueur = vierge.NomJoueur;
}

} // namespace cogitelle::fuzz
