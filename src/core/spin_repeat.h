#pragma once

#include <cstdint>

// The spin buttons' auto-repeat. A press changes the count by one at once (the caller does
// that); the timer's ticks then pause three times and step by ever larger amounts the
// longer the button is held: 17 steps of 1, then 20 each of 3, 10, 30, 100, 500 and 1000,
// then 10000.
class SpinRepeat {
  public:
    // What Tick() returns on the pause ticks, which leave the count alone.
    static constexpr std::int32_t kPause = 1337;

    // A press starts a new run; the next tick fixes its direction.
    void Press(bool upward);
    // The amount to add to the count at this tick, or kPause.
    std::int32_t Tick();

  private:
    bool m_spinUpward = false;
    std::int32_t m_spinStep = 0;
    std::int32_t m_spinTicks = 0;
    std::int32_t m_spinSign = 0;
};
