#include "core/spin_repeat.h"

#include <array>

namespace {

struct StepRun {
    std::int32_t lastTick;
    std::int32_t step;
};

constexpr std::array<StepRun, 8> kStepRuns = {{
    {3, SpinRepeat::kPause},
    {20, 1},
    {40, 3},
    {60, 10},
    {80, 30},
    {100, 100},
    {120, 500},
    {140, 1000},
}};
constexpr std::int32_t kLongestStep = 10000;
// Past the last run every tick steps the same, so counting further changes nothing.
constexpr std::int32_t kTicksThatMatter = 141;

std::int32_t StepAt(std::int32_t ticks) {
    for (const StepRun& run : kStepRuns) {
        if (ticks <= run.lastTick) {
            return run.step;
        }
    }
    return kLongestStep;
}

}  // namespace

void SpinRepeat::Press(bool upward) {
    m_spinStep = 0;
    m_spinUpward = upward;
}

std::int32_t SpinRepeat::Tick() {
    if (m_spinStep == 0) {
        m_spinTicks = 0;
        m_spinSign = m_spinUpward ? 1 : -1;
    }
    if (m_spinTicks < kTicksThatMatter) {
        ++m_spinTicks;
    }
    const std::int32_t step = StepAt(m_spinTicks);
    m_spinStep = step == kPause ? kPause : step * m_spinSign;
    return m_spinStep;
}
