// Ways to the end of a game for the tests that play one: the magic square a puzzle was scrambled
// from, and the maze's distances to its exit.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
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

// One press on the board: a cell pressed with the left or the right button, a wall clicked, or
// the glutton's step to a neighbour (dx, dy).
struct Coup {
    enum Sorte : uint8_t { Gauche, Droit, Mur, Pas } sorte = Gauche;
    TypeMur mur = TypeMur::Droit;
    int32_t x = 0, y = 0;   // the cell, or the cell at the wall's upper left; the step for Pas
};

// The presses that win the game in play, one at a time from its state: the maze walked to its exit,
// the magic square taken back to the square it was scrambled from (each number along its row to
// its column, then up it), any cell framed in green of the differences, the serpentine's numbers
// laid along the rows back and forth by right clicks, the memory game's groups one after another.
class Solveur {
public:
    explicit Solveur(const GameState& g) : g_(g)
    {
        if (g.TypeJeu == CarreMagique)
            origine_ = CarreDOrigine(g.NumeroTableau);
    }

    // None once the game is over, or when no press is left to make.
    std::optional<Coup> Suivant() const
    {
        const GameState& g = g_;
        if (g.PartieTerminee)
            return std::nullopt;
        const int32_t n = g.NbColonnes;
        switch (g.TypeJeu) {
        case Labyrinthe: {
            const std::vector<int32_t> distance = DistancesALaSortie(g);
            std::pair<int32_t, int32_t> cible{g.PosX, g.PosY};
            for (const auto& v : detail::VoisinsOuverts(g, g.PosX, g.PosY))
                if (distance[v.first * 16 + v.second] < distance[cible.first * 16 + cible.second])
                    cible = v;
            return Coup{Coup::Pas, TypeMur::Droit, cible.first - g.PosX, cible.second - g.PosY};
        }
        case CarreMagique:
            for (int32_t y = 1; y <= n; ++y)
                for (int32_t x = 1; x <= n; ++x) {
                    int32_t vx = 0, vy = 0;
                    for (const auto& [valeur, place] : origine_)
                        if (place == std::make_pair(x, y))
                            for (int32_t i = 1; i <= n; ++i)
                                for (int32_t j = 1; j <= n; ++j)
                                    if (g.Valeur[i][j] == valeur)
                                        vx = i, vy = j;
                    if (vx != x)
                        return Coup{Coup::Mur, TypeMur::Droit, vx < x ? vx : vx - 1, vy};
                    if (vy != y)
                        return Coup{Coup::Mur, TypeMur::Bas, x, vy - 1};
                }
            return std::nullopt;
        case Differences:
            for (int32_t x = 1; x <= n; ++x)
                for (int32_t y = 1; y <= n; ++y)
                    if (g.Etat[x][y] == 0)
                        return Coup{Coup::Gauche, TypeMur::Droit, x, y};
            return std::nullopt;
        case Serpentin:
            for (int32_t i = 0; i < n * n - 1; ++i) {
                const int32_t y = 1 + i / n, x = y % 2 ? 1 + i % n : n - i % n;
                if (!g.EstTrou[x][y] && g.Valeur[x][y] == i + 1)
                    continue;
                // The cell to fill becomes the hole; then its number moves in.
                if (!g.EstTrou[x][y])
                    return Coup{Coup::Droit, TypeMur::Droit, x, y};
                for (int32_t a = 1; a <= n; ++a)
                    for (int32_t b = 1; b <= n; ++b)
                        if (!g.EstTrou[a][b] && g.Valeur[a][b] == i + 1)
                            return Coup{Coup::Droit, TypeMur::Droit, a, b};
            }
            return std::nullopt;
        case Memoire: {
            // The smallest number still on the board: its next card face down.
            int32_t valeur = 0;
            for (int32_t x = 1; x <= n; ++x)
                for (int32_t y = 1; y <= n; ++y)
                    if (g.Etat[x][y] != -2 && g.Valeur[x][y] != 0 && (!valeur || g.Valeur[x][y] < valeur))
                        valeur = g.Valeur[x][y];
            for (int32_t x = 1; x <= n; ++x)
                for (int32_t y = 1; y <= n; ++y)
                    if (g.Valeur[x][y] == valeur && g.Etat[x][y] == 0)
                        return Coup{Coup::Gauche, TypeMur::Droit, x, y};
            return std::nullopt;
        }
        default: return std::nullopt;
        }
    }

private:
    const GameState& g_;
    std::map<int32_t, std::pair<int32_t, int32_t>> origine_;
};

} // namespace cogitelle::test
