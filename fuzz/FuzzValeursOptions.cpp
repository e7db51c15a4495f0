// libFuzzer entry: see HarnaisValeursOptions.h.
#include <cstdio>
#include <cstdlib>

#include "fuzz/HarnaisValeursOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const std::string faute = cogitelle::fuzz::EssayerValeursOptions(donnees, taille);
    if (!faute.empty()) {
        std::fprintf(stderr, "cogitelle: %s\n", faute.c_str());
        std::abort();
    }
    return 0;
}
