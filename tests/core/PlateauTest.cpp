#include <gtest/gtest.h>

#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "games/Disposition.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

TEST(TaillePlateau, BornesDesTables)
{
    struct Cas { TTypeJeu t; int32_t numero, n; };
    const Cas cas[] = {
        {Labyrinthe, 1, 6}, {Labyrinthe, 20, 6}, {Labyrinthe, 21, 7}, {Labyrinthe, 40, 7}, {Labyrinthe, 41, 8},
        {Labyrinthe, 50, 8}, {Labyrinthe, 51, 9}, {Labyrinthe, 70, 9}, {Labyrinthe, 71, 10}, {Labyrinthe, 100, 10},
        {Labyrinthe, 101, 10}, {Labyrinthe, 199, 10}, {Labyrinthe, 200, 11}, {Labyrinthe, 499, 13},
        {Labyrinthe, 500, 14},
        {CarreMagique, 40, 5}, {CarreMagique, 41, 7}, {CarreMagique, 100, 7}, {CarreMagique, 101, 11},
        {Differences, 1, 4}, {Differences, 24, 4}, {Differences, 25, 5}, {Differences, 100, 8},
        {Differences, 101, 5}, {Differences, 119, 5}, {Differences, 120, 6}, {Differences, 480, 12},
        {Differences, 500, 12},
        {Serpentin, 29, 3}, {Serpentin, 30, 4}, {Serpentin, 149, 7}, {Serpentin, 150, 8}, {Serpentin, 500, 8},
        {Memoire, 20, 4}, {Memoire, 21, 5}, {Memoire, 60, 6}, {Memoire, 61, 5}, {Memoire, 81, 6},
        {Memoire, 101, 5}, {Memoire, 200, 10}, {Memoire, 201, 5}, {Memoire, 300, 10}, {Memoire, 301, 5},
        {Memoire, 400, 10}, {Memoire, 401, 5}, {Memoire, 480, 9}, {Memoire, 499, 9}, {Memoire, 481, 9}, {Memoire, 500, 10}};
    for (const Cas& c : cas)
        EXPECT_EQ(TaillePlateau(c.t, c.numero), c.n) << "type " << c.t << " n° " << c.numero;
    EXPECT_EQ(TaillePlateau(AucunJeu, 1), 0);
}

TEST(Arrondi, MoitiesVersLePair)
{
    EXPECT_EQ(Arrondi(37.5), 38);
    EXPECT_EQ(Arrondi(36.5), 36);
    EXPECT_EQ(Arrondi(0.5), 0);
    EXPECT_EQ(Arrondi(11.52), 12);
    EXPECT_EQ(Arrondi(-2.5), -2);
}

namespace {

struct Disposition : ::testing::Test {
    Banc banc;
    // Lays out puzzle `numero` of `type` right after its seeding and parameters; returns the
    // draws the layout took.
    uint64_t Disposer(TTypeJeu type, int32_t numero)
    {
        GameState& g = banc.g();
        g.TypeJeu = type;
        g.NumeroTableau = numero;
        banc.hasard.Seed(PuzzleSeed(type, numero, 0));
        ParametresPartie(banc.ctx);
        const uint64_t avant = banc.hasard.Tirages();
        DisposerPlateau(banc.ctx);
        return banc.hasard.Tirages() - avant;
    }
    Rect R(const Controle& c) { return c.rect(); }
};

} // namespace

TEST_F(Disposition, Memoire1)
{
    Disposer(Memoire, 1);
    const GameState& g = banc.g();
    EXPECT_EQ(g.MargePlateau, 10);
    EXPECT_EQ(g.EcartCases, 0);
    EXPECT_EQ(banc.k().panelCentral.rect().width, 600);
    EXPECT_EQ(banc.k().panelCentral.rect().height, 524);
    EXPECT_EQ(g.LargeurCase, 145);
    EXPECT_EQ(g.HauteurCase, 126);
    EXPECT_EQ(R(banc.k().Cases[1][1]), (Rect{10, 10, 145, 126}));
    EXPECT_EQ(R(banc.k().Cases[4][4]), (Rect{445, 388, 145, 126}));
    EXPECT_EQ(banc.k().Cases[1][1].TaillePolice(), 50);
    EXPECT_EQ(banc.k().Cases[1][1].curseur(), Curseur::Main);
}

