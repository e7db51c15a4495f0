// Runs the puzzle printer cogitelle-puzzle (its path comes from the build) and captures its
// output, its status and, on demand, what it wrote on stderr.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace cogitelle::test {

struct SortieImprimante {
    int statut = -1;
    std::string sortie;
};

namespace detail {
#ifdef _WIN32
// The printer writes binary bytes: reading them as such shows a stray "\r".
inline FILE* Ouvrir(const std::string& commande) { return _popen(commande.c_str(), "rb"); }
inline int Statut(FILE* f) { return _pclose(f); }
inline int Processus() { return _getpid(); }
#else
inline FILE* Ouvrir(const std::string& commande) { return popen(commande.c_str(), "r"); }
inline int Statut(FILE* f)
{
    const int brut = pclose(f);
    return WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
}
inline int Processus() { return getpid(); }
#endif

inline void LireTout(FILE* f, std::string& texte)
{
    std::array<char, 65536> tampon;
    size_t lus;
    while ((lus = fread(tampon.data(), 1, tampon.size(), f)) > 0)
        texte.append(tampon.data(), lus);
}
} // namespace detail

// Runs the printer with the given arguments; stderr goes to a file of this run alone (tests may
// run in parallel processes), read back into `erreurs` when it is given.
inline SortieImprimante LancerImprimante(const std::string& arguments, std::string* erreurs = nullptr)
{
    static int appels = 0;
    const std::string fichierErreurs = ::testing::TempDir() + "cogitelle-puzzle-stderr-" +
        std::to_string(detail::Processus()) + "-" + std::to_string(appels++) + ".txt";
    SortieImprimante r;
    FILE* f = detail::Ouvrir(std::string(COGITELLE_PUZZLE) + " " + arguments + " 2>" + fichierErreurs);
    if (!f)
        return r;
    detail::LireTout(f, r.sortie);
    r.statut = detail::Statut(f);
    if (erreurs) {
        erreurs->clear();
        if (FILE* e = fopen(fichierErreurs.c_str(), "rb")) {
            detail::LireTout(e, *erreurs);
            fclose(e);
        }
    }
    std::remove(fichierErreurs.c_str());
    return r;
}

} // namespace cogitelle::test
