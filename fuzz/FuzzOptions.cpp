// libFuzzer entry: see HarnaisOptions.h.
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "fuzz/HarnaisOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    // In memory where the system has a tmpfs: no disk write, no real flush.
    static QTemporaryDir dossier(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/cogitelle-fuzz-XXXXXX")
                                                                          : QDir::tempPath() + QStringLiteral("/cogitelle-fuzz-XXXXXX"));
    const std::string faute = cogitelle::fuzz::EssayerOptions(donnees, taille, dossier.path());
    if (!faute.empty()) {
        std::fprintf(stderr, "cogitelle: %s\n", faute.c_str());
        std::abort();
    }
    return 0;
}