TEST_F(Disposition, Differences1)
{
    Disposer(Differences, 1);
    const GameState& g = banc.g();
    EXPECT_EQ(g.EcartCases, 38);
    EXPECT_EQ(g.RetraitMur, 4);
    EXPECT_EQ(g.EpaisseurCadre, 2);
    EXPECT_EQ(g.RetraitCase, 2);
    EXPECT_EQ(banc.k().panelCentral.rect().width, 598);
    EXPECT_EQ(banc.k().panelCentral.rect().height, 522);
    EXPECT_EQ(g.LargeurCase, 116);
    EXPECT_EQ(g.HauteurCase, 97);
    EXPECT_EQ(R(banc.k().Cases[1][1]), (Rect{14, 14, 108, 89}));
    EXPECT_EQ(R(banc.k().MursDroits[1][1]), (Rect{130, 18, 30, 81}));
    EXPECT_EQ(R(banc.k().MursBas[1][1]), (Rect{18, 111, 100, 30}));
    EXPECT_EQ(R(banc.k().MursBasDroits[1][1]), (Rect{130, 111, 30, 30}));
    EXPECT_EQ(R(banc.k().CadresCases[1][1]), (Rect{10, 10, 116, 97}));
    EXPECT_EQ(R(banc.k().CadresInterieurs[1][1]), (Rect{12, 12, 112, 93}));
    EXPECT_EQ(banc.k().CadresCases[1][1].LargeurStylo(), 2);
    EXPECT_EQ(banc.k().MursDroits[1][1].curseur(), Curseur::Main);
}

TEST_F(Disposition, CarreMagique1)
{
    Disposer(CarreMagique, 1);
    const GameState& g = banc.g();
    EXPECT_EQ(g.AvecBordure, 1);
    EXPECT_EQ(g.EcartCases, 21);
    EXPECT_EQ(banc.k().panelCentral.rect().width, 594);
    EXPECT_EQ(banc.k().panelCentral.rect().height, 524);
    EXPECT_EQ(g.LargeurCase, 64);
    EXPECT_EQ(g.HauteurCase, 54);
    EXPECT_EQ(banc.k().Cases[1][1].TaillePolice(), 29);
    EXPECT_EQ(banc.k().Cases[0][3].TaillePolice(), 20);
    EXPECT_EQ(banc.k().Cases[6][6].TaillePolice(), 20);
    EXPECT_EQ(R(banc.k().Cases[0][0]), (Rect{10, 10, 64, 54}));
    EXPECT_EQ(R(banc.k().Cases[1][1]), (Rect{95, 85, 64, 54}));
    // The ring is silver with a lowered inner bevel; the square's cells are drawn.
    EXPECT_EQ(banc.k().Cases[0][2].couleur(), couleurs::Argent);
    EXPECT_EQ(banc.k().Cases[0][2].BiseauInterieur(), Biseau::Abaisse);
    EXPECT_EQ(banc.k().Cases[2][2].BiseauInterieur(), Biseau::Aucun);
    EXPECT_EQ(R(banc.k().MursDroits[1][1]), (Rect{159, 85, 21, 54}));
    EXPECT_EQ(R(banc.k().MursBas[1][1]), (Rect{95, 139, 64, 21}));
    EXPECT_EQ(banc.k().MursDroits[1][1].curseur(), Curseur::Main);
    EXPECT_EQ(banc.k().MursBasDroits[1][1].curseur(), Curseur::Defaut);
}

TEST_F(Disposition, Labyrinthe1)
{
    Disposer(Labyrinthe, 1);
    const GameState& g = banc.g();
    EXPECT_EQ(g.MargePlateau, 0);
    EXPECT_EQ(g.EcartCases, 17);
    EXPECT_EQ(banc.k().panelCentral.rect().width, 595);
    EXPECT_EQ(banc.k().panelCentral.rect().height, 523);
    EXPECT_EQ(g.LargeurCase, 85);
    EXPECT_EQ(g.HauteurCase, 73);
    EXPECT_EQ(banc.k().Cases[1][1].TaillePolice(), 33);
    EXPECT_EQ(R(banc.k().Cases[2][3]), (Rect{102, 180, 85, 73}));
    EXPECT_EQ(R(banc.k().MursDroits[1][1]), (Rect{85, 0, 17, 73}));
    EXPECT_EQ(R(banc.k().MursBas[1][1]), (Rect{0, 73, 85, 17}));
}

TEST_F(Disposition, FacteursDEcran)
{
    // A 1920 x 1080 screen at 96 dpi: 2.4 x 1.8.
    banc.g().FacteurEcranX = 2.4;
    banc.g().FacteurEcranY = 1.8;
    Disposer(Memoire, 500);
    const GameState& g = banc.g();
    EXPECT_EQ(g.MargePlateau, 24);
    const Rect p = banc.k().panelCentral.rect();
    EXPECT_EQ((p.width - 2 * g.MargePlateau) % 10, 0);
    EXPECT_EQ((p.height - 2 * g.MargePlateau) % 10, 0);
    EXPECT_LE(1440 - p.width, 9);
    EXPECT_LE(945 - p.height, 9);
    EXPECT_EQ(R(banc.k().Cases[10][10]).right() + g.MargePlateau, p.width);
    EXPECT_EQ(R(banc.k().Cases[10][10]).bottom() + g.MargePlateau, p.height);
}

