// New-game time for every puzzle of every game, core only.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/SessionAutonome.h"

using namespace cogitelle;

namespace {

// One bare draw: the floor of every new game, whose draws form one dependent chain.
void BM_Draw(benchmark::State& state)
{
    PuzzleRandom r;
    r.Seed(501);
    int32_t somme = 0;
    for (auto _ : state) {
        somme += r.Draw(100);
        benchmark::DoNotOptimize(somme);
    }
}
BENCHMARK(BM_Draw);

// Every puzzle of one game type: the counters give the median and the slowest puzzle (the best
// of the iterations for each), and the draws the slowest one makes.
void BM_NouvellePartie(benchmark::State& state)
{
    const TTypeJeu type = static_cast<TTypeJeu>(state.range(0));
    SessionAutonome s;
    std::vector<double> meilleur(501, 1e30);
    std::vector<uint64_t> tirages(501, 0);
    for (auto _ : state) {
        for (int32_t numero = 1; numero <= 500; ++numero) {
            const uint64_t avant = s.hasard.Tirages();
            const auto t0 = std::chrono::steady_clock::now();
            s.Jouer(type, numero);
            const auto t1 = std::chrono::steady_clock::now();
            meilleur[numero] = std::min(meilleur[numero], std::chrono::duration<double, std::micro>(t1 - t0).count());
            tirages[numero] = s.hasard.Tirages() - avant;
        }
    }
    std::vector<double> tri(meilleur.begin() + 1, meilleur.end());
    std::sort(tri.begin(), tri.end());
    const auto pire = std::max_element(meilleur.begin() + 1, meilleur.end());
    const int32_t numeroPire = static_cast<int32_t>(pire - meilleur.begin());
    uint64_t total = 0;
    for (int32_t numero = 1; numero <= 500; ++numero)
        total += tirages[numero];
    std::vector<uint64_t> triTirages(tirages.begin() + 1, tirages.end());
    std::sort(triTirages.begin(), triTirages.end());
    state.counters["median_us"] = tri[tri.size() / 2];
    state.counters["slowest_us"] = *pire;
    state.counters["slowest_no"] = numeroPire;
    state.counters["slowest_draws"] = static_cast<double>(tirages[numeroPire]);
    state.counters["median_draws"] = static_cast<double>(triTirages[triTirages.size() / 2]);
    state.counters["all_draws"] = static_cast<double>(total);
}
BENCHMARK(BM_NouvellePartie)->DenseRange(1, 5)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
