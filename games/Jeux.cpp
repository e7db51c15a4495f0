#include "games/Jeux.h"

#include "games/CarreMagique.h"
#include "games/Differences.h"
#include "games/Labyrinthe.h"
#include "games/Memoire.h"
#include "games/Serpentin.h"

namespace cogitelle {

// A switch rather than an array of the tables: such an array would be filled at start-up, and the
// start-up code of another file could read it before.
const Jeu* JeuDe(TTypeJeu type)
{
    switch (type) {
    case Labyrinthe: return &TableLabyrinthe;
    case CarreMagique: return &TableCarreMagique;
    case Differences: return &TableDifferences;
    case Serpentin: return &TableSerpentin;
    case Memoire: return &TableMemoire;
    default: return nullptr;
    }
}

} // namespace cogitelle
