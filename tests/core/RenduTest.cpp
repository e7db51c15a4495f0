#include <gtest/gtest.h>

#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "games/Disposition.h"
#include "games/Rendu.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

struct Rendu : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();
    Controles& k = banc.k();

    // A laid-out board of the given game with the grids cleared, ready for hand-made states.
    void Preparer(TTypeJeu type, int32_t numero)
    {
        g.TypeJeu = type;
        g.NumeroTableau = numero;
        banc.hasard.Seed(PuzzleSeed(type, numero, 0));
        ParametresPartie(banc.ctx);
        DisposerPlateau(banc.ctx);
        for (auto& c : g.Valeur) for (auto& v : c) v = 0;
        for (auto& c : g.Etat) for (auto& v : c) v = 0;
    }
};

} // namespace

TEST_F(Rendu, CoinsDansNImporteQuelOrdreEtRectangleHorsPlateau)
{
    Preparer(Memoire, 1);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            g.Valeur[x][y] = x * 10 + y;
            g.Etat[x][y] = 1;
        }
    AfficherCases(banc.ctx, 3, 3, 1, 1);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y)
            EXPECT_EQ(k.Cases[x][y].Visible(), x <= 3 && y <= 3) << x << "," << y;
    const uint64_t avant = k.Modifications();
    AfficherCases(banc.ctx, 5, 5, 9, 9);
    AfficherCases(banc.ctx, -3, -3, 0, 0);
    EXPECT_EQ(k.Modifications(), avant);
    AfficherCases(banc.ctx, 0, 0, 99, 99);
    for (int x = 0; x <= 5; ++x)
        for (int y = 0; y <= 5; ++y)
            EXPECT_EQ(k.Cases[x][y].Visible(), x >= 1 && x <= 4 && y >= 1 && y <= 4) << x << "," << y;
}

TEST_F(Rendu, UnRedessinQuiNeChangeRienNEcritRien)
{
    for (TTypeJeu type : {Differences, Memoire, CarreMagique}) {
        Preparer(type, 1);
        g.PosX = g.PosY = 1;
        g.Etat[1][1] = 1;
        g.Etat[2][2] = -2;
        AfficherCases(banc.ctx, 0, 0, 15, 15);
        banc.k().PrendreZonesSales();
        const uint64_t avant = k.Modifications();
        AfficherCases(banc.ctx, 0, 0, 15, 15);
        EXPECT_EQ(k.Modifications(), avant) << type;
        EXPECT_TRUE(banc.k().PrendreZonesSales().empty()) << type;
    }
}

TEST_F(Rendu, TypeDeJeuInconnuNeFaitRien)
{
    Preparer(Memoire, 1);
    g.TypeJeu = 0;
    const uint64_t avant = k.Modifications();
    AfficherCases(banc.ctx, 1, 1, 4, 4);
    RafraichirAutour(banc.ctx, 1, 1, 1, 1);
    EXPECT_EQ(k.Modifications(), avant);
}

TEST_F(Rendu, Memoire)
{
    Preparer(Memoire, 1);
    g.Valeur[1][1] = 7;  g.Etat[1][1] = 0;    // face down
    g.Valeur[2][1] = 7;  g.Etat[2][1] = 1;    // face up
    g.Valeur[3][1] = 5;  g.Etat[3][1] = -2;   // removed
    g.Valeur[4][1] = 0;  g.Etat[4][1] = -2;   // empty
    AfficherCases(banc.ctx, 1, 1, 4, 1);
    EXPECT_TRUE(k.Cases[1][1].Visible());
    EXPECT_EQ(k.Cases[1][1].Caption(), "");
    EXPECT_TRUE(k.Cases[2][1].Visible());
    EXPECT_EQ(k.Cases[2][1].Caption(), "7");
    EXPECT_FALSE(k.Cases[3][1].Visible());
    EXPECT_FALSE(k.Cases[4][1].Visible());
}

