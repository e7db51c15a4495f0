// The numeric serpentine: a sliding puzzle won by forming a long run of consecutive numbers
// through neighbouring cells.
#include "games/Serpentin.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>

#include "core/Score.h"
#include "games/Impression.h"
#include "games/Rendu.h"

namespace cogitelle {

namespace {

// One component of a drifting colour moves by 6..10, pushed back towards the middle near the
// edges of 180..220.
void Deriver(PuzzleRandom& r, int32_t& composante)
{
    if (composante >= 180 && composante <= 189)
        composante += r.Draw(5) + 5;
    else if (composante >= 211 && composante <= 220)
        composante -= r.Draw(5) + 5;
    else if (r.Draw(100) < 50)
        composante += r.Draw(5) + 5;
    else
        composante -= r.Draw(5) + 5;
}

// Moves the number and the panel colour of (xs, ys) into (xd, yd).
void Glisser(Contexte& c, int32_t xs, int32_t ys, int32_t xd, int32_t yd)
{
    c.etat.Valeur[xd][yd] = c.etat.Valeur[xs][ys];
    c.controles.Cases[xd][yd].SetCouleur(c.controles.Cases[xs][ys].couleur());
}

void DeplacerTrou(GameState& g, int32_t x, int32_t y)
{
    g.EstTrou[g.TrouPrincipalX][g.TrouPrincipalY] = false;
    g.TrouPrincipalX = x;
    g.TrouPrincipalY = y;
    g.EstTrou[x][y] = true;
}

int32_t Signe(int32_t v) { return v < 0 ? -1 : 1; }

} // namespace

void GenererSerpentin(Contexte& c)
{
    GameState& g = c.etat;
    // A local copy of the generator stays in a register while the board is written.
    PuzzleRandom r = c.hasard;
    const int32_t n = g.NbColonnes;
    const int32_t longueurMarche = (n + n) * 500;

    // The numbers in reading order, each with a colour a small step away from the previous one.
    // The board is kept in flat local arrays during the walk, cell (x, y) at x * 16 + y.
    constexpr int32_t L = 16;
    int32_t valeurs[L * L] = {};
    Couleur couleurs[L * L] = {};
    int32_t rgb[3];
    for (int32_t& composante : rgb)
        composante = r.Draw(40) + 180;
    int32_t k = 0;
    for (int32_t y = 1; y <= n; ++y)
        for (int32_t x = 1; x <= n; ++x) {
            if (x == n && y == n)
                continue;
            valeurs[x * L + y] = ++k;
            Deriver(r, rgb[r.Draw(3) - 1]);
            couleurs[x * L + y] = RGB(rgb[0], rgb[1], rgb[2]);
        }

    // A random walk of the hole; a step off the board is drawn again and not counted. The walk
    // makes thousands of steps whose directions cannot be predicted, and on a small board the hole
    // is at an edge most of the time: a step is made without a branch, from a table of the hole's
    // next cell for each cell and direction (the cell itself where the step would leave the
    // board, which then moves nothing and does not count).
    uint8_t suivante[L * L][4];
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y) {
            static constexpr int32_t DX[4] = {1, 0, -1, 0};   // Draw(4) = 1 right, 2 down, 3 left, 4 up
            static constexpr int32_t DY[4] = {0, 1, 0, -1};
            for (int32_t d = 0; d < 4; ++d) {
                const int32_t cx = x + DX[d], cy = y + DY[d];
                const bool dedans = cx >= 1 && cx <= n && cy >= 1 && cy <= n;
                suivante[x * L + y][d] = static_cast<uint8_t>(dedans ? cx * L + cy : x * L + y);
            }
        }
    int32_t trou = n * L + n;
    for (int32_t pas = 0; pas < longueurMarche;) {
        const int32_t cible = suivante[trou][r.Draw(4) - 1];
        valeurs[trou] = valeurs[cible];
        couleurs[trou] = couleurs[cible];
        pas += static_cast<int32_t>(cible != trou);
        trou = cible;
    }
    const int32_t hx = trou / L, hy = trou % L;
    c.hasard = r;

