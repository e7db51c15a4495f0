// The settings files on which the options fuzzer once failed, and its seed inputs, replayed: each
// must now pass every check of the fuzz target.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/HarnaisOptions.h"

TEST(RegressionsFuzz, Options)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    int vus = 0;
    std::error_code absent;   // a folder with no input yet is not kept by git
    for (const char* sous : {"/tests/fuzz-regressions/Options", "/fuzz/corpus/Options"})
        for (const auto& entree : std::filesystem::directory_iterator(std::string(COGITELLE_SOURCE_DIR) + sous,
                 std::filesystem::directory_options::none, absent)) {
            std::ifstream f(entree.path(), std::ios::binary);
            const std::string octets{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
            EXPECT_EQ(cogitelle::fuzz::EssayerOptions(reinterpret_cast<const uint8_t*>(octets.data()), octets.size(),
                          dossier.path()),
                "")
                << entree.path();
            ++vus;
        }
    EXPECT_GE(vus, 1);
}
