// The magic square: generation, scrambling, the ring of differences and the player's swap.
#include "games/CarreMagique.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>

#include "core/Score.h"
#include "games/Rendu.h"

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

namespace {

// A paid swap of (x1, y1) with its neighbour (x2, y2), the cells' colours with their numbers.
Suite InverserCarre(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    GameState& g = c.etat;
    // A wall at the edge of the square would pair a cell with the ring: not a swap.
    if (g.PartieTerminee || !DansLePlateau(g, x1, y1) || !DansLePlateau(g, x2, y2))
        return Suite::Rien;
    ChangerScore(c, -CoutInversionCarre);
    std::swap(g.Valeur[x1][y1], g.Valeur[x2][y2]);
    Controle& a = c.controles.Cases[x1][y1];
    Controle& b = c.controles.Cases[x2][y2];
    const Couleur couleurA = a.couleur();
    a.SetCouleur(b.couleur());
    b.SetCouleur(couleurA);
    RafraichirAutour(c, x1, y1, x2, y2);
    return Suite::TesterFin;
}

void DessinerCarre(Contexte& c, int32_t x, int32_t y)
{
    const GameState& g = c.etat;
    Controles& k = c.controles;
    const int32_t n = g.NbColonnes;
    Controle& cell = k.Cases[x][y];
    const int32_t v = g.Valeur[x][y];
    const bool anneau = x == 0 || y == 0 || x == n + 1 || y == n + 1;
    if (anneau) {
        if (v < 1) {
            cell.SetCaption(EnDecimal(v));
            cell.SetCouleurPolice(couleurs::RougeVif);
        } else {
            cell.SetCaption(EnDecimal(v, '+'));
            cell.SetCouleurPolice(couleurs::VertFonce);
        }
        const bool coin = (x == 0 || x == n + 1) && (y == 0 || y == n + 1);
        if (coin && !g.AvecDiagonales)
            return;
    } else {
        cell.SetCaption(EnDecimal(v));
    }
    if (x >= 1 && x <= n - 1 && y >= 1 && y <= n)
        k.MursDroits[x][y].SetVisible(true);
    if (y >= 1 && y <= n - 1 && x >= 1 && x <= n)
        k.MursBas[x][y].SetVisible(true);
    cell.SetVisible(v != 0);
}

std::string CelluleCarre(const GameState& g, int x, int y)
{
    const int n = g.NbColonnes;
    const bool anneau = x == 0 || y == 0 || x == n + 1 || y == n + 1;
    const bool coin = (x == 0 || x == n + 1) && (y == 0 || y == n + 1);
    if (!anneau)
        return std::to_string(g.Valeur[x][y]);
    if ((coin && !g.AvecDiagonales) || g.Valeur[x][y] == 0)
        return "";
    return (g.Valeur[x][y] > 0 ? "+" : "") + std::to_string(g.Valeur[x][y]);
}

// The square inside its ring for a person, the ring set apart by rules; the lines still to mend
// are listed.
void TexteCarre(std::ostream& o, const GameState& g)
{
    const int n = g.NbColonnes;
    const std::string regle = std::string(6, ' ') + '+' + std::string(6 * n + 1, '-') + "+\n";
    for (int y = 0; y <= n + 1; ++y) {
        if (y == 1 || y == n + 1)
            o << regle;
        std::string ligne;
        for (int x = 0; x <= n + 1; ++x) {
            if (x == 1)
                ligne += '|';
            else if (x == n + 1)
                ligne += " |";
            const std::string cellule = CelluleCarre(g, x, y);
            ligne += std::string(cellule.size() < 5 ? 5 - cellule.size() : 0, ' ') + cellule + ' ';
        }
        ligne.erase(ligne.find_last_not_of(' ') + 1);
        o << ligne << '\n';
    }
    std::string lignes, colonnes;
    for (int i = 1; i <= n; ++i) {
        if (g.Valeur[n + 1][i] != 0)
            lignes += (lignes.empty() ? "" : ", ") + std::to_string(i);
        if (g.Valeur[i][n + 1] != 0)
            colonnes += (colonnes.empty() ? "" : ", ") + std::to_string(i);
    }
    o << "off the magic sum: rows " << (lignes.empty() ? "none" : lignes) << "; columns "
      << (colonnes.empty() ? "none" : colonnes);
    if (g.AvecDiagonales) {
        std::string diagonales;
        if (g.Valeur[n + 1][n + 1] != 0)
            diagonales = "(1, 1)-(" + std::to_string(n) + ", " + std::to_string(n) + ")";
        if (g.Valeur[n + 1][0] != 0)
            diagonales += (diagonales.empty() ? "(" : ", (") + std::to_string(n) + ", 1)-(1, " + std::to_string(n) + ")";
        o << "; diagonals " << (diagonales.empty() ? "none" : diagonales);
    }
    o << "\nthe ring shows each line's difference from the magic sum (blank when right); its corners,\n"
         "the diagonals' (top left and bottom right: (1, 1)-(n, n)), shown only when they count\n";
}

// A ring of the lines' differences around the square; the walls are clicked, the corners are not.
constexpr DispositionJeu DispositionCarre{
    .anneau = 1,
    .ecart = 150,
    .curseurMurs = Curseur::Main,
    .mursActifs = true,
    .mursTeintes = true,
    .murs = {76, 20, false},
    .coins = {50, 130, false},
    .cases = {30, 150},
};

class JeuCarreMagique final : public Jeu {
public:
    constexpr JeuCarreMagique() : Jeu(DispositionCarre, "carre", "CARRE MAGIQUE") {}

