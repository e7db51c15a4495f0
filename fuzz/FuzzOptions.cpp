// libFuzzer entry: see HarnaisOptions.h.
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "fuzz/HarnaisOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static QTemporaryDir dossier;
    const std::string faute = cogitelle::fuzz::EssayerOptions(donnees, taille, dossier.path());
    if (!faute.empty()) {
        std::fprintf(stderr, "cogitelle: %s\n", faute.c_str());
        std::abort();
    }
    return 0;
}
