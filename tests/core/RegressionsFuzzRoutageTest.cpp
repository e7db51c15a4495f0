// The inputs on which the routing fuzzer once failed, and its seed inputs, replayed: each must now
// pass every check of the fuzz target.
#include <gtest/gtest.h>

#include "fuzz/HarnaisRoutage.h"
#include "support/RejeuFuzz.h"

TEST(RegressionsFuzz, Routage)
{
    cogitelle::test::RejouerEntreesFuzz("Routage", cogitelle::fuzz::EssayerRoutage, 3);
}
