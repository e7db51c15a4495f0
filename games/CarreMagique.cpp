// The magic square: generation, scrambling, the ring of differences and the player's swap.
#include "games/CarreMagique.h"

#include <algorithm>
#include <utility>

#include "core/Rendu.h"
#include "core/Score.h"

namespace cogitelle {

namespace {

// 0..n-1 in [1..n], shuffled by 5n exchanges of two distinct places.
void PermutationMelangee(PuzzleRandom& hasard, int32_t n, int32_t* p)
{
    PuzzleRandom r = hasard;   // in a register while p is written
    for (int32_t i = 1; i <= n; ++i)
        p[i] = i - 1;
    for (int32_t k = 0; k < 5 * n; ++k) {
        const int32_t s = r.Draw(n);
        int32_t t;
        do
            t = r.Draw(n);
        while (t == s);
        std::swap(p[s], p[t]);
    }
    hasard = r;
}

} // namespace

/*
 * With n prime (5, 7 or 11) and a != b both in 2..n-2, the map (i, j) -> (x, y) below is one to
 * one, and every row, column and both diagonals meet each value of i once and each value of j
 * once, so each line holds n * P1[i] + P2[j] + 1 for every i and every j: the magic sum.
 */
void GenererCarreMagique(Contexte& c)
{
    GameState& g = c.etat;
    const int32_t n = g.NbColonnes;
    const int32_t a = c.hasard.Draw(n - 3) + 1;
    int32_t b;
    do
        b = c.hasard.Draw(n - 3) + 1;
    while (b == a);
    int32_t p1[12], p2[12];
    PermutationMelangee(c.hasard, n, p1);
    PermutationMelangee(c.hasard, n, p2);
    for (int32_t i = 1; i <= n; ++i)
        for (int32_t j = 1; j <= n; ++j) {
            const int32_t x = ((i - 1) * a + (j - 1) * b) % n + 1;
            const int32_t y = (i + j - 2) % n + 1;
            g.Valeur[x][y] = n * p1[i] + p2[j] + 1;
        }
    CalculerEcarts(g);
}

void MelangerCarre(Contexte& c, int32_t nbInversions)
{
    GameState& g = c.etat;
    const int32_t n = g.NbColonnes;
    const int32_t nb = std::min(nbInversions, 2 * n - 3);
    bool touchee[12][12] = {};
    PuzzleRandom r = c.hasard;   // in a register while the board is written
    for (int32_t k = 0; k < nb; ++k) {
        // The first cell is always one no earlier swap touched, so no swap undoes another.
        int32_t x, y;
        do {
            x = r.Draw(n);
            y = r.Draw(n);
        } while (touchee[x][y]);
        // Direction 1 (right) is drawn but never taken: the swaps go down, left or up.
        int32_t vx, vy;
        for (;;) {
            const int32_t d = r.Draw(4);
            vx = x + (d == 3 ? -1 : 0);
            vy = y + (d == 2 ? 1 : d == 4 ? -1 : 0);
            if (d != 1 && vx >= 1 && vx <= n && vy >= 1 && vy <= n)
                break;
        }
        touchee[x][y] = true;
        touchee[vx][vy] = true;
        std::swap(g.Valeur[x][y], g.Valeur[vx][vy]);
    }
    c.hasard = r;
    CalculerEcarts(g);
}

void CalculerEcarts(GameState& g)
{
    const int32_t n = g.NbColonnes;
    const int32_t s = g.SommeMagique;
    for (int32_t x = 1; x <= n; ++x) {
        int32_t somme = 0;
        for (int32_t y = 1; y <= n; ++y)
            somme += g.Valeur[x][y];
        g.Valeur[x][n + 1] = g.Valeur[x][0] = somme - s;
    }
    for (int32_t y = 1; y <= n; ++y) {
        int32_t somme = 0;
        for (int32_t x = 1; x <= n; ++x)
            somme += g.Valeur[x][y];
        g.Valeur[n + 1][y] = g.Valeur[0][y] = somme - s;
    }
    int32_t diagonale = 0, antidiagonale = 0;
    for (int32_t i = 1; i <= n; ++i) {
        diagonale += g.Valeur[i][i];
        antidiagonale += g.Valeur[i][n + 1 - i];
    }
    g.Valeur[n + 1][n + 1] = g.Valeur[0][0] = diagonale - s;
    g.Valeur[n + 1][0] = g.Valeur[0][n + 1] = antidiagonale - s;
}

void InverserCarre(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    GameState& g = c.etat;
    // A wall at the edge of the square would pair a cell with the ring: not a swap.
    if (g.PartieTerminee || !DansLePlateau(g, x1, y1) || !DansLePlateau(g, x2, y2))
        return;
    ChangerScore(c, -10);
    std::swap(g.Valeur[x1][y1], g.Valeur[x2][y2]);
    Controle& a = c.controles.Cases[x1][y1];
    Controle& b = c.controles.Cases[x2][y2];
    const Couleur couleurA = a.couleur();
    a.SetCouleur(b.couleur());
    b.SetCouleur(couleurA);
    RafraichirAutour(c, x1, y1, x2, y2);
    FinDePartie(c);
}

} // namespace cogitelle