TEST_F(Rendu, AnneauDuCarreMagique)
{
    Preparer(CarreMagique, 1);   // 5 x 5, no diagonals
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            g.Valeur[x][y] = 1;
    g.Valeur[6][1] = 0;
    g.Valeur[6][2] = -2;
    g.Valeur[6][3] = 5;
    g.Valeur[0][0] = 4;   // a diagonal: left hidden without diagonals
    AfficherCases(banc.ctx, 0, 0, 6, 6);
    EXPECT_FALSE(k.Cases[6][1].Visible());
    EXPECT_TRUE(k.Cases[6][2].Visible());
    EXPECT_EQ(k.Cases[6][2].Caption(), "-2");
    EXPECT_EQ(k.Cases[6][2].CouleurPolice(), couleurs::RougeVif);
    EXPECT_TRUE(k.Cases[6][3].Visible());
    EXPECT_EQ(k.Cases[6][3].Caption(), "+5");
    EXPECT_EQ(k.Cases[6][3].CouleurPolice(), couleurs::VertFonce);
    EXPECT_FALSE(k.Cases[0][0].Visible());
    EXPECT_TRUE(k.Cases[3][3].Visible());
    EXPECT_TRUE(k.MursDroits[4][5].Visible());
    EXPECT_FALSE(k.MursDroits[5][5].Visible());
    EXPECT_TRUE(k.MursBas[5][4].Visible());
    EXPECT_FALSE(k.MursBas[5][5].Visible());
    EXPECT_FALSE(k.MursBasDroits[1][1].Visible());

    g.AvecDiagonales = true;
    AfficherCases(banc.ctx, 0, 0, 0, 0);
    EXPECT_TRUE(k.Cases[0][0].Visible());
    EXPECT_EQ(k.Cases[0][0].Caption(), "+4");
}

TEST_F(Rendu, Differences)
{
    Preparer(Differences, 1);   // 4 x 4
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            g.Valeur[x][y] = 5;
            g.Etat[x][y] = -1;
            k.Cases[x][y].SetVisible(true);
            k.CadresCases[x][y].SetVisible(true);
            k.CadresInterieurs[x][y].SetVisible(true);
        }
    g.PosX = 2; g.PosY = 2;
    g.Etat[2][2] = 1;
    g.Etat[3][2] = 0;
    g.Etat[1][4] = -2;
    AfficherCases(banc.ctx, 1, 1, 4, 4);
    EXPECT_FALSE(k.MursDroits[1][2].Visible());      // next to the player's cell
    EXPECT_FALSE(k.MursBas[2][1].Visible());
    EXPECT_TRUE(k.MursDroits[3][2].Visible());       // between two cells in play
    EXPECT_FALSE(k.MursBas[1][3].Visible());         // next to a removed cell
    EXPECT_TRUE(k.MursBasDroits[3][3].Visible());
    EXPECT_FALSE(k.MursBasDroits[1][1].Visible());
    EXPECT_EQ(k.CadresCases[2][2].CouleurStylo(), couleurs::Jaune);
    EXPECT_EQ(k.CadresInterieurs[3][2].CouleurStylo(), couleurs::VertVif);
    EXPECT_EQ(k.Cases[3][2].curseur(), Curseur::Main);
    EXPECT_EQ(k.CadresCases[4][4].CouleurStylo(), couleurs::Noir);
    EXPECT_EQ(k.Cases[4][4].curseur(), Curseur::Interdit);
    EXPECT_EQ(k.Cases[2][2].curseur(), Curseur::Defaut);
    EXPECT_FALSE(k.Cases[1][4].Visible());
    EXPECT_FALSE(k.CadresCases[1][4].Visible());
    EXPECT_EQ(k.Cases[4][4].Caption(), "5");
}

TEST_F(Rendu, RafraichirAutourDesDifferencesElargitEtRecoupe)
{
    Preparer(Differences, 1);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            g.Valeur[x][y] = x + y;
            g.Etat[x][y] = -1;
        }
    g.PosX = g.PosY = 4;
    g.Etat[4][4] = 1;
    RafraichirAutour(banc.ctx, 1, 1, 1, 1);
    // Cells 1..2 x 1..2, then the player's cell.
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            const bool redessinee = (x <= 2 && y <= 2) || (x == 4 && y == 4);
            EXPECT_EQ(k.Cases[x][y].Caption(), redessinee ? std::to_string(x + y) : "") << x << "," << y;
        }
}