    int32_t Taille(int32_t n) const override
    {
        if (n <= 40) return 5;
        if (n <= 100) return 7;
        return 11;
    }

    // The number of scrambling swaps is the puzzle's first draw.
    void Parametres(Contexte& c) const override
    {
        GameState& g = c.etat;
        const int32_t N = g.NumeroTableau;
        const int32_t n = g.NbColonnes;
        struct Tranche { int32_t jusqua, etendue, base; bool diagonales; };
        static constexpr Tranche tranches[] = {
            {20, 2, 2, false}, {40, 2, 4, false}, {60, 2, 4, false}, {80, 2, 6, false},
            {100, 3, 8, false}, {300, 3, 8, false}, {400, 3, 11, true}, {NombreTableaux, 3, 14, true}};
        for (const Tranche& t : tranches)
            if (N <= t.jusqua) {
                g.AvecDiagonales = t.diagonales;
                g.ParamCarre = c.hasard.Draw(t.etendue) + t.base;
                break;
            }
        g.SommeMagique = (n * n + 1) * n / 2;
    }

    void Construire(Contexte& c) const override
    {
        GenererCarreMagique(c);
        MelangerCarre(c, c.etat.ParamCarre);
    }

    // The ring's column and row of the lines' sums once more.
    void ApresPremierAffichage(Contexte& c) const override
    {
        const int32_t n = c.etat.NbColonnes;
        AfficherCases(c, n + 1, 1, n + 1, n);
        AfficherCases(c, 1, n + 1, n, n + 1);
    }

    void DessinerCase(Contexte& c, int32_t x, int32_t y) const override { DessinerCarre(c, x, y); }

    // A swap changes two lines' sums, and maybe the diagonals': the whole ring is recomputed.
    void AvantRafraichir(Contexte& c, int32_t, int32_t, int32_t, int32_t) const override
    {
        CalculerEcarts(c.etat);
        const int32_t n = c.etat.NbColonnes;
        AfficherCases(c, n + 1, 0, n + 1, n + 1);
        AfficherCases(c, 0, n + 1, n + 1, n + 1);
        AfficherCases(c, 0, 0, 0, n + 1);
        AfficherCases(c, 0, 0, n + 1, 0);
    }

    Suite CliquerMur(Contexte& c, TypeMur mur, int32_t x, int32_t y) const override
    {
        switch (mur) {
        case TypeMur::Droit: return InverserCarre(c, x, y, x + 1, y);
        case TypeMur::Bas: return InverserCarre(c, x, y, x, y + 1);
        case TypeMur::BasDroit: break;
        }
        return Suite::Rien;
    }

    // The number; then how far its row, its column and, when they count, its diagonals are from
    // the magic sum, as the ring shows it.
    TexteCase DireCase(const GameState& g, int32_t x, int32_t y) const override
    {
        const int32_t n = g.NbColonnes;
        auto ecart = [](int32_t v) { return v == 0 ? std::string("juste") : (v > 0 ? "+" : "") + std::to_string(v); };
        TexteCase t{std::to_string(g.Valeur[x][y]),
            "ligne " + ecart(g.Valeur[n + 1][y]) + ", colonne " + ecart(g.Valeur[x][n + 1])};
        if (g.AvecDiagonales && x == y)
            t.etat += ", diagonale " + ecart(g.Valeur[n + 1][n + 1]);
        if (g.AvecDiagonales && x == n + 1 - y)
            t.etat += ", diagonale " + ecart(g.Valeur[n + 1][0]);
        return t;
    }

    // Every line on the magic sum; row 1 follows from the other rows and the columns.
    IssuePartie Fin(const GameState& g) const override
    {
        const int32_t n = g.NbColonnes;
        for (int32_t y = 2; y <= n; ++y)
            if (g.Valeur[n + 1][y] != 0)
                return IssuePartie::EnCours;
        for (int32_t x = 1; x <= n; ++x)
            if (g.Valeur[x][n + 1] != 0)
                return IssuePartie::EnCours;
        if (g.AvecDiagonales && (g.Valeur[n + 1][n + 1] != 0 || g.Valeur[n + 1][0] != 0))
            return IssuePartie::EnCours;
        return IssuePartie::Reussie;
    }

    void EcrireJson(std::ostream& o, const GameState& g) const override
    {
        const int n = g.NbColonnes;
        o << ",\"sum\":" << g.SommeMagique << ",\"diagonals\":" << (g.AvecDiagonales ? "true" : "false")
          << ",\"swaps\":" << g.ParamCarre << ",\"ring\":{\"columns\":[";
        for (int x = 1; x <= n; ++x)
            o << (x > 1 ? "," : "") << g.Valeur[x][n + 1];
        o << "],\"rows\":[";
        for (int y = 1; y <= n; ++y)
            o << (y > 1 ? "," : "") << g.Valeur[n + 1][y];
        o << "],\"diagonal\":" << g.Valeur[n + 1][n + 1] << ",\"antidiagonal\":" << g.Valeur[n + 1][0] << '}';
    }

    void EcrireTexte(std::ostream& o, const GameState& g) const override
    {
        o << ", magic sum " << g.SommeMagique << ", " << g.ParamCarre << " scrambling swaps, diagonals "
          << (g.AvecDiagonales ? "counted" : "not counted") << "\n\n";
        TexteCarre(o, g);
    }
};

constexpr JeuCarreMagique Table;

} // namespace

const Jeu& TableCarreMagique = Table;

} // namespace cogitelle
