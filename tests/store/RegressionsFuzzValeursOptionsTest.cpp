// The inputs on which the fuzzer of the typed settings values once failed, and its seed inputs,
// replayed: each must now pass every check of the fuzz target.
#include <gtest/gtest.h>

#include "fuzz/HarnaisValeursOptions.h"
#include "support/RejeuFuzz.h"

TEST(RegressionsFuzz, ValeursOptions)
{
    cogitelle::test::RejouerEntreesFuzz("ValeursOptions", cogitelle::fuzz::EssayerValeursOptions);
}
