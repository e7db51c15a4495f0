#include "core/PuzzleRandom.h"

#include <chrono>

#include "core/GameState.h"
#include "core/Ports.h"

namespace cogitelle {

int32_t MillisecondesDuJourUTC()
{
    using namespace std::chrono;
    const auto maintenant = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<int32_t>(maintenant % (24LL * 3600 * 1000));
}

void PuzzleRandom::SeedFromClock() { Seed(MillisecondesDuJourUTC()); }

int Ports::MillisecondesDuJour() { return MillisecondesDuJourUTC(); }

void RemplirVoisins(TableVoisins& v)
{
    const int32_t dx[9] = {0, -1, 0, 1, 1, 1, 0, -1, -1};
    const int32_t dy[9] = {0, -1, -1, -1, 0, 1, 1, 1, 0};
    for (int d = 1; d <= 8; ++d) {
        v.VoisinDX[d] = dx[d];
        v.VoisinDY[d] = dy[d];
        v.VoisinDiagonal[d] = (dx[d] != 0 && dy[d] != 0) ? 1 : 0;
    }
}

} // namespace cogitelle
