#include <gtest/gtest.h>

#include "core/GameState.h"
#include "core/PuzzleRandom.h"

using namespace cogitelle;

TEST(PuzzleRandom, VecteursDeReference)
{
    PuzzleRandom r;
    r.Seed(501);
    EXPECT_EQ(r.Draw(100), 73);
    EXPECT_EQ(r.Draw(100), 70);
    EXPECT_EQ(r.Draw(100), 97);
    EXPECT_EQ(r.Etat(), 4161092800u);

    r.Seed(501);
    r.Random(7);
    EXPECT_EQ(r.Etat(), 3098172874u);

    r.Seed(3000);
    EXPECT_EQ(r.Draw(10), 2);
    EXPECT_EQ(r.Draw(10), 1);
}

TEST(PuzzleRandom, EtatInitialNulEtTirageDeUnAvance)
{
    PuzzleRandom r;
    EXPECT_EQ(r.Etat(), 0u);
    EXPECT_EQ(r.Draw(1), 1);
    EXPECT_EQ(r.Etat(), 1u);   // 0 * a + 1
    EXPECT_EQ(r.Tirages(), 1u);
    const uint32_t avant = r.Etat();
    EXPECT_EQ(r.Random(1), 0);
    EXPECT_NE(r.Etat(), avant);
}

TEST(PuzzleRandom, BornesEtReproductibilite)
{
    PuzzleRandom a, b;
    a.Seed(PuzzleSeed(3, 5, 1));
    b.Seed(PuzzleSeed(3, 6, 0));   // one rejected board uses the next puzzle's seed
    for (int i = 0; i < 10000; ++i) {
        const int n = 1 + i % 200;
        const int va = a.Draw(n);
        ASSERT_EQ(va, b.Draw(n));
        ASSERT_GE(va, 1);
        ASSERT_LE(va, n);
    }
    EXPECT_EQ(PuzzleSeed(1, 1, 0), 501);
    EXPECT_EQ(PuzzleSeed(5, 500, 0), 3000);
}

TEST(PuzzleRandom, GraineDeLHorloge)
{
    PuzzleRandom r;
    r.SeedFromMillisecondes(((13 * 60 + 5) * 60 + 7) * 1000 + 250);
    EXPECT_EQ(r.Etat(), 47107250u);
    const int32_t ms = MillisecondesDuJourUTC();
    EXPECT_GE(ms, 0);
    EXPECT_LT(ms, 24 * 3600 * 1000);
}

TEST(GameState, VoisinsEtPlateau)
{
    TableVoisins v;
    RemplirVoisins(v);
    const int dx[] = {-1, 0, 1, 1, 1, 0, -1, -1};
    const int dy[] = {-1, -1, -1, 0, 1, 1, 1, 0};
    for (int d = 1; d <= 8; ++d) {
        EXPECT_EQ(v.VoisinDX[d], dx[d - 1]) << d;
        EXPECT_EQ(v.VoisinDY[d], dy[d - 1]) << d;
        EXPECT_EQ(v.VoisinDiagonal[d], d % 2) << d;
    }
    auto g = std::make_unique<GameState>();
    g->NbColonnes = g->NbLignes = 6;
    EXPECT_FALSE(DansLePlateau(*g, 0, 1));
    EXPECT_FALSE(DansLePlateau(*g, 7, 1));
    EXPECT_FALSE(DansLePlateau(*g, 1, 7));
    EXPECT_FALSE(DansLePlateau(*g, 1, 0));
    EXPECT_TRUE(DansLePlateau(*g, 1, 1));
    EXPECT_TRUE(DansLePlateau(*g, 6, 6));
}
