// The maze glutton: generation of a perfect maze, the bonus numbers, the glutton's step and clock.
#include "games/Labyrinthe.h"

#include <algorithm>
#include <utility>

#include "core/Plateau.h"
#include "core/Rendu.h"
#include "core/Score.h"

namespace cogitelle {

namespace {

/*
 * The depth-first walk of ChercherChemin is the hot loop of a new maze game: puzzle 500 makes some
 * 770 000 draws in it while placing its numbers, and every one of them belongs to the puzzle.
 *
 * The maze is a tree, so the walk from a cell u towards the target meets, at each cell of the one
 * path between them, a random order of the sides not yet tried. A side that leads away from the
 * target opens a branch of s cells that the walk explores completely before coming back to u:
 * one Draw(4) for the step into the branch, then one draw for each of its other s - 1 cells
 * entered, none for the steps back, whatever the values drawn. So the walk below draws at the
 * cells of the path as the plain walk does and advances the generator over each explored branch
 * by its s - 1 draws at once. The sequence, the count of draws and the path found are the plain
 * walk's; the work is proportional to the path instead of the cells visited.
 *
 * Cells are indexed x * 16 + y. The size of the branch behind each side of each cell comes from
 * the subtree sizes of the tree rooted at (1, 1), computed once per maze; the side of each cell
 * that leads towards a target, from one pass over the tree from that target.
 */
constexpr int32_t Largeur = 16;
constexpr int32_t NbIndices = Largeur * Largeur;

constexpr uint8_t Bit(int32_t d) { return static_cast<uint8_t>(1u << (d - 1)); }
constexpr int32_t Oppose(int32_t d) { return d <= 2 ? d + 2 : d - 2; }
constexpr int32_t DeltaDirection[5] = {0, Largeur, 1, -Largeur, -1};   // right, down, left, up

// The direction taken for a drawn t in 1..4 and a mask of untried open sides: the first open
// side from t + 1 on, 5 read as 1.
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

struct Arbre {
    uint8_t ouvert[NbIndices] = {};          // open sides of each cell
    uint8_t versParent[NbIndices] = {};      // the side towards (1, 1); 0 at the root
    int16_t branche[NbIndices][5] = {};      // cells beyond each open side
};

void ConstruireArbre(const GameState& g, Arbre& a)
{
    const int32_t n = g.NbColonnes;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y) {
            const PassageLab& p = g.Passages[x][y];
            uint8_t bits = 0;
            for (int32_t d = 1; d <= 4; ++d)
                if (p.Ouvert[d])
                    bits |= Bit(d);
            a.ouvert[x * Largeur + y] = bits;
        }
    // Iterative depth-first numbering of each group of joined cells, from its first cell ((1, 1)
    // in a finished maze, which is one group); taille counts each subtree.
    int16_t taille[NbIndices] = {};
    int16_t groupe[NbIndices] = {};
    int32_t ordre[NbIndices];
    bool numerotee[NbIndices] = {};
    int32_t pile[NbIndices];
    uint8_t aFaire[NbIndices];
    int32_t horloge = 0;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y) {
            const int32_t racine = x * Largeur + y;
            if (numerotee[racine])
                continue;
            const int32_t debut = horloge;
            int32_t haut = 0;
            pile[0] = racine;
            aFaire[0] = a.ouvert[racine];
            numerotee[racine] = true;
            a.versParent[racine] = 0;
            ordre[horloge++] = racine;
            while (haut >= 0) {
                const int32_t u = pile[haut];
                if (aFaire[haut] == 0) {
                    taille[u] = static_cast<int16_t>(taille[u] + 1);
                    if (--haut >= 0)
                        taille[pile[haut]] = static_cast<int16_t>(taille[pile[haut]] + taille[u]);
                    continue;
                }
                int32_t d = 1;
                while (!(aFaire[haut] & Bit(d)))
                    ++d;
                aFaire[haut] = static_cast<uint8_t>(aFaire[haut] & ~Bit(d));
                const int32_t v = u + DeltaDirection[d];
                numerotee[v] = true;
                a.versParent[v] = static_cast<uint8_t>(Oppose(d));
                ordre[horloge++] = v;
                ++haut;
                pile[haut] = v;
                aFaire[haut] = static_cast<uint8_t>(a.ouvert[v] & ~Bit(Oppose(d)));
            }
            for (int32_t t = debut; t < horloge; ++t)
                groupe[ordre[t]] = taille[racine];
        }
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y) {
            const int32_t u = x * Largeur + y;
            for (int32_t d = 1; d <= 4; ++d)
                if (a.ouvert[u] & Bit(d))
                    a.branche[u][d] = static_cast<int16_t>(
                        d == a.versParent[u] ? groupe[u] - taille[u] : taille[u + DeltaDirection[d]]);
        }
}

