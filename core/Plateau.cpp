#include "core/Plateau.h"

#include <algorithm>
#include <cmath>

namespace cogitelle {

int32_t Arrondi(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

int32_t TaillePoliceEchelle(int32_t taille, double fx, double fy) { return Arrondi(taille * std::min(fx, fy)); }

int32_t TaillePlateau(TTypeJeu type, int32_t n)
{
    switch (type) {
    case Labyrinthe:
        if (n <= 20) return 6;
        if (n <= 40) return 7;
        if (n <= 50) return 8;
        if (n <= 70) return 9;
        if (n <= 100) return 10;
        return std::min(n / 100 + 9, 14);
    case CarreMagique:
        if (n <= 40) return 5;
        if (n <= 100) return 7;
        return 11;
    case Differences:
        if (n <= 100) return n / 25 + 4;
        return std::min(n / 60 + 4, 12);
    case Serpentin:
        return std::min(n / 30 + 3, 8);
    case Memoire:
        if (n <= 20) return 4;
        if (n <= 40) return 5;
        if (n <= 60) return 6;
        if (n <= 80) return 5;
        if (n <= 100) return 6;
        if (n <= 200) return (n - 100) / 20 + 5;
        if (n <= 300) return (n - 200) / 20 + 5;
        if (n <= 400) return (n - 300) / 20 + 5;
        return std::min((n - 400) / 20 + 5, 10);
    default:
        return 0;
    }
}

namespace {

// One colour drawn blue first, then green, then red, each component base + Draw(etendue).
inline Couleur TirerCouleur(PuzzleRandom& r, int32_t etendue, int32_t base)
{
    const int32_t b = r.Draw(etendue) + base;
    const int32_t g = r.Draw(etendue) + base;
    const int32_t rouge = r.Draw(etendue) + base;
    return RGB(rouge, g, b);
}

// The wall colours: blue and green drawn, red 0 (magic square and differences).
inline Couleur TirerCouleurMur(PuzzleRandom& r, int32_t etendue, int32_t base)
{
    const int32_t b = r.Draw(etendue) + base;
    const int32_t g = r.Draw(etendue) + base;
    return RGB(0, g, b);
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

void TirerCouleurs(PuzzleRandom& hasard, TTypeJeu type, int32_t n, int32_t B, CouleursTirees& t)
{
    PuzzleRandom r = hasard;
    constexpr int32_t coins = 13 * 13;
    switch (type) {
    case Labyrinthe:
        for (Couleur& m : t.murs)
            m = TirerCouleur(r, 100, 50);
        break;
    case CarreMagique:
        for (int32_t i = 0; i < NbMursPool - coins; ++i)
            t.murs[i] = TirerCouleurMur(r, 76, 20);
        for (int32_t i = NbMursPool - coins; i < NbMursPool; ++i)
            t.murs[i] = TirerCouleurMur(r, 50, 130);
        break;
    case Differences:
        for (Couleur& m : t.murs)
            m = TirerCouleurMur(r, 76, 20);
        break;
    default:
        break;
    }
    int32_t i = 0;
    for (int32_t x = 1 - B; x <= n + B; ++x)
        for (int32_t y = 1 - B; y <= n + B; ++y, ++i)
            switch (type) {
            case Labyrinthe:
                t.cases[i] = TirerCouleur(r, 50, 150);
                break;
            case CarreMagique:
                t.cases[i] = (x == 0 || y == 0 || x == n + 1 || y == n + 1) ? couleurs::Argent : TirerCouleur(r, 30, 150);
                break;
            case Differences:
            case Serpentin:
                t.cases[i] = TirerCouleur(r, 50, 200);
                break;
            case Memoire:
                t.cases[i] = TirerCouleur(r, 30, 150);
                break;
            default:
                break;
            }
    hasard = r;
}

// A wall of the pool: hidden, its cursor, and its drawn colour in the games that colour walls.
void HabillerMur(TTypeJeu type, Controle& mur, bool coin, Couleur couleur)
{
    mur.SetVisible(false);
    const bool main = (type == CarreMagique && !coin) || type == Differences;
    mur.SetCurseur(main ? Curseur::Main : Curseur::Defaut);
    if (type == Labyrinthe || type == CarreMagique || type == Differences)
        mur.SetCouleur(couleur);
}

} // namespace

void DisposerPlateau(Contexte& c)
{
    GameState& g = c.etat;
    Controles& k = c.controles;
    const double fx = g.FacteurEcranX;
    const double fy = g.FacteurEcranY;

    // The whole board is repainted after a layout: no need to record each control it changes.
    k.MarquerToutSale();

    // 1-2. The board panel at its full size, hidden while it is laid out.
    k.panelCentral.SetVisible(false);
    int32_t largeur = Arrondi(fx * 600);
    int32_t hauteur = Arrondi(fy * 525);
    g.MargePlateau = Arrondi(fx * 10);
    g.AvecBordure = g.TypeJeu == CarreMagique ? 1 : 0;
    const int32_t B = g.AvecBordure;

    // 3. Gaps, wall insets and frame widths by game.
    const int32_t plusGrand = std::max(g.NbColonnes, g.NbLignes);
    g.EcartCases = 0;
    g.RetraitMur = 0;
    g.EpaisseurCadre = 0;
    g.RetraitCase = 0;
    switch (g.TypeJeu) {
    case Labyrinthe:
        g.MargePlateau = 0;
        g.EcartCases = Arrondi(fx * 100 / plusGrand);
        break;
    case CarreMagique:
        g.EcartCases = Arrondi(fx * 150 / std::max(g.NbColonnes + 2, g.NbLignes + 2));
        break;
    case Differences:
        g.EcartCases = Arrondi(fx * 150 / plusGrand);
        g.RetraitMur = Arrondi(fx * 4);
        g.EpaisseurCadre = Arrondi(fx * 2);
        g.RetraitCase = g.EpaisseurCadre;
        break;
    default:
        break;
    }

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
    TirerCouleurs(c.hasard, g.TypeJeu, n, B, tirees);

    // 9. Every wall of the pool, whatever the board size: their colours are part of the puzzle.
    int32_t m = 0;
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 14; ++y, ++m)
            HabillerMur(g.TypeJeu, k.MursDroits[x][y], false, tirees.murs[m]);
    for (int x = 1; x <= 14; ++x)
        for (int y = 1; y <= 13; ++y, ++m)
            HabillerMur(g.TypeJeu, k.MursBas[x][y], false, tirees.murs[m]);
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y, ++m)
            HabillerMur(g.TypeJeu, k.MursBasDroits[x][y], true, tirees.murs[m]);

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
    const bool main = g.TypeJeu == Serpentin || g.TypeJeu == Memoire;
    const bool colorees = g.TypeJeu >= Labyrinthe && g.TypeJeu <= Memoire;
    int32_t i = 0;
    for (int32_t x = 1 - B; x <= n + B; ++x)
        for (int32_t y = 1 - B; y <= g.NbLignes + B; ++y, ++i) {
            Controle& cell = k.Cases[x][y];
            cell.SetCurseur(main ? Curseur::Main : Curseur::Defaut);
            cell.SetRect({M + (x - 1 + B) * (LC + E) + I, M + (y - 1 + B) * (HC + E) + I, LC - 2 * I, HC - 2 * I});
            const bool anneau = g.TypeJeu == CarreMagique && (x == 0 || y == 0 || x == n + 1 || y == g.NbLignes + 1);
            cell.SetTaillePolice(anneau ? policeAnneau : police);
            cell.SetCouleurPolice(couleurs::Noir);
            cell.SetBiseauInterieur(anneau ? Biseau::Abaisse : Biseau::Aucun);
            cell.SetBiseauExterieur(Biseau::Releve);
            cell.SetLargeurBiseau(1);
            cell.SetShowHint(false);
            if (colorees)
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
