// The maze glutton: generation of a perfect maze, the bonus numbers, the glutton's step and clock.
#include "games/Labyrinthe.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/Plateau.h"
#include "core/Rendu.h"
#include "core/Score.h"

namespace cogitelle {

namespace {

/*
 * The depth-first walk of ChercherChemin is the hot loop of a new maze game: puzzle 500 walks
 * some 770 000 steps while placing its numbers. Its draws belong to the puzzle, so the walk below
 * makes exactly the draws of the plain algorithm (one Draw(4) per forward step, none per step
 * back) but keeps per stack entry only the cell and the mask of the sides not yet tried, instead
 * of a copy of the cell's Passages record, and it reads a mask table built once per maze rather
 * than recomputing Passages for every search. Cells are indexed x * 16 + y.
 */
constexpr int32_t Largeur = 16;
using Masques = std::array<uint8_t, Largeur * Largeur>;

constexpr uint8_t Bit(int32_t d) { return static_cast<uint8_t>(1u << (d - 1)); }
constexpr int32_t Oppose(int32_t d) { return d <= 2 ? d + 2 : d - 2; }
constexpr int32_t DeltaDirection[5] = {0, Largeur, 1, -Largeur, -1};   // right, down, left, up

// The direction chosen for a drawn t in 1..4 and a mask of open sides: the first open side from
// t + 1 on, 5 read as 1.
struct TableDirections {
    uint8_t d[16][5] = {};
    constexpr TableDirections()
    {
        for (int32_t m = 1; m < 16; ++m)
            for (int32_t t = 1; t <= 4; ++t) {
                int32_t dir = t % 4 + 1;
                while (!(m & Bit(dir)))
                    dir = dir % 4 + 1;
                d[m][t] = static_cast<uint8_t>(dir);
            }
    }
};
constexpr TableDirections Directions;

Masques MasquesPassages(const GameState& g)
{
    Masques m{};
    const int32_t n = g.NbColonnes;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y) {
            const PassageLab& p = g.Passages[x][y];
            uint8_t bits = 0;
            for (int32_t d = 1; d <= 4; ++d)
                if (p.Ouvert[d])
                    bits |= Bit(d);
            m[x * Largeur + y] = bits;
        }
    return m;
}

// The walk from depart to cible; returns the number of cells of the path found, both ends
// included, and leaves the path in cases[0..result-1]. A walk that finds no way (impossible in a
// perfect maze) returns 0.
int32_t Marcher(PuzzleRandom& r, const Masques& ouvert, int32_t depart, int32_t cible, int32_t* cases)
{
    if (depart == cible) {
        cases[0] = depart;
        return 1;
    }
    uint8_t restants[197];
    int32_t haut = 0;
    cases[0] = depart;
    restants[0] = ouvert[depart];
    for (;;) {
        const uint8_t m = restants[haut];
        if (m == 0) {
            if (--haut < 0)
                return 0;
            continue;
        }
        const int32_t d = Directions.d[m][r.Draw(4)];
        restants[haut] = m & static_cast<uint8_t>(~Bit(d));
        const int32_t suivante = cases[haut] + DeltaDirection[d];
        ++haut;
        cases[haut] = suivante;
        restants[haut] = ouvert[suivante] & static_cast<uint8_t>(~Bit(Oppose(d)));
        if (suivante == cible)
            return haut + 1;
    }
}

void ConstruireMurs(GameState& g)
{
    const int32_t n = g.NbColonnes;
    int32_t i = 0;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n - 1; ++y)
            g.ListeMurs[++i] = MurLab{NumeroCase(g, x, y), NumeroCase(g, x, y + 1), 1, 1};
    for (int32_t y = 1; y <= n; ++y)
        for (int32_t x = 1; x <= n - 1; ++x)
            g.ListeMurs[++i] = MurLab{NumeroCase(g, x, y), NumeroCase(g, x + 1, y), 1, 0};
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y)
            g.CellulesLab[NumeroCase(g, x, y)] = CelluleLab{x, y, NumeroCase(g, x, y)};
}

void MelangerMurs(Contexte& c)
{
    GameState& g = c.E;
    const int32_t nb = g.NbMurs;
    for (int32_t k = 0; k < 5 * nb; ++k) {
        const int32_t a = c.R.Draw(nb);
        int32_t b;
        do
            b = c.R.Draw(nb);
        while (b == a);
        std::swap(g.ListeMurs[a], g.ListeMurs[b]);
    }
}

// Kruskal's method: a wall between two groups opens and the second group takes the first's label.
void OuvrirMurs(GameState& g)
{
    const int32_t nbCases = g.NbColonnes * g.NbLignes;
    for (int32_t i = 1; i <= g.NbMurs; ++i) {
        MurLab& mur = g.ListeMurs[i];
        const int32_t a = g.CellulesLab[mur.CaseA].Ensemble;
        const int32_t b = g.CellulesLab[mur.CaseB].Ensemble;
        if (a == b)
            continue;
        mur.Ferme = 0;
        for (int32_t k = 1; k <= nbCases; ++k)
            if (g.CellulesLab[k].Ensemble == b)
                g.CellulesLab[k].Ensemble = a;
    }
}

} // namespace

void CalculerPassages(GameState& g)
{
    const int32_t n = g.NbColonnes;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y)
            g.Passages[x][y] = PassageLab{x, y, 0, {}};
    for (int32_t i = 1; i <= g.NbMurs; ++i) {
        const MurLab& mur = g.ListeMurs[i];
        if (mur.Ferme)
            continue;
        PassageLab& a = g.Passages[(mur.CaseA - 1) / n + 1][(mur.CaseA - 1) % n + 1];
        PassageLab& b = g.Passages[(mur.CaseB - 1) / n + 1][(mur.CaseB - 1) % n + 1];
        const int32_t da = mur.VersLeBas ? 2 : 1;
        a.Ouvert[da] = 1;
        b.Ouvert[Oppose(da)] = 1;
        ++a.NbOuvertures;
        ++b.NbOuvertures;
    }
}

