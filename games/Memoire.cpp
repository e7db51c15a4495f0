// Memory: groups of equal hidden numbers, found by turning the cells face up.
#include "games/Memoire.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>

#include "core/Score.h"
#include "games/Impression.h"
#include "games/Rendu.h"

namespace cogitelle {

namespace {

void Redessiner(Contexte& c, int32_t x, int32_t y) { AfficherCases(c, x, y, x, y); }

// The whole board once a group found has been shown long enough: its cards go.
void RafraichirMemoire(Contexte& c) { AfficherCases(c, 1, 1, c.etat.NbColonnes, c.etat.NbLignes); }

} // namespace

void GenererMemoire(Contexte& c)
{
    GameState& g = c.etat;
    const int32_t nc = g.NbColonnes;
    const int32_t nl = g.NbLignes;
    const int32_t total = nc * nl;
    const int32_t groupes = total / g.TailleGroupe;
    g.CartesRestantes = total - total % g.TailleGroupe;

    // Row by row, the numbers 1..G over and over; the cells beyond the last whole group stay empty.
    int32_t j = 0;
    int32_t i = 0;
    for (int32_t y = 1; y <= nl; ++y)
        for (int32_t x = 1; x <= nc; ++x) {
            j = j == groupes ? 1 : j + 1;
            ++i;
            g.Valeur[x][y] = i <= g.CartesRestantes ? j : 0;
        }

    // Swaps of two distinct cells; a pair equal to the first is drawn again as a pair. The
    // generator works on a local copy, which stays in a register while the board is written.
    PuzzleRandom r = c.hasard;
    for (int32_t t = 0; t < 5 * nc * nl; ++t) {
        const int32_t xa = r.Draw(nc);
        const int32_t ya = r.Draw(nl);
        int32_t xb, yb;
        do {
            xb = r.Draw(nc);
            yb = r.Draw(nl);
        } while (xb == xa && yb == ya);
        std::swap(g.Valeur[xa][ya], g.Valeur[xb][yb]);
    }
    c.hasard = r;

    for (int32_t x = 1; x <= nc; ++x)
        for (int32_t y = 1; y <= nl; ++y)
            g.Etat[x][y] = g.Valeur[x][y] != 0 ? 0 : -2;
}

namespace {

// Every card of the group found leaves play; the group stays on show until the refresh.
void GroupeTrouve(Contexte& c)
{
    GameState& g = c.etat;
    g.NbSelectionnees = 0;
    g.ValeurSerie = -1;
    g.LongueurSerie = 0;
    for (int32_t x = 1; x <= g.NbColonnes; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y)
            if (g.Etat[x][y] == 1)
                g.Etat[x][y] = -2;
    g.CartesRestantes -= g.TailleGroupe;
    ActiverMinuterie(c, c.controles.timerRefreshMemoire, true);
}

// A click turns a face-down card face up; the end test never follows it.
void CliquerMemoire(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.etat;
    if (g.Etat[x][y] != 0)
        return;
    // A group still on show goes first, so the board never shows it after a new click. The end
    // test of the refresh cannot end the game here: the card clicked is still in play.
    if (c.controles.timerRefreshMemoire.Enabled) {
        ActiverMinuterie(c, c.controles.timerRefreshMemoire, false);
        RafraichirMemoire(c);
    }
    ChangerScore(c, -CoutClicMemoire);
    const int32_t v = g.Valeur[x][y];
    if (g.NbSelectionnees < g.TailleGroupe) {
        g.SelectionMemoire[++g.NbSelectionnees] = {x, y};
        g.Etat[x][y] = 1;
        Redessiner(c, x, y);
        if (g.ValeurSerie == -1) {
            g.ValeurSerie = v;
            g.LongueurSerie = 1;
        } else if (v == g.ValeurSerie) {
            if (++g.LongueurSerie == g.TailleGroupe)
                GroupeTrouve(c);
        } else {
            g.ValeurSerie = v;
            g.LongueurSerie = 1;
        }
        return;
    }
    // Every place is taken: the oldest cell turns face down.
    g.Etat[x][y] = 1;
    Redessiner(c, x, y);
    const PosCase ancienne = g.SelectionMemoire[1];
    g.Etat[ancienne.x][ancienne.y] = 0;
    Redessiner(c, ancienne.x, ancienne.y);
    if (g.LongueurSerie == g.TailleGroupe - 1 && v == g.ValeurSerie) {
        GroupeTrouve(c);
        return;
    }
    if (v == g.ValeurSerie) {
        ++g.LongueurSerie;
    } else {
        g.ValeurSerie = v;
        g.LongueurSerie = 1;
    }
    for (int32_t i = 1; i <= g.TailleGroupe - 1; ++i)
        g.SelectionMemoire[i] = g.SelectionMemoire[i + 1];
    g.SelectionMemoire[g.TailleGroupe] = {x, y};
}

void DessinerMemoire(Contexte& c, int32_t x, int32_t y)
{
    const GameState& g = c.etat;
    Controle& cell = c.controles.Cases[x][y];
    const int32_t v = g.Valeur[x][y];
    const int32_t etat = g.Etat[x][y];
    if (v != 0 && etat == 0)
        cell.SetCaption({});
    else
        cell.SetCaption(EnDecimal(v));
    if (v == 0 || etat == -2)
        cell.SetVisible(false);
    else if (etat == 0 || etat == 1)
        cell.SetVisible(true);
}

std::string CelluleMemoire(const GameState& g, int x, int y)
{
    return g.Valeur[x][y] == 0 ? "." : std::to_string(g.Valeur[x][y]);
}

// Cells side by side, clicked.
constexpr DispositionJeu DispositionMemoire{
    .curseurCases = Curseur::Main,
    .cases = {30, 150},
};

class JeuMemoire final : public Jeu {
public:
    constexpr JeuMemoire() : Jeu(DispositionMemoire, "memoire", "MEMOIRE") {}

