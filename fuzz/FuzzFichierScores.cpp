// libFuzzer entry: see HarnaisFichierScores.h.
#include <cstdio>
#include <cstdlib>

#include "fuzz/Allocation.h"

#include "fuzz/HarnaisFichierScores.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    cogitelle::fuzz::GarderLaMemoire();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const std::string faute = cogitelle::fuzz::EssayerFichierScores(donnees, taille);
    if (!faute.empty()) {
        std::fprintf(stderr, "cogitelle: %s\n", faute.c_str());
        std::abort();
    }
    return 0;
}
