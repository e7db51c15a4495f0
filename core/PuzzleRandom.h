// The seeded generator every board, colour and random puzzle choice is drawn from.
#pragma once

#include <cstdint>

namespace cogitelle {

namespace detail {
// The generator's step s -> 134775813 * s + 1 taken k times, as s -> a[k] * s + c[k], for k < 256.
constexpr uint32_t SautsCourts = 256;
struct TableSautsLCG {
    uint32_t a[SautsCourts] = {}, c[SautsCourts] = {};
    constexpr TableSautsLCG()
    {
        a[0] = 1u;
        for (uint32_t k = 1; k < SautsCourts; ++k) {
            a[k] = a[k - 1] * 134775813u;
            c[k] = c[k - 1] * 134775813u + 1u;
        }
    }
};
inline constexpr TableSautsLCG SautsCourtsLCG{};
} // namespace detail

// A 32-bit linear congruential generator. Every call of Random or Draw advances the state exactly
// once, whatever its argument: the sequence of calls is part of each puzzle's definition.
class PuzzleRandom {
public:
    static constexpr uint32_t Multiplicateur = 134775813u;

    void Seed(int32_t valeur) { etat_ = static_cast<uint32_t>(valeur); }

    // Seeds from the time of day in milliseconds (UTC); only the random puzzle choice uses it.
    void SeedFromMillisecondes(int32_t millisecondesDuJour) { Seed(millisecondesDuJour); }
    void SeedFromClock();

    // 0..n-1: the upper half of the 64-bit product of the new state and n.
    int32_t Random(int32_t n)
    {
        etat_ = etat_ * Multiplicateur + 1u;
        ++tirages_;
        return static_cast<int32_t>((static_cast<uint64_t>(etat_) * static_cast<uint32_t>(n)) >> 32);
    }

    // 1..n
    int32_t Draw(int32_t n) { return Random(n) + 1; }

    // Advances the state by k steps at once, exactly as k calls of Random would, and counts them
    // as k draws: for a search that knows how many draws a stretch takes but needs none of them.
    void Avancer(uint32_t k)
    {
        tirages_ += k;
        if (k < detail::SautsCourts) {
            etat_ = etat_ * detail::SautsCourtsLCG.a[k] + detail::SautsCourtsLCG.c[k];
            return;
        }
        // Powers of the step s -> a*s + c, composed by squaring.
        uint32_t a = Multiplicateur, c = 1u, totalA = 1u, totalC = 0u;
        for (; k != 0; k >>= 1) {
            if (k & 1u) {
                totalA *= a;
                totalC = totalC * a + c;
            }
            c *= a + 1u;
            a *= a;
        }
        etat_ = etat_ * totalA + totalC;
    }

    uint32_t Etat() const { return etat_; }
    // Count of draws since the program started; lets tests and benchmarks see where draws happen.
    uint64_t Tirages() const { return tirages_; }

private:
    uint32_t etat_ = 0;
    uint64_t tirages_ = 0;
};

inline int32_t PuzzleSeed(int32_t type, int32_t numero, int32_t tentatives)
{
    return type * 500 + numero + tentatives;
}

// Milliseconds since midnight UTC of the system clock.
int32_t MillisecondesDuJourUTC();

} // namespace cogitelle
