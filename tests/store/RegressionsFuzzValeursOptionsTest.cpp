// The inputs on which the fuzzer of the typed settings values once failed, and its seed inputs,
// replayed: each must now pass every check of the fuzz target.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/HarnaisValeursOptions.h"

TEST(RegressionsFuzz, ValeursOptions)
{
    int vus = 0;
    std::error_code absent;   // a folder with no input yet is not kept by git
    for (const char* dossier : {"/tests/fuzz-regressions/ValeursOptions", "/fuzz/corpus/ValeursOptions"})
        for (const auto& entree : std::filesystem::directory_iterator(std::string(COGITELLE_SOURCE_DIR) + dossier,
                 std::filesystem::directory_options::none, absent)) {
            std::ifstream f(entree.path(), std::ios::binary);
            const std::string octets{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
            EXPECT_EQ(cogitelle::fuzz::EssayerValeursOptions(reinterpret_cast<const uint8_t*>(octets.data()), octets.size()), "")
                << entree.path();
            ++vus;
        }
    EXPECT_GE(vus, 1);
}