    for (auto& colonne : g.EstTrou)
        std::fill(std::begin(colonne), std::end(colonne), false);
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y) {
            g.Etat[x][y] = 0;
            // The hole too: it keeps a copy of the last number moved out of it.
            g.Valeur[x][y] = valeurs[x * L + y];
        }
    g.EstTrou[hx][hy] = true;
    g.Etat[hx][hy] = -2;
    g.TrouPrincipalX = hx;
    g.TrouPrincipalY = hy;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y)
            if (!(x == hx && y == hy))
                c.controles.Cases[x][y].SetCouleur(couleurs[x * L + y]);
}

bool SerpentinForme(const GameState& g)
{
    const int32_t n = g.NbColonnes;
    const int32_t dernier = n * n - 1;
    if (dernier < 1)
        return false;
    int32_t meilleur = 1;
    int32_t k = 1;
    // Each maximal run is followed once: a run that breaks at k is followed by the run from k.
    do {
        int32_t x = 0, y = 0;
        for (int32_t j = 1; j <= n && x == 0; ++j)
            for (int32_t i = 1; i <= n; ++i)
                if (!g.EstTrou[i][j] && g.Valeur[i][j] == k) {
                    x = i;
                    y = j;
                    break;
                }
        if (x == 0)
            return false;   // not a serpentine board
        int32_t longueur = 1;
        bool trouve;
        do {
            ++k;
            trouve = false;
            for (int32_t d = 1; d <= 8; ++d) {
                const int32_t vx = x + g.Voisins.VoisinDX[d];
                const int32_t vy = y + g.Voisins.VoisinDY[d];
                if (DansLePlateau(g, vx, vy) && !g.EstTrou[vx][vy] && g.Valeur[vx][vy] == k) {
                    trouve = true;
                    ++longueur;
                    x = vx;
                    y = vy;
                }
            }
        } while (k != dernier && trouve);
        meilleur = std::max(meilleur, longueur);
    } while (k != dernier && meilleur < g.LongueurSerpentin);
    return meilleur >= g.LongueurSerpentin;
}

namespace {

// A click on a line through the main hole slides the cells between towards it; a click on a
// diagonal through the hole, or on the hole, is paid.
Suite DeplacerSerpentin(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.etat;
    const int32_t hx = g.TrouPrincipalX;
    const int32_t hy = g.TrouPrincipalY;
    if (std::abs(hx - x) == std::abs(hy - y)) {
        // On a diagonal through the hole, or the hole itself: paid.
        ChangerScore(c, -CoutClicSerpentin);
        if (x != hx) {
            const int32_t sx = Signe(x - hx);
            const int32_t sy = Signe(y - hy);
            const int32_t m = std::abs(x - hx);
            for (int32_t i = 1; i <= m; ++i)
                Glisser(c, hx + i * sx, hy + i * sy, hx + (i - 1) * sx, hy + (i - 1) * sy);
            DeplacerTrou(g, x, y);
            RafraichirAutour(c, hx, hy, x, y);
        }
        return Suite::TesterFin;
    }
    if (y == hy) {
        if (x < hx)
            for (int32_t i = hx - 1; i >= x; --i)
                Glisser(c, i, y, i + 1, y);
        else
            for (int32_t i = hx + 1; i <= x; ++i)
                Glisser(c, i, y, i - 1, y);
    } else if (x == hx) {
        if (y < hy)
            for (int32_t j = hy - 1; j >= y; --j)
                Glisser(c, x, j, x, j + 1);
        else
            for (int32_t j = hy + 1; j <= y; ++j)
                Glisser(c, x, j, x, j - 1);
    } else {
        return Suite::Rien;   // on no line through the hole
    }
    DeplacerTrou(g, x, y);
    RafraichirAutour(c, hx, hy, x, y);
    return Suite::TesterFin;
}

// The right button moves the cell clicked into the main hole, wherever it is.
Suite ClicDroitSerpentin(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.etat;
    if (g.PartieTerminee)
        return Suite::Rien;
    ChangerScore(c, -CoutGlissementSerpentin);
    const int32_t hx = g.TrouPrincipalX;
    const int32_t hy = g.TrouPrincipalY;
    Glisser(c, x, y, hx, hy);
    DeplacerTrou(g, x, y);
    RafraichirAutour(c, x, y, x, y);
    RafraichirAutour(c, hx, hy, hx, hy);
    return Suite::TesterFin;
}

void DessinerSerpentin(Contexte& c, int32_t x, int32_t y)
{
    const GameState& g = c.etat;
    Controles& k = c.controles;
    Controle& cell = k.Cases[x][y];
    if (x == g.TrouPrincipalX && y == g.TrouPrincipalY) {
        cell.SetVisible(false);
    } else {
        cell.SetCaption(EnDecimal(g.Valeur[x][y]));
        cell.SetVisible(true);
    }
    k.CadresCases[x][y].SetVisible(false);
    k.CadresInterieurs[x][y].SetVisible(false);
}

std::string CelluleSerpentin(const GameState& g, int x, int y)
{
    if (x == g.TrouPrincipalX && y == g.TrouPrincipalY)
        return "()";
    return std::to_string(g.Valeur[x][y]);
}

// Cells side by side, clicked with either button.
constexpr DispositionJeu DispositionSerpentin{
    .curseurCases = Curseur::Main,
    .cases = {50, 200},
};

class JeuSerpentin final : public Jeu {
public:
    constexpr JeuSerpentin() : Jeu(DispositionSerpentin, "serpentin", "LE SERPENTIN NUMERIQUE") {}

