#include "games/Disposition.h"

#include <algorithm>

#include "core/Plateau.h"
#include "games/Jeux.h"

namespace cogitelle {

int32_t TaillePlateau(TTypeJeu type, int32_t numero)
{
    const Jeu* jeu = JeuDe(type);
    return jeu ? jeu->Taille(numero) : 0;
}

namespace {

// One colour of a game's tint: blue first, then green, then red (0 and not drawn without red).
inline Couleur TirerCouleur(PuzzleRandom& r, const Teinte& t)
{
    const int32_t b = r.Draw(t.etendue) + t.base;
    const int32_t g = r.Draw(t.etendue) + t.base;
    const int32_t rouge = t.rouge ? r.Draw(t.etendue) + t.base : 0;
    return RGB(rouge, g, b);
}

constexpr int32_t NbMursPool = 13 * 14 + 14 * 13 + 13 * 13;   // right, bottom and corner walls

// The colours a layout draws, in the order it draws them: every wall of the pool (right walls,
// bottom walls, corner walls, each grid x outer), then every cell, the ring included (x outer).
// They are drawn in one run with the generator in a local copy, which stays in a register: written
// to the controls between draws, it would go through memory at every draw.
struct CouleursTirees {
    Couleur murs[NbMursPool];
    Couleur cases[16 * 16];   // in the order of the cells' loop
};

void TirerCouleurs(PuzzleRandom& hasard, const DispositionJeu& d, int32_t n, int32_t B, CouleursTirees& t)
{
    PuzzleRandom r = hasard;
    constexpr int32_t coins = 13 * 13;
    if (d.mursTeintes) {
        for (int32_t i = 0; i < NbMursPool - coins; ++i)
            t.murs[i] = TirerCouleur(r, d.murs);
        for (int32_t i = NbMursPool - coins; i < NbMursPool; ++i)
            t.murs[i] = TirerCouleur(r, d.coins);
    }
    // The ring's cells are silver, and draw nothing.
    int32_t i = 0;
    for (int32_t x = 1 - B; x <= n + B; ++x)
        for (int32_t y = 1 - B; y <= n + B; ++y, ++i)
            t.cases[i] = (B != 0 && (x == 0 || y == 0 || x == n + 1 || y == n + 1)) ? couleurs::Argent
                                                                                   : TirerCouleur(r, d.cases);
    hasard = r;
}

// A wall of the pool: hidden, its cursor, and its drawn colour in the games that colour walls.
void HabillerMur(const DispositionJeu& d, Controle& mur, bool coin, Couleur couleur)
{
    mur.SetVisible(false);
    mur.SetCurseur(coin ? d.curseurCoins : d.curseurMurs);
    if (d.mursTeintes)
        mur.SetCouleur(couleur);
}

// The layout with no game in play: no ring, no gaps, no colours.
constexpr DispositionJeu SansJeu{};

} // namespace

void DisposerPlateau(Contexte& c)
{
    GameState& g = c.etat;
    Controles& k = c.controles;
    const double fx = g.FacteurEcranX;
    const double fy = g.FacteurEcranY;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    const DispositionJeu& d = jeu ? jeu->disposition : SansJeu;

    // The whole board is repainted after a layout: no need to record each control it changes.
    k.MarquerToutSale();

    // 1-2. The board panel at its full size, hidden while it is laid out.
    k.panelCentral.SetVisible(false);
    int32_t largeur = Arrondi(fx * 600);
    int32_t hauteur = Arrondi(fy * 525);
    g.MargePlateau = d.marge ? Arrondi(fx * 10) : 0;
    g.AvecBordure = d.anneau;
    const int32_t B = g.AvecBordure;

    // 3. The game's gaps (shared by its cells across, ring included), wall insets and frame widths.
    const int32_t cellesEnTravers = std::max(g.NbColonnes, g.NbLignes) + 2 * B;
    // No game has no cells to share the gaps.
    g.EcartCases = d.ecart != 0 ? Arrondi(fx * d.ecart / cellesEnTravers) : 0;
    g.RetraitMur = Arrondi(fx * d.retraitMur);
    g.EpaisseurCadre = Arrondi(fx * d.cadre);
    g.RetraitCase = g.EpaisseurCadre;

    // 4-7. Shrink the panel so the cell slots (ring included) divide it exactly.
    g.NbColonnes += 2 * B;
    g.NbLignes = g.NbColonnes;
    const int32_t C = g.NbColonnes;
    const int32_t M = g.MargePlateau;
    const int32_t E = g.EcartCases;
    // With no game in play (type 0) there are no cells to divide the board into.
    g.LargeurCase = 0;
    g.HauteurCase = 0;
    if (C > 0) {
        const int32_t resteL = (largeur - 2 * M - (C - 1) * E) % C;
        if (resteL != 0)
            largeur -= resteL;
        const int32_t resteH = (hauteur - 2 * M - (C - 1) * E) % C;
        if (resteH != 0)
            hauteur -= resteH;
        g.LargeurCase = Arrondi(static_cast<double>(largeur - 2 * M - (C - 1) * E) / C);
        g.HauteurCase = Arrondi(static_cast<double>(hauteur - 2 * M - (C - 1) * E) / C);
    }
    g.NbColonnes -= 2 * B;
    g.NbLignes = g.NbColonnes;
    const int32_t n = g.NbColonnes;
    k.panelCentral.SetRect({Arrondi(fx * 4), Arrondi(fx * 4), largeur, hauteur});

    // 8. Cells and frames start hidden.
    for (int x = 0; x <= 15; ++x)
        for (int y = 0; y <= 15; ++y)
            k.Cases[x][y].SetVisible(false);
    for (int x = 1; x <= 14; ++x)
        for (int y = 1; y <= 14; ++y) {
            k.CadresCases[x][y].SetVisible(false);
            k.CadresInterieurs[x][y].SetVisible(false);
        }

    CouleursTirees tirees;
    if (jeu)
        TirerCouleurs(c.hasard, d, n, B, tirees);

    // 9. Every wall of the pool, whatever the board size: their colours are part of the puzzle.
    int32_t m = 0;
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 14; ++y, ++m)
            HabillerMur(d, k.MursDroits[x][y], false, tirees.murs[m]);
    for (int x = 1; x <= 14; ++x)
        for (int y = 1; y <= 13; ++y, ++m)
            HabillerMur(d, k.MursBas[x][y], false, tirees.murs[m]);
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y, ++m)
            HabillerMur(d, k.MursBasDroits[x][y], true, tirees.murs[m]);

    // 10. Cells, the ring included. Each property is set once, to its final value.
    const int32_t I = g.EpaisseurCadre + g.RetraitCase;
    const int32_t LC = g.LargeurCase;
    const int32_t HC = g.HauteurCase;
    const int32_t cote = std::max(n + 2 * B, g.NbLignes + 2 * B);
    // The cells are scaled by both factors: their type by the smaller one, so three digits
    // stay inside a cell that is wider than it is tall on a wide screen. The gaps follow the
    // width factor alone, so on a very wide screen the cells grow flat: the type is then held to
    // three quarters of the cell's height in points (an em no taller than the cell), which the
    // design screen never reaches.
    const double fp = std::min(fx, fy);
    const int32_t plafond = std::max<int32_t>(1, (HC - 2 * I) * 3 / 4);
    const int32_t police = cote > 0 ? std::min(Arrondi(fp * 200 / cote), plafond) : 0;
    const int32_t policeAnneau = cote > 0 ? std::min(Arrondi(fp * 140 / cote), plafond) : 0;
    int32_t i = 0;
    for (int32_t x = 1 - B; x <= n + B; ++x)
        for (int32_t y = 1 - B; y <= g.NbLignes + B; ++y, ++i) {
            Controle& cell = k.Cases[x][y];
            cell.SetCurseur(d.curseurCases);
            cell.SetRect({M + (x - 1 + B) * (LC + E) + I, M + (y - 1 + B) * (HC + E) + I, LC - 2 * I, HC - 2 * I});
            const bool anneau = B != 0 && (x == 0 || y == 0 || x == n + 1 || y == g.NbLignes + 1);
            cell.SetTaillePolice(anneau ? policeAnneau : police);
            cell.SetCouleurPolice(couleurs::Noir);
            cell.SetBiseauInterieur(anneau ? Biseau::Abaisse : Biseau::Aucun);
            cell.SetBiseauExterieur(Biseau::Releve);
            cell.SetLargeurBiseau(1);
            cell.SetShowHint(false);
            if (jeu)
                cell.SetCouleur(tirees.cases[i]);
            cell.SetGras(false);
        }

    // 11. Frames, without the ring offset.
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y) {
            const int32_t gauche = M + (x - 1) * (LC + E);
            const int32_t haut = M + (y - 1) * (HC + E);
            const int32_t ep = g.EpaisseurCadre;
            k.CadresCases[x][y].SetRect({gauche, haut, LC, HC});
            k.CadresCases[x][y].SetLargeurStylo(ep);
            k.CadresInterieurs[x][y].SetRect({gauche + ep, haut + ep, LC - 2 * ep, HC - 2 * ep});
            k.CadresInterieurs[x][y].SetLargeurStylo(g.RetraitCase);
        }

    // 12-14. Walls in the gaps.
    const int32_t RM = g.RetraitMur;
    for (int32_t x = 1; x <= n - 1; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y)
            k.MursDroits[x][y].SetRect({M + (x + B) * LC + (x - 1 + B) * E + RM, k.Cases[x][y].rect().top + RM,
                E - 2 * RM, HC - 2 * I - 2 * RM});
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= g.NbLignes - 1; ++y)
            k.MursBas[x][y].SetRect({k.Cases[x][y].rect().left + RM, M + (y + B) * HC + (y - 1 + B) * E + RM,
                LC - 2 * I - 2 * RM, E - 2 * RM});
    for (int32_t x = 1; x <= n - 1; ++x)
        for (int32_t y = 1; y <= g.NbLignes - 1; ++y) {
            const Rect& d = k.MursDroits[x][y].rect();
            const Rect& b = k.MursBas[x][y].rect();
            k.MursBasDroits[x][y].SetRect({d.left, b.top, d.width, b.height});
        }
}

} // namespace cogitelle
