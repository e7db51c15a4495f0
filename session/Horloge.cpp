#include "session/Horloge.h"

namespace cogitelle {

void HorlogeScore::MinuterieChangee(const Minuterie& m, double maintenantMs)
{
    if (m.id != Minuterie::Score || !m.Enabled)
        return;
    debut_ = maintenantMs;
    tics_ = 0;
}

double HorlogeScore::Avancer(const Minuterie& m, double maintenantMs, const std::function<void()>& tic)
{
    // Each tick is weighed again: one that restarts the timer begins a new count from now.
    while (m.Enabled && m.Interval > 0 && tics_ < static_cast<int64_t>((maintenantMs - debut_) / m.Interval)) {
        ++tics_;
        tic();
    }
    if (!m.Enabled || m.Interval <= 0)
        return -1;
    return static_cast<double>(tics_ + 1) * m.Interval - (maintenantMs - debut_);
}

} // namespace cogitelle