int32_t ChercherChemin(Contexte& c, int32_t xDepart, int32_t yDepart, int32_t xCible, int32_t yCible, bool garder)
{
    GameState& g = c.E;
    CalculerPassages(g);
    const Masques ouvert = MasquesPassages(g);
    int32_t cases[197];
    const int32_t longueur = Marcher(c.R, ouvert, xDepart * Largeur + yDepart, xCible * Largeur + yCible, cases);
    if (garder)
        for (int32_t i = 0; i < longueur; ++i)
            g.Chemin[i + 1] = PosCase{cases[i] / Largeur, cases[i] % Largeur};
    return longueur;
}

void GenererLabyrinthe(Contexte& c)
{
    GameState& g = c.E;
    const int32_t n = g.NbColonnes;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y) {
            g.CaseGarnie[x][y] = 0;
            g.Valeur[x][y] = 0;
        }
    // Only paths that are neither too short nor too long are kept; each retry continues the
    // puzzle's sequence, so the accepted maze is still fixed by the seed.
    const int32_t plusLong = Arrondi((n + n) * 1.8);
    int32_t longueur;
    do {
        ConstruireMurs(g);
        MelangerMurs(c);
        OuvrirMurs(g);
        longueur = ChercherChemin(c, 1, 1, n, n, true);
    } while (!(3 * n < longueur && longueur < plusLong));
    g.LongueurChemin = longueur;
    g.ArriveeX = n;
    g.ArriveeY = n;
}

void PlacerNombres(Contexte& c, int32_t maxPlaces)
{
    GameState& g = c.E;
    const int32_t n = g.NbColonnes;
    const int32_t L = g.LongueurChemin;
    const int32_t K = g.ParamLab1;
    const int32_t K2 = g.ParamLab2;

    // The exit's counter starts full: no number ever belongs to it.
    int32_t compteur[197] = {};
    compteur[L] = K;
    bool occupee[15][15] = {};
    int32_t libres = n * n;
    for (int32_t i = 1; i <= L; ++i) {
        const PosCase& p = g.Chemin[i];
        if (!occupee[p.x][p.y]) {
            occupee[p.x][p.y] = true;
            --libres;
        }
    }

    CalculerPassages(g);
    const Masques ouvert = MasquesPassages(g);
    int32_t depart[197];
    for (int32_t i = 1; i <= L; ++i)
        depart[i] = g.Chemin[i].x * Largeur + g.Chemin[i].y;
    int32_t pile[197];
    int32_t places = 0;
    for (;;) {
        bool plein = true;
        for (int32_t i = 1; i <= L - 1 && plein; ++i)
            plein = compteur[i] >= K;
        if (plein || libres == 0)
            return;

        int32_t x, y;
        do {
            x = c.R.Draw(n);
            y = c.R.Draw(n);
        } while (occupee[x][y]);
        // A rejected cell stays taken: it is never drawn again.
        occupee[x][y] = true;
        --libres;

        // The nearest path cell: the first of the closest ones.
        int32_t meilleur = 0, dist = 50000;
        const int32_t cible = x * Largeur + y;
        for (int32_t i = 1; i <= L; ++i) {
            const int32_t d = Marcher(c.R, ouvert, depart[i], cible, pile);
            if (d < dist) {
                dist = d;
                meilleur = i;
            }
        }
        if (compteur[meilleur] == K || dist <= K2)
            continue;
        ++compteur[meilleur];
        ++places;
        g.CaseGarnie[x][y] = 1;
        g.Valeur[x][y] = c.R.Draw(Arrondi(8.0 * (dist - 1) / K)) + 1;
        if (places == maxPlaces)
            return;
    }
}

void EntrerCase(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.E;
    g.CaseGarnie[x][y] = 0;
    g.CompteurGlouton += g.Valeur[x][y] - 1;
    g.Valeur[x][y] = g.CompteurGlouton;
    g.Valeur[g.PosX][g.PosY] = 0;
    for (int32_t i = 1; i <= g.NbColonnes; ++i)
        for (int32_t j = 1; j <= g.NbLignes; ++j)
            g.Etat[i][j] = -1;
    AfficherCases(c, g.PosX - 1, g.PosY - 1, g.PosX + 1, g.PosY + 1);

    g.PosX = x;
    g.PosY = y;
    g.Etat[x][y] = 1;
    const PassageLab& p = g.Passages[x][y];
    for (int32_t d = 1; d <= 4; ++d)
        if (p.Ouvert[d]) {
            const int32_t vx = x + (d == 1) - (d == 3);
            const int32_t vy = y + (d == 2) - (d == 4);
            if (DansLePlateau(g, vx, vy))
                g.Etat[vx][vy] = 0;
        }
    AfficherCases(c, x - 1, y - 1, x + 1, y + 1);
}

void timerLabTimer(Contexte& c)
{
    GameState& g = c.E;
    // A tick that arrives once the game is over would end it a second time.
    if (g.TypeJeu != Labyrinthe || g.PartieTerminee)
        return;
    g.CompteurGlouton -= 1;
    g.Valeur[g.PosX][g.PosY] = g.CompteurGlouton;
    AfficherCases(c, g.PosX, g.PosY, g.PosX, g.PosY);
    FinDePartie(c);
}

} // namespace cogitelle