    int32_t Taille(int32_t n) const override { return std::min(n / 30 + 3, 8); }

    void Parametres(Contexte& c) const override
    {
        GameState& g = c.etat;
        const int32_t n = g.NbColonnes;
        g.LongueurSerpentin = std::min(g.NumeroTableau / 100 + 2 * n, 2 * n + 5);
    }

    void Construire(Contexte& c) const override
    {
        GameState& g = c.etat;
        // No puzzle starts solved: the generator goes on drawing until it is not.
        do
            GenererSerpentin(c);
        while (SerpentinForme(g));
        // The redraws set the caption of every cell but the main hole, which keeps its number too.
        const int32_t hx = g.TrouPrincipalX, hy = g.TrouPrincipalY;
        c.controles.Cases[hx][hy].SetCaption(EnDecimal(g.Valeur[hx][hy]));
        MontrerCasesEtCadres(c);
    }

    void DessinerCase(Contexte& c, int32_t x, int32_t y) const override { DessinerSerpentin(c, x, y); }

    Suite Deplacer(Contexte& c, int32_t x, int32_t y) const override { return DeplacerSerpentin(c, x, y); }

    Suite Presser(Contexte& c, int32_t x, int32_t y, BoutonSouris bouton, uint32_t etat) const override
    {
        if (ClicGauche(bouton, etat))
            return Deplacer(c, x, y);
        if (bouton == BoutonSouris::Droit && etat == ssRight)
            return ClicDroitSerpentin(c, x, y);
        return Suite::Rien;
    }

    TexteCase DireCase(const GameState& g, int32_t x, int32_t y) const override
    {
        return {g.EstTrou[x][y] ? std::string("trou") : std::to_string(g.Valeur[x][y]), ""};
    }

    IssuePartie Fin(const GameState& g) const override { return SerpentinForme(g) ? IssuePartie::Reussie : IssuePartie::EnCours; }

    void EcrireJson(std::ostream& o, const GameState& g) const override
    {
        o << ",\"hole\":[" << g.TrouPrincipalX << ',' << g.TrouPrincipalY << "],\"target\":" << g.LongueurSerpentin;
    }

    void EcrireTexte(std::ostream& o, const GameState& g) const override
    {
        o << ", run of " << g.LongueurSerpentin << " consecutive numbers to form, main hole (" << g.TrouPrincipalX
          << ", " << g.TrouPrincipalY << ")\n\n";
        TexteGrille(o, g, 1, g.NbColonnes, CelluleSerpentin);
        o << "() main hole\n";
    }
};

constexpr JeuSerpentin Table;

} // namespace

const Jeu& TableSerpentin = Table;

} // namespace cogitelle
