// Times the core's new game in one process, so that the same source built natively and in
// WebAssembly compares the rules' speed and not the start of a process: maze 500 (the largest
// maze) many times, then every puzzle of every game once. Prints medians in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "session/SessionAutonome.h"

using namespace cogitelle;

namespace {

double Maintenant()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double Mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    SessionAutonome s;
    // The first rounds let the engine compile the code at its best before they are counted.
    std::vector<double> labyrinthe;
    for (int i = 0; i < 60; ++i) {
        const double t = Maintenant();
        s.Jouer(Labyrinthe, 500);
        if (i >= 10)
            labyrinthe.push_back(Maintenant() - t);
    }
    std::vector<double> toutes;
    for (int tour = 0; tour < 5; ++tour) {
        const double t = Maintenant();
        for (TTypeJeu type = 1; type <= NbTypesJeu; ++type)
            for (int numero = 1; numero <= NombreTableaux; ++numero)
                s.Jouer(type, numero);
        toutes.push_back(Maintenant() - t);
    }
    std::printf("maze 500 new game: %.3f ms; all 2500 new games: %.1f ms\n", Mediane(labyrinthe), Mediane(toutes));
    return 0;
}