TEST_F(Rendu, LabyrintheArriveeEtMurs)
{
    Preparer(Labyrinthe, 1);
    const int n = 6;
    g.ArriveeX = g.ArriveeY = n;
    for (auto& c : g.Etat) for (auto& v : c) v = -1;
    g.PosX = g.PosY = 1;
    g.Etat[1][1] = 1;
    g.Valeur[1][1] = 49;
    g.CaseGarnie[3][3] = 1;
    // Two walls: a standing right wall of (2, 2), an open bottom wall of (2, 2), sharing the
    // corner piece (2, 2): the later entry decides it.
    g.NbMurs = 2;
    g.ListeMurs[1] = {(2 - 1) * n + 2, (3 - 1) * n + 2, 1, 0};
    g.ListeMurs[2] = {(2 - 1) * n + 2, (2 - 1) * n + 3, 0, 1};
    g.MursADessiner = true;
    AfficherCases(banc.ctx, 1, 1, 3, 3);
    EXPECT_TRUE(k.Cases[1][1].Visible());
    EXPECT_EQ(k.Cases[1][1].Caption(), "49");
    EXPECT_EQ(k.Cases[1][1].couleur(), couleurs::Jaune);
    EXPECT_TRUE(k.Cases[3][3].Visible());
    EXPECT_FALSE(k.Cases[2][2].Visible());
    EXPECT_TRUE(k.Cases[n][n].Visible());
    EXPECT_EQ(k.Cases[n][n].Caption(), "A");
    EXPECT_EQ(k.Cases[n][n].Hint(), "Case Arrivée");
    EXPECT_TRUE(k.Cases[n][n].ShowHint());
    EXPECT_TRUE(k.MursDroits[2][2].Visible());
    EXPECT_TRUE(k.MursBasDroits[2][1].Visible());
    EXPECT_FALSE(k.MursBas[2][2].Visible());
    EXPECT_FALSE(k.MursBasDroits[2][2].Visible());
    EXPECT_FALSE(g.MursADessiner);

    // Walls are drawn once: a later redraw leaves them alone.
    k.MursDroits[2][2].SetVisible(false);
    AfficherCases(banc.ctx, 1, 1, 1, 1);
    EXPECT_FALSE(k.MursDroits[2][2].Visible());

    // The glutton on the exit shows its energy there; the exit stays yellow once left.
    g.Etat[1][1] = -1;
    g.Etat[n][n] = 1;
    g.PosX = g.PosY = n;
    g.Valeur[n][n] = 12;
    AfficherCases(banc.ctx, n, n, n, n);
    EXPECT_EQ(k.Cases[n][n].Caption(), "12");
    g.Etat[n][n] = -1;
    g.PosX = n - 1;
    AfficherCases(banc.ctx, n - 1, n, n - 1, n);
    EXPECT_EQ(k.Cases[n][n].Caption(), "A");
    EXPECT_TRUE(k.Cases[n][n].Visible());
    EXPECT_EQ(k.Cases[n][n].couleur(), couleurs::Jaune);
}

TEST_F(Rendu, Serpentin)
{
    Preparer(Serpentin, 1);
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 3; ++y) {
            g.Valeur[x][y] = x + 3 * (y - 1);
            k.CadresCases[x][y].SetVisible(true);
        }
    g.TrouPrincipalX = 2;
    g.TrouPrincipalY = 3;
    AfficherCases(banc.ctx, 1, 1, 3, 3);
    EXPECT_FALSE(k.Cases[2][3].Visible());
    EXPECT_TRUE(k.Cases[3][3].Visible());
    EXPECT_EQ(k.Cases[3][3].Caption(), "9");
    EXPECT_FALSE(k.CadresCases[1][1].Visible());
}