// For every cell, the side that leads towards cible; 0 at cible and in the cells no open side
// joins to it.
void DirectionsVers(const Arbre& a, int32_t cible, uint8_t* vers)
{
    std::fill(vers, vers + NbIndices, uint8_t{0});
    int32_t pile[NbIndices];
    int32_t haut = 0;
    pile[0] = cible;
    while (haut >= 0) {
        const int32_t u = pile[haut--];
        for (int32_t d = 1; d <= 4; ++d)
            if ((a.ouvert[u] & Bit(d)) && d != vers[u]) {
                const int32_t v = u + DeltaDirection[d];
                vers[v] = static_cast<uint8_t>(Oppose(d));
                pile[++haut] = v;
            }
    }
}

// The walk from depart to cible, vers being DirectionsVers of cible; returns the number of cells
// of the path, both ends included, and, when chemin is given, leaves the path's cells in
// chemin[0..result-1]. A target that no open side leads to gives 0, without a draw.
int32_t Marcher(PuzzleRandom& r, const Arbre& a, const uint8_t* vers, int32_t depart, int32_t cible, int32_t* chemin)
{
    if (chemin)
        chemin[0] = depart;
    if (depart == cible)
        return 1;
    if (vers[depart] == 0)
        return 0;
    int32_t u = depart;
    int32_t longueur = 1;
    uint8_t restants = a.ouvert[u];
    for (;;) {
        // The side towards the target is still untried here: the side already used leads back.
        const int32_t versCible = vers[u];
        int32_t d;
        for (;;) {
            d = Directions.d[restants][r.Draw(4)];
            restants = static_cast<uint8_t>(restants & ~Bit(d));
            if (d == versCible)
                break;
            r.Avancer(static_cast<uint32_t>(a.branche[u][d] - 1));
        }
        u += DeltaDirection[d];
        if (chemin)
            chemin[longueur] = u;
        ++longueur;
        if (u == cible)
            return longueur;
        restants = static_cast<uint8_t>(a.ouvert[u] & ~Bit(Oppose(d)));
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

/*
 * Kruskal's method: a wall between two groups opens, and every cell of the second group takes the
 * first group's label. The groups are kept in a union-find forest whose roots carry the labels,
 * which opens the same walls as relabelling every cell at each opening; the labels are written
 * back into CellulesLab at the end, as the relabelling would have left them.
 */
void OuvrirMurs(GameState& g)
{
    const int32_t nbCases = g.NbColonnes * g.NbLignes;
    int16_t parent[197], etiquette[197], taille[197];
    for (int32_t k = 1; k <= nbCases; ++k) {
        parent[k] = static_cast<int16_t>(k);
        etiquette[k] = static_cast<int16_t>(g.CellulesLab[k].Ensemble);
        taille[k] = 1;
    }
    const auto racine = [&](int32_t k) {
        while (parent[k] != k) {
            parent[k] = parent[parent[k]];
            k = parent[k];
        }
        return k;
    };
    for (int32_t i = 1; i <= g.NbMurs; ++i) {
        MurLab& mur = g.ListeMurs[i];
        const int32_t a = racine(mur.CaseA);
        const int32_t b = racine(mur.CaseB);
        if (a == b)
            continue;
        mur.Ferme = 0;
        const int16_t garde = etiquette[a];
        const int32_t haut = taille[a] >= taille[b] ? a : b;
        const int32_t bas = haut == a ? b : a;
        parent[bas] = static_cast<int16_t>(haut);
        taille[haut] = static_cast<int16_t>(taille[haut] + taille[bas]);
        etiquette[haut] = garde;
    }
    for (int32_t k = 1; k <= nbCases; ++k)
        g.CellulesLab[k].Ensemble = etiquette[racine(k)];
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
    Arbre arbre;
    ConstruireArbre(g, arbre);
    const int32_t cible = xCible * Largeur + yCible;
    uint8_t vers[NbIndices];
    DirectionsVers(arbre, cible, vers);
    int32_t cases[197];
    const int32_t longueur = Marcher(c.R, arbre, vers, xDepart * Largeur + yDepart, cible, cases);
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
    Arbre arbre;
    ConstruireArbre(g, arbre);
    uint8_t vers[NbIndices];
    int32_t depart[197];
    for (int32_t i = 1; i <= L; ++i)
        depart[i] = g.Chemin[i].x * Largeur + g.Chemin[i].y;
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
        DirectionsVers(arbre, cible, vers);
        for (int32_t i = 1; i <= L; ++i) {
            const int32_t d = Marcher(c.R, arbre, vers, depart[i], cible, nullptr);
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
