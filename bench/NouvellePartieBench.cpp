// New-game time for every puzzle of every game, core only, against the floor of its draws.
//
// The draws of a new game form one dependent chain (each is a multiply-add on the one 32-bit
// state), so no new game can take less than its draws times the time of one bare draw. Each
// puzzle is timed as the best of several passes over puzzles 1..500 of its type in one session
// (each game follows the previous puzzle of the same type, as with ">>"), and compared with that
// floor. After the Google Benchmark output a table sums up each game type.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "session/Textes.h"
#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "games/Disposition.h"
#include "games/Rendu.h"
#include "session/SessionAutonome.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "store/SystemeFichiersMemoire.h"

using namespace cogitelle;

namespace {

using Horloge = std::chrono::steady_clock;

double Microsecondes(Horloge::time_point a, Horloge::time_point b)
{
    return std::chrono::duration<double, std::micro>(b - a).count();
}

// One chain of draws as a new game makes them: every draw needs the state the previous one left.
uint32_t Chaine(PuzzleRandom& r, int32_t nb)
{
    uint32_t somme = 0;
    for (int32_t i = 0; i < nb; ++i)
        somme += static_cast<uint32_t>(r.Draw(100));
    return somme;
}

// Nanoseconds of one bare draw: the best of several chains of a million draws.
double NanosecondesParTirage()
{
    constexpr int32_t Longueur = 1 << 20;
    PuzzleRandom r;
    r.Seed(501);
    double meilleur = 1e30;
    for (int essai = 0; essai < 9; ++essai) {
        const auto t0 = Horloge::now();
        benchmark::DoNotOptimize(Chaine(r, Longueur));
        const auto t1 = Horloge::now();
        meilleur = std::min(meilleur, Microsecondes(t0, t1) * 1000.0 / Longueur);
    }
    return meilleur;
}

struct Mesure {
    double us = 1e30;       // best time of the puzzle's new game
    uint64_t tirages = 0;   // draws it makes
};

// Filled by BM_NouvellePartie, summed up after the run.
Mesure mesures[6][501];
bool mesure[6] = {};
double nsTirage = 1e30;

void BM_Draw(benchmark::State& state)
{
    PuzzleRandom r;
    r.Seed(501);
    for (auto _ : state)
        benchmark::DoNotOptimize(r.Draw(100));
}
BENCHMARK(BM_Draw);

void BM_NouvellePartie(benchmark::State& state)
{
    const TTypeJeu type = static_cast<TTypeJeu>(state.range(0));
    SessionAutonome s;
    Mesure* m = mesures[type];
    for (int32_t numero = 1; numero <= 500; ++numero)
        m[numero] = Mesure{};
    for (auto _ : state)
        for (int32_t numero = 1; numero <= 500; ++numero) {
            const uint64_t avant = s.hasard.Tirages();
            const auto t0 = Horloge::now();
            s.Jouer(type, numero);
            const auto t1 = Horloge::now();
            m[numero].us = std::min(m[numero].us, Microsecondes(t0, t1));
            m[numero].tirages = s.hasard.Tirages() - avant;
            // The board widget takes the changed rectangles after every event.
            s.controles->PrendreZonesSales();
        }
    mesure[type] = true;
    std::vector<double> tri;
    for (int32_t numero = 1; numero <= 500; ++numero)
        tri.push_back(m[numero].us);
    std::sort(tri.begin(), tri.end());
    state.counters["median_us"] = tri[tri.size() / 2];
    state.counters["slowest_us"] = tri.back();
}
// A maze pass takes about half a second; the other games a tenth of that or less.
BENCHMARK(BM_NouvellePartie)->Arg(1)->Iterations(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NouvellePartie)->DenseRange(2, 5)->Iterations(12)->Unit(benchmark::kMillisecond);

// The fixed work of a new game, piece by piece, on puzzle 500 of each game type (its largest
// board). Each piece runs again on an unchanged board, so every control setter finds its value
// already there: what remains is the cost of going over the controls and, for the layout, its
// colour draws (counted in the `draws` counter).
struct Session500 : SessionAutonome {
    explicit Session500(TTypeJeu type) { Jouer(type, 500); controles->PrendreZonesSales(); }
};

void BM_Fixe_DisposerPlateau(benchmark::State& state)
{
    Session500 s(static_cast<TTypeJeu>(state.range(0)));
    const PuzzleRandom depart = s.hasard;   // every layout draws the same colours
    for (auto _ : state) {
        s.hasard = depart;
        DisposerPlateau(s.ctx);
        s.controles->PrendreZonesSales();
    }
    state.counters["draws"] = static_cast<double>(s.hasard.Tirages() - depart.Tirages());
}
BENCHMARK(BM_Fixe_DisposerPlateau)->DenseRange(1, 5);

// The full redraw of the new game: every cell of the board (and the magic square's ring).
void BM_Fixe_AfficherCases(benchmark::State& state)
{
    Session500 s(static_cast<TTypeJeu>(state.range(0)));
    const int32_t d = s.etat->AvecBordure;
    const int32_t n = s.etat->NbColonnes;
    for (auto _ : state)
        AfficherCases(s.ctx, 1 - d, 1 - d, n + d, n + d);
}
BENCHMARK(BM_Fixe_AfficherCases)->DenseRange(1, 5);

void BM_Fixe_SauverOptions(benchmark::State& state)
{
    Session500 s(Memoire);
    for (auto _ : state)
        SauverOptions(s.ctx);
}
BENCHMARK(BM_Fixe_SauverOptions);

// A save of the score file on the disk, as at every new game and every record: the lock, the
// re-reading of the file, the temporary file flushed and renamed. Arg 0: the machine's own file
// system, in a fresh folder under the system's temporary folder; arg 1: the in-memory one.
void BM_EcrireMeilleursScores(benchmark::State& state)
{
    Session500 s(Memoire);
    SystemeFichiersMemoire memoire;
    const std::filesystem::path dossier = std::filesystem::temp_directory_path() /
        ("cogitelle-bench-" + std::to_string(Horloge::now().time_since_epoch().count()));
    std::filesystem::create_directories(dossier);
    s.ctx.CheminScores = (dossier / "scoresI").string();
    if (state.range(0) == 1)
        s.ctx.Sauvegardes.fichiers = &memoire;
    EcrireMeilleursScores(s.ctx);
    for (auto _ : state)
        EcrireMeilleursScores(s.ctx);
    if (!s.ctx.Sauvegardes.derniereSauvegardeReussie)
        state.SkipWithError("the save failed");
    std::error_code ec;
    std::filesystem::remove_all(dossier, ec);
}
BENCHMARK(BM_EcrireMeilleursScores)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Fixe_PreparerTextes(benchmark::State& state)
{
    Session500 s(Memoire);
    for (auto _ : state)
        PreparerTextes(s.ctx);
}
BENCHMARK(BM_Fixe_PreparerTextes);

// A whole new game of puzzle 500 replayed ("REJOUER"): the same draws, no control changes.
void BM_Fixe_Rejouer(benchmark::State& state)
{
    Session500 s(static_cast<TTypeJeu>(state.range(0)));
    const uint64_t avant = s.hasard.Tirages();
    for (auto _ : state) {
        NouvellePartie(s.ctx);
        s.controles->PrendreZonesSales();
    }
    state.counters["draws"] = static_cast<double>(s.hasard.Tirages() - avant) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Fixe_Rejouer)->DenseRange(2, 5);

const char* const NomsJeux[6] = {"", "Labyrinthe", "CarreMagique", "Differences", "Serpentin", "Memoire"};

// Every puzzle's figures, one line each, for a closer look: set COGITELLE_BENCH_CSV to a path.
void EcrireCsv(const char* chemin)
{
    FILE* f = std::fopen(chemin, "w");
    if (!f)
        return;
    std::fprintf(f, "type,number,us,draws,floor_us,ratio\n");
    for (int t = 1; t <= 5; ++t)
        if (mesure[t])
            for (int32_t numero = 1; numero <= 500; ++numero) {
                const Mesure& m = mesures[t][numero];
                const double plancher = static_cast<double>(m.tirages) * nsTirage / 1000.0;
                std::fprintf(f, "%d,%d,%.3f,%llu,%.3f,%.3f\n", t, numero, m.us,
                    static_cast<unsigned long long>(m.tirages), plancher, m.us / plancher);
            }
    std::fclose(f);
}

void Resumer()
{
    std::printf("\nNew game, best of the passes, against its draw floor (draws x %.3f ns, one bare Draw):\n\n",
        nsTirage);
    std::printf("%-13s %9s %9s %9s | %7s %10s %9s %9s %7s | %12s %7s %10s\n", "game", "median", "median",
        "median", "slowest", "time", "draws", "floor", "ratio", "worst ratio", "over", "all 500");
    std::printf("%-13s %9s %9s %9s | %7s %10s %9s %9s %7s | %12s %7s %10s\n", "", "us", "draws", "ratio",
        "no", "us", "", "us", "", "(no)", "3x", "ms");
    for (int t = 1; t <= 5; ++t) {
        if (!mesure[t])
            continue;
        const Mesure* m = mesures[t];
        std::vector<double> temps, tirages, ratios;
        int32_t lent = 1, pire = 1, auDessus = 0;
        double total = 0;
        for (int32_t numero = 1; numero <= 500; ++numero) {
            const double plancher = static_cast<double>(m[numero].tirages) * nsTirage / 1000.0;
            const double ratio = m[numero].us / plancher;
            temps.push_back(m[numero].us);
            tirages.push_back(static_cast<double>(m[numero].tirages));
            ratios.push_back(ratio);
            total += m[numero].us;
            if (m[numero].us > m[lent].us)
                lent = numero;
            if (ratio > ratios[pire - 1])
                pire = numero;
            if (ratio > 3.0)
                ++auDessus;
        }
        const auto mediane = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        const double plancherLent = static_cast<double>(m[lent].tirages) * nsTirage / 1000.0;
        char pireTexte[32];
        std::snprintf(pireTexte, sizeof pireTexte, "%.2f (%d)", ratios[pire - 1], pire);
        std::printf("%-13s %9.2f %9.0f %9.2f | %7d %10.2f %9llu %9.2f %7.2f | %12s %7d %10.1f\n", NomsJeux[t],
            mediane(temps), mediane(tirages), mediane(ratios), lent, m[lent].us,
            static_cast<unsigned long long>(m[lent].tirages), plancherLent, m[lent].us / plancherLent, pireTexte,
            auDessus, total / 1000.0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    nsTirage = NanosecondesParTirage();
    benchmark::RunSpecifiedBenchmarks();
    // The floor is measured before and after, the better of the two kept: a busy machine only
    // ever makes a chain slower.
    nsTirage = std::min(nsTirage, NanosecondesParTirage());
    Resumer();
    if (const char* csv = std::getenv("COGITELLE_BENCH_CSV"))
        EcrireCsv(csv);
    benchmark::Shutdown();
    return 0;
}