TEST_F(Disposition, PoliceDesCasesSuitLePlusPetitFacteurEtLaHauteur)
{
    // The design screen: the type of every board is the designed one, 200 (140 for the magic
    // square's ring) divided by the cells across.
    for (TTypeJeu t = Labyrinthe; t <= Memoire; ++t)
        for (int32_t numero = 1; numero <= 500; ++numero) {
            Disposer(t, numero);
            const int32_t cote = TaillePlateau(t, numero) + (t == CarreMagique ? 2 : 0);
            ASSERT_EQ(banc.k().Cases[1][1].TaillePolice(), Arrondi(200.0 / cote)) << t << " " << numero;
            if (t == CarreMagique) {
                ASSERT_EQ(banc.k().Cases[0][1].TaillePolice(), Arrondi(140.0 / cote)) << numero;
            }
        }
    // 1920 x 1080: the smaller factor, 1.8, not 2.4.
    banc.g().FacteurEcranX = 2.4;
    banc.g().FacteurEcranY = 1.8;
    Disposer(CarreMagique, 350);
    EXPECT_EQ(banc.k().Cases[1][1].TaillePolice(), Arrondi(1.8 * 200 / 13));
    // 2560 x 1080: the differences' cells are flat (gaps across by 3.2): held to their height.
    banc.g().FacteurEcranX = 3.2;
    Disposer(Differences, 500);
    const Rect r = banc.k().Cases[1][1].rect();
    EXPECT_LT(r.height * 2, r.width);
    EXPECT_EQ(banc.k().Cases[1][1].TaillePolice(), r.height * 3 / 4);
    EXPECT_LT(banc.k().Cases[1][1].TaillePolice(), Arrondi(1.8 * 200 / 12));
}

TEST_F(Disposition, NombreDeTiragesPourToutesLesTailles)
{
    for (int32_t numero = 1; numero <= 500; ++numero) {
        const int32_t nl = TaillePlateau(Labyrinthe, numero);
        ASSERT_EQ(Disposer(Labyrinthe, numero), 1599u + 3u * nl * nl) << numero;
        const int32_t nc = TaillePlateau(CarreMagique, numero);
        ASSERT_EQ(Disposer(CarreMagique, numero), 1066u + 3u * nc * nc) << numero;
        const int32_t nd = TaillePlateau(Differences, numero);
        ASSERT_EQ(Disposer(Differences, numero), 1066u + 3u * nd * nd) << numero;
        const int32_t ns = TaillePlateau(Serpentin, numero);
        ASSERT_EQ(Disposer(Serpentin, numero), 3u * ns * ns) << numero;
        const int32_t nm = TaillePlateau(Memoire, numero);
        ASSERT_EQ(Disposer(Memoire, numero), 3u * nm * nm) << numero;
    }
}

TEST_F(Disposition, OrdreDesTiragesDeCouleur)
{
    // Maze: walls first (blue, green, red each 51..150), then cells (blue, green, red each 151..200).
    Disposer(Labyrinthe, 1);
    PuzzleRandom r;
    r.Seed(PuzzleSeed(Labyrinthe, 1, 0));
    const int32_t b = r.Draw(100) + 50, v = r.Draw(100) + 50, rouge = r.Draw(100) + 50;
    EXPECT_EQ(banc.k().MursDroits[1][1].couleur(), RGB(rouge, v, b));
    for (int i = 0; i < 1599 - 3; ++i)
        r.Draw(100);
    const int32_t cb = r.Draw(50) + 150, cv = r.Draw(50) + 150, cr = r.Draw(50) + 150;
    EXPECT_EQ(banc.k().Cases[1][1].couleur(), RGB(cr, cv, cb));
    const int32_t cb2 = r.Draw(50) + 150, cv2 = r.Draw(50) + 150, cr2 = r.Draw(50) + 150;
    EXPECT_EQ(banc.k().Cases[1][2].couleur(), RGB(cr2, cv2, cb2));   // y inner
}

TEST_F(Disposition, MemeGraineMemesCouleurs)
{
    Disposer(Differences, 42);
    const Couleur premiere = banc.k().Cases[3][2].couleur();
    const Couleur mur = banc.k().MursBas[7][7].couleur();
    Disposer(Differences, 43);
    EXPECT_NE(banc.k().Cases[3][2].couleur(), premiere);
    Disposer(Differences, 42);
    EXPECT_EQ(banc.k().Cases[3][2].couleur(), premiere);
    EXPECT_EQ(banc.k().MursBas[7][7].couleur(), mur);
}

TEST_F(Disposition, LesCasesEtCadresRestentCaches)
{
    Disposer(Serpentin, 200);
    for (int x = 0; x <= 15; ++x)
        for (int y = 0; y <= 15; ++y)
            ASSERT_FALSE(banc.k().Cases[x][y].Visible());
    EXPECT_FALSE(banc.k().panelCentral.Visible());
    EXPECT_FALSE(banc.k().MursDroits[1][1].Visible());
}
