// Replays the kept inputs of a fuzz target, and its seed inputs, through its harness: each must
// pass every check of the target (the harness returns an empty text).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace cogitelle::test {

// Calls `essayer(octets, taille)` on every file of tests/fuzz-regressions/CIBLE and
// fuzz/corpus/CIBLE; expects at least `auMoins` of them.
template <typename Essai>
void RejouerEntreesFuzz(const std::string& cible, Essai essayer, int auMoins = 1)
{
    int vus = 0;
    std::error_code absent;   // a folder with no input yet is not kept by git
    for (const std::string dossier : {"/tests/fuzz-regressions/", "/fuzz/corpus/"})
        for (const auto& entree : std::filesystem::directory_iterator(std::string(COGITELLE_SOURCE_DIR) + dossier + cible,
                 std::filesystem::directory_options::none, absent)) {
            std::ifstream f(entree.path(), std::ios::binary);
            const std::string octets{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
            EXPECT_EQ(essayer(reinterpret_cast<const uint8_t*>(octets.data()), octets.size()), "") << entree.path();
            ++vus;
        }
    EXPECT_GE(vus, auMoins);
}

} // namespace cogitelle::test
