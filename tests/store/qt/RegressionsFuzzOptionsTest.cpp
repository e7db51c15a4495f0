// The settings files on which the options fuzzer once failed, and its seed inputs, replayed: each
// must now pass every check of the fuzz target.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "fuzz/HarnaisOptions.h"
#include "support/RejeuFuzz.h"

TEST(RegressionsFuzz, Options)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    cogitelle::test::RejouerEntreesFuzz("Options", [&](const uint8_t* octets, size_t taille) {
        return cogitelle::fuzz::EssayerOptions(octets, taille, dossier.path());
    });
}
