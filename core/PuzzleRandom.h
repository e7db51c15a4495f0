// The seeded generator every board, colour and random puzzle choice is drawn from.
#pragma once

#include <cstdint>

namespace cogitelle {

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
