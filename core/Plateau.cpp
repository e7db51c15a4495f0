#include "core/Plateau.h"

#include <algorithm>
#include <cmath>

namespace cogitelle {

int32_t Arrondi(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

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
Couleur TirerCouleur(PuzzleRandom& r, int32_t etendue, int32_t base)
{
    const int32_t b = r.Draw(etendue) + base;
    const int32_t g = r.Draw(etendue) + base;
    const int32_t rouge = r.Draw(etendue) + base;
    return RGB(rouge, g, b);
}

// The wall colours: blue and green drawn, red 0 (magic square and differences).
Couleur TirerCouleurMur(PuzzleRandom& r, int32_t etendue, int32_t base)
{
    const int32_t b = r.Draw(etendue) + base;
    const int32_t g = r.Draw(etendue) + base;
    return RGB(0, g, b);
}

void HabillerMur(Contexte& c, Controle& mur, bool coin)
{
    mur.SetVisible(false);
    mur.SetCurseur(Curseur::Defaut);
    switch (c.E.TypeJeu) {
    case Labyrinthe:
        mur.SetCouleur(TirerCouleur(c.R, 100, 50));
        break;
    case CarreMagique:
        if (coin) {
            mur.SetCouleur(TirerCouleurMur(c.R, 50, 130));
        } else {
            mur.SetCouleur(TirerCouleurMur(c.R, 76, 20));
            mur.SetCurseur(Curseur::Main);
        }
        break;
    case Differences:
        mur.SetCouleur(TirerCouleurMur(c.R, 76, 20));
        mur.SetCurseur(Curseur::Main);
        break;
    default:
        break;
    }
}

} // namespace

void DisposerPlateau(Contexte& c)
{
    GameState& g = c.E;
    Controles& k = c.C;
    const double fx = g.FacteurEcranX;
    const double fy = g.FacteurEcranY;

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
    const int32_t resteL = (largeur - 2 * M - (C - 1) * E) % C;
    if (resteL != 0)
        largeur -= resteL;
    const int32_t resteH = (hauteur - 2 * M - (C - 1) * E) % C;
    if (resteH != 0)
        hauteur -= resteH;
    g.LargeurCase = Arrondi(static_cast<double>(largeur - 2 * M - (C - 1) * E) / C);
    g.HauteurCase = Arrondi(static_cast<double>(hauteur - 2 * M - (C - 1) * E) / C);
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

    // 9. Every wall of the pool, whatever the board size: their colours are part of the puzzle.
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 14; ++y)
            HabillerMur(c, k.MursDroits[x][y], false);
    for (int x = 1; x <= 14; ++x)
        for (int y = 1; y <= 13; ++y)
            HabillerMur(c, k.MursBas[x][y], false);
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y)
            HabillerMur(c, k.MursBasDroits[x][y], true);

    // 10. Cells, the ring included.
    const int32_t I = g.EpaisseurCadre + g.RetraitCase;
    const int32_t LC = g.LargeurCase;
    const int32_t HC = g.HauteurCase;
    const int32_t cote = std::max(n + 2 * B, g.NbLignes + 2 * B);
    const int32_t police = Arrondi(fx * 200 / cote);
    const int32_t policeAnneau = Arrondi(fx * 140 / cote);
    for (int32_t x = 1 - B; x <= n + B; ++x)
        for (int32_t y = 1 - B; y <= g.NbLignes + B; ++y) {
            Controle& cell = k.Cases[x][y];
            cell.SetCurseur(Curseur::Defaut);
            cell.SetRect({M + (x - 1 + B) * (LC + E) + I, M + (y - 1 + B) * (HC + E) + I, LC - 2 * I, HC - 2 * I});
            const bool anneau = g.TypeJeu == CarreMagique && (x == 0 || y == 0 || x == n + 1 || y == g.NbLignes + 1);
            cell.SetTaillePolice(anneau ? policeAnneau : police);
            cell.SetCouleurPolice(couleurs::Noir);
            cell.SetBiseauInterieur(Biseau::Aucun);
            cell.SetBiseauExterieur(Biseau::Releve);
            cell.SetLargeurBiseau(1);
            cell.SetShowHint(false);
            switch (g.TypeJeu) {
            case Labyrinthe:
                cell.SetCouleur(TirerCouleur(c.R, 50, 150));
                break;
            case CarreMagique:
                if (anneau) {
                    cell.SetCouleur(couleurs::Argent);
                    cell.SetBiseauInterieur(Biseau::Abaisse);
                } else {
                    cell.SetCouleur(TirerCouleur(c.R, 30, 150));
                }
                break;
            case Differences:
                cell.SetCouleur(TirerCouleur(c.R, 50, 200));
                break;
            case Serpentin:
                cell.SetCouleur(TirerCouleur(c.R, 50, 200));
                cell.SetCurseur(Curseur::Main);
                break;
            case Memoire:
                cell.SetCouleur(TirerCouleur(c.R, 30, 150));
                cell.SetCurseur(Curseur::Main);
                break;
            default:
                break;
            }
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
    k.MarquerToutSale();
}

} // namespace cogitelle
