#include <gtest/gtest.h>

#include "core/PuzzleRandom.h"

using cogitelle::PuzzleRandom;

// A jump of k steps lands where k draws land, and counts as k draws.
TEST(PuzzleRandom, AvancerCommeKTirages)
{
    for (const uint32_t k : {0u, 1u, 2u, 7u, 195u, 255u, 256u, 257u, 1000u, 65537u, 1234567u}) {
        for (const int32_t graine : {0, 501, 3000, -1}) {
            PuzzleRandom pas, saut;
            pas.Seed(graine);
            saut.Seed(graine);
            for (uint32_t i = 0; i < k; ++i)
                pas.Random(4);
            saut.Avancer(k);
            EXPECT_EQ(saut.Etat(), pas.Etat()) << k << " from " << graine;
            EXPECT_EQ(saut.Tirages(), pas.Tirages()) << k;
            EXPECT_EQ(saut.Draw(100), pas.Draw(100)) << k;
        }
    }
}
