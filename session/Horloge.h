// The score clock of a front end whose timers the system may hold back or stop (a hidden browser
// tab runs its timers about once a minute, a frozen one not at all): each interval that really
// passed since the timer started is one tick, taken whenever the front end next wakes the clock.
#pragma once

#include <cstdint>
#include <functional>

#include "core/Controles.h"

namespace cogitelle {

class HorlogeScore {
public:
    // A timer's model changed at `maintenantMs` (a steady clock, in milliseconds): the score
    // timer's start, or its new interval while it runs, begins the count anew.
    void MinuterieChangee(const Minuterie& m, double maintenantMs);
    // Runs `tic` once for each interval of `m` that passed by `maintenantMs` and was not counted
    // yet, while the timer runs (a tick may stop or restart it). Returns the milliseconds to the
    // next tick, or -1 while the timer is stopped.
    double Avancer(const Minuterie& m, double maintenantMs, const std::function<void()>& tic);

private:
    double debut_ = 0;   // when the count began
    int64_t tics_ = 0;   // the ticks counted since
};

} // namespace cogitelle
