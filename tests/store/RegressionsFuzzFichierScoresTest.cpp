// The inputs on which the score-file fuzzer once failed, and its seed inputs, replayed: each must
// now pass every check of the fuzz target.
#include <gtest/gtest.h>

#include "fuzz/HarnaisFichierScores.h"
#include "support/RejeuFuzz.h"

TEST(RegressionsFuzz, FichierScores)
{
    cogitelle::test::RejouerEntreesFuzz("FichierScores", cogitelle::fuzz::EssayerFichierScores);
}
