#include <QTest>
#include <cstdint>
#include <deque>

#include "program_invariants.h"
#include "random_user.h"
#include "stress_program.h"
#include "test_seed.h"

// Thousands of random user actions on both windows, with every invariant checked after
// each one. SKIRMOD_TEST_SEED and SKIRMOD_STRESS_STEPS replay a reported run.
class RandomActionsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { DropOffscreenPlatformNotices(); }
    void random_user_keeps_every_invariant();
};

namespace {

// Enough of the run before a failure to see how the windows got there.
constexpr std::size_t kRecentActions = 12;

constexpr std::uint32_t kDefaultSeed = 19680812;

// SKIRMOD_STRESS_TRACE=1 prints every action as it is done, for a replay that crashes.
bool TraceFromEnvironment() {
    return qEnvironmentVariableIntValue("SKIRMOD_STRESS_TRACE") != 0;
}

int StepsFromEnvironment() {
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("SKIRMOD_STRESS_STEPS", &ok);
    return ok && steps > 0 ? steps : SKIRMOD_STRESS_DEFAULT_STEPS;
}

QString FailureReport(std::uint32_t seed, int step, const QString& problem,
                      const std::deque<QString>& recent) {
    QString report = QStringLiteral(
                         "step %1: %2\n  replay with SKIRMOD_TEST_SEED=%3 "
                         "SKIRMOD_STRESS_STEPS=%1\n  last actions, latest last:")
                         .arg(step)
                         .arg(problem)
                         .arg(seed);
    int number = step - static_cast<int>(recent.size());
    for (const QString& action : recent) {
        report += QStringLiteral("\n    %1 %2").arg(++number).arg(action);
    }
    return report;
}

}  // namespace

void RandomActionsTest::random_user_keeps_every_invariant() {
    const std::uint32_t seed = TestSeed(kDefaultSeed);
    const int steps = StepsFromEnvironment();
    qInfo("seed %u, %d steps", seed, steps);
    ProgramFixture program;
    QVERIFY(program.Started());
    ProgramInvariants invariants(program);
    RandomUser user(program, seed);
    const QString atStart = invariants.Violation(user.Log());
    QVERIFY2(atStart.isEmpty(), qPrintable(atStart));

    const bool trace = TraceFromEnvironment();
    std::deque<QString> recent;
    for (int step = 1; step <= steps; ++step) {
        recent.push_back(user.Act());
        if (trace) {
            qInfo("%d %s", step, qPrintable(recent.back()));
        }
        if (recent.size() > kRecentActions) {
            recent.pop_front();
        }
        const QString problem =
            user.Problem().isEmpty() ? invariants.Violation(user.Log()) : user.Problem();
        if (!problem.isEmpty()) {
            QFAIL(qPrintable(FailureReport(seed, step, problem, recent)));
        }
    }

    QStringList tally;
    QStringList neverRun;
    for (const std::string& name : RandomUser::ActionNames()) {
        const auto found = user.Counts().find(name);
        const int count = found != user.Counts().end() ? found->second : 0;
        tally << QStringLiteral("%1 %2").arg(QString::fromStdString(name)).arg(count);
        if (count == 0) {
            neverRun << QString::fromStdString(name);
        }
    }
    qInfo("%s", qPrintable(tally.join(QStringLiteral(", "))));
    QVERIFY2(neverRun.isEmpty(), qPrintable(QStringLiteral("never tried: ") + neverRun.join(", ")));
}

QTEST_MAIN(RandomActionsTest)
#include "random_actions_test.moc"
