// Ways to the end of a game for the tests that play one: the magic square a puzzle was scrambled
// from, and the maze's distances to its exit.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <utility>
#include <vector>

#include "games/Disposition.h"
#include "games/CarreMagique.h"
#include "session/SessionAutonome.h"
#include "support/Invariants.h"

namespace cogitelle::test {

// The place of each number in the magic square that puzzle `numero` was scrambled from, drawn
// again as the new game draws it.
inline std::map<int32_t, std::pair<int32_t, int32_t>> CarreDOrigine(int32_t numero)
{
    SessionAutonome aide;
    GameState& a = *aide.etat;
    a.TypeJeu = CarreMagique;
    a.NumeroTableau = numero;
    aide.hasard.Seed(PuzzleSeed(CarreMagique, numero, 0));
    ParametresPartie(aide.ctx);
    DisposerPlateau(aide.ctx);
    GenererCarreMagique(aide.ctx);
    std::map<int32_t, std::pair<int32_t, int32_t>> places;
    for (int32_t x = 1; x <= a.NbColonnes; ++x)
        for (int32_t y = 1; y <= a.NbLignes; ++y)
            places[a.Valeur[x][y]] = {x, y};
    return places;
}

// The steps from each cell (x, y), at [x * 16 + y], to the maze's exit along open passages; -1
// where there is no way.
inline std::vector<int32_t> DistancesALaSortie(const GameState& g)
{
    const int32_t n = g.NbColonnes;
    std::vector<int32_t> distance(256, -1);
    std::deque<std::pair<int32_t, int32_t>> file{{n, n}};
    distance[n * 16 + n] = 0;
    while (!file.empty()) {
        const auto [x, y] = file.front();
        file.pop_front();
        for (const auto& [vx, vy] : detail::VoisinsOuverts(g, x, y))
            if (distance[vx * 16 + vy] < 0) {
                distance[vx * 16 + vy] = distance[x * 16 + y] + 1;
                file.push_back({vx, vy});
            }
    }
    return distance;
}

} // namespace cogitelle::test