    int32_t Taille(int32_t n) const override
    {
        if (n <= 20) return 4;
        if (n <= 40) return 5;
        if (n <= 60) return 6;
        if (n <= 80) return 5;
        if (n <= 100) return 6;
        if (n <= 200) return (n - 100) / 20 + 5;
        if (n <= 300) return (n - 200) / 20 + 5;
        if (n <= 400) return (n - 300) / 20 + 5;
        return std::min((n - 400) / 20 + 5, 10);
    }

    void Parametres(Contexte& c) const override
    {
        GameState& g = c.etat;
        const int32_t N = g.NumeroTableau;
        if (N <= 60) g.TailleGroupe = 2;
        else if (N <= 100) g.TailleGroupe = 3;
        else g.TailleGroupe = (N - 1) / 100 + 1;
    }

    void Construire(Contexte& c) const override
    {
        GameState& g = c.etat;
        GenererMemoire(c);
        g.NbSelectionnees = 0;
        g.ValeurSerie = -1;
        g.LongueurSerie = 0;
    }

    void DessinerCase(Contexte& c, int32_t x, int32_t y) const override { DessinerMemoire(c, x, y); }

    Suite Deplacer(Contexte& c, int32_t x, int32_t y) const override
    {
        CliquerMemoire(c, x, y);
        return Suite::Rien;
    }

    Suite Presser(Contexte& c, int32_t x, int32_t y, BoutonSouris bouton, uint32_t etat) const override
    {
        return ClicGauche(bouton, etat) ? Deplacer(c, x, y) : Suite::Rien;
    }

    // The refresh: a group found goes from the board, then the end test.
    Suite Tic(Contexte& c, Minuterie::Id minuterie) const override
    {
        // A tick left over from a stopped timer does nothing: after the end of the game it would
        // offer the same score to the table a second time.
        if (minuterie != Minuterie::RefreshMemoire || !c.controles.timerRefreshMemoire.Enabled)
            return Suite::Rien;
        ActiverMinuterie(c, c.controles.timerRefreshMemoire, false);
        RafraichirMemoire(c);
        return Suite::TesterFin;
    }

    // A card face down, its number face up, nothing once its group is found or on an empty cell.
    TexteCase DireCase(const GameState& g, int32_t x, int32_t y) const override
    {
        if (g.Valeur[x][y] == 0 || g.Etat[x][y] == -2)
            return {"vide", ""};
        return {g.Etat[x][y] == 1 ? std::to_string(g.Valeur[x][y]) : std::string("cachée"), ""};
    }

    IssuePartie Fin(const GameState& g) const override { return g.CartesRestantes == 0 ? IssuePartie::Reussie : IssuePartie::EnCours; }

    void EcrireJson(std::ostream& o, const GameState& g) const override
    {
        o << ",\"group\":" << g.TailleGroupe << ",\"cards\":" << g.CartesRestantes;
    }

    void EcrireTexte(std::ostream& o, const GameState& g) const override
    {
        o << ", groups of " << g.TailleGroupe << ", " << g.CartesRestantes << " cards\n\n";
        TexteGrille(o, g, 1, g.NbColonnes, CelluleMemoire);
        o << ". empty cell\n";
    }
};

constexpr JeuMemoire Table;

} // namespace

const Jeu& TableMemoire = Table;

} // namespace cogitelle
