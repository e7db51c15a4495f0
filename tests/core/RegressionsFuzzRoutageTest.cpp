// The inputs on which the routing fuzzer once failed, and its seed inputs, replayed: each must now
// pass every check of the fuzz target.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/HarnaisRoutage.h"

namespace {

std::string Lire(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(RegressionsFuzz, Routage)
{
    int vus = 0;
    std::error_code absent;   // a folder with no input yet is not kept by git
    for (const char* dossier : {"/tests/fuzz-regressions/Routage", "/fuzz/corpus/Routage"})
        for (const auto& entree : std::filesystem::directory_iterator(std::string(COGITELLE_SOURCE_DIR) + dossier,
                 std::filesystem::directory_options::none, absent)) {
            const std::string octets = Lire(entree.path());
            EXPECT_EQ(cogitelle::fuzz::EssayerRoutage(reinterpret_cast<const uint8_t*>(octets.data()), octets.size()), "")
                << entree.path();
            ++vus;
        }
    EXPECT_GE(vus, 3);
}
