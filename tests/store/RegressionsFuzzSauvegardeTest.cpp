// The inputs on which the fuzzer of the save under faults once failed, and its seed inputs, replayed: each must
// now pass every check of the fuzz target.
#include <gtest/gtest.h>

#include "fuzz/HarnaisSauvegarde.h"
#include "support/RejeuFuzz.h"

TEST(RegressionsFuzz, Sauvegarde)
{
    cogitelle::test::RejouerEntreesFuzz("Sauvegarde", cogitelle::fuzz::EssayerSauvegarde);
}
