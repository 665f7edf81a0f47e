#include <QTest>
#include <cstdint>

#include "core/spin_repeat.h"

// The held spin button's schedule, tick by tick, without a window or a timer.
class SpinRepeatTest : public QObject {
    Q_OBJECT

  private slots:
    void nth_tick_after_a_press_steps_data();
    void nth_tick_after_a_press_steps();
    void ten_minutes_of_ticks_add_up_to_the_held_count();
    void a_new_press_starts_the_schedule_again();
    void the_last_press_before_the_first_tick_sets_the_direction();
};

namespace {

// The amount of the n-th tick (from 1) after a fresh press.
std::int32_t StepAtTick(bool upward, int tick) {
    SpinRepeat repeat;
    repeat.Press(upward);
    std::int32_t step = 0;
    for (int i = 0; i < tick; ++i) {
        step = repeat.Tick();
    }
    return step;
}

}  // namespace

void SpinRepeatTest::nth_tick_after_a_press_steps_data() {
    QTest::addColumn<int>("tick");
    QTest::addColumn<std::int32_t>("step");

    const std::int32_t pause = SpinRepeat::kPause;
    QTest::newRow("first pause") << 1 << pause;
    QTest::newRow("last pause") << 3 << pause;
    QTest::newRow("first step of 1") << 4 << 1;
    QTest::newRow("last step of 1") << 20 << 1;
    QTest::newRow("first step of 3") << 21 << 3;
    QTest::newRow("last step of 3") << 40 << 3;
    QTest::newRow("first step of 10") << 41 << 10;
    QTest::newRow("first step of 30") << 61 << 30;
    QTest::newRow("first step of 100") << 81 << 100;
    QTest::newRow("first step of 500") << 101 << 500;
    QTest::newRow("first step of 1000") << 121 << 1000;
    QTest::newRow("last step of 1000") << 140 << 1000;
    QTest::newRow("first step of 10000") << 141 << 10000;
    QTest::newRow("still 10000 long after") << 5000 << 10000;
}

void SpinRepeatTest::nth_tick_after_a_press_steps() {
    QFETCH(int, tick);
    QFETCH(std::int32_t, step);
    QCOMPARE(StepAtTick(true, tick), step);
    QCOMPARE(StepAtTick(false, tick), step == SpinRepeat::kPause ? step : -step);
}

// 17 x 1, then 20 each of 3, 10, 30, 100, 500 and 1000, then 10000 to the 12000th tick.
void SpinRepeatTest::ten_minutes_of_ticks_add_up_to_the_held_count() {
    SpinRepeat repeat;
    repeat.Press(true);
    std::int64_t sum = 0;
    for (int tick = 1; tick <= 12000; ++tick) {
        const std::int32_t step = repeat.Tick();
        sum += step == SpinRepeat::kPause ? 0 : step;
    }
    QCOMPARE(sum, std::int64_t{118632877});
}

void SpinRepeatTest::a_new_press_starts_the_schedule_again() {
    SpinRepeat repeat;
    repeat.Press(true);
    for (int tick = 1; tick <= 200; ++tick) {
        repeat.Tick();
    }
    repeat.Press(false);
    QCOMPARE(repeat.Tick(), SpinRepeat::kPause);
    repeat.Tick();
    repeat.Tick();
    QCOMPARE(repeat.Tick(), -1);
}

void SpinRepeatTest::the_last_press_before_the_first_tick_sets_the_direction() {
    SpinRepeat repeat;
    repeat.Press(true);
    repeat.Press(false);
    for (int tick = 1; tick <= 3; ++tick) {
        QCOMPARE(repeat.Tick(), SpinRepeat::kPause);
    }
    QCOMPARE(repeat.Tick(), -1);
}

QTEST_APPLESS_MAIN(SpinRepeatTest)
#include "spin_repeat_test.moc"
