#include "ui/main/program.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include "data/default_ships.h"
#include "ui/common/app_title.h"
#include "ui/details/details_form.h"
#include "ui/main/tform1.h"

namespace {

// The built-in table in both copies; nothing calculates until the main window is shown.
void StartCombatCore(ProgramState& state) {
    state.Combat.BaseHitChance = kDefaultBaseHitChance;
    state.StartupBuild = true;
    BuildDefaultStats(state);
    state.StartupBuild = false;
    state.ActiveStats = state.StoredStats;
    state.Combat.RecalcGuard = true;
}

// The resources report writes rates with the locale's separator; one that is not a single
// 8-bit character cannot be, and the point stands in for it.
char LocaleDecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    const bool isOneByte = separator.size() == 1 && separator.front().unicode() < 0x100;
    return isOneByte ? static_cast<char>(separator.front().unicode()) : '.';
}

}  // namespace

Program::Program() {
    StartCombatCore(m_state);
    QApplication::setApplicationDisplayName(QString::fromLatin1(kAppTitle));
    // Menus slide open from left to right and top to bottom.
    QApplication::setEffectEnabled(Qt::UI_General);
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu);
    m_mainWindow = std::make_unique<TForm1>(m_state);
    m_detailsWindow = std::make_unique<TDetailsForm>(m_state, *m_mainWindow);
    m_mainWindow->SetDetailsWindow(m_detailsWindow.get());
    m_state.DecimalSeparator = LocaleDecimalSeparator();
}

// The core must not reach the Details window while the windows go.
Program::~Program() {
    m_state.Ui = nullptr;
}

void Program::Start() {
    m_mainWindow->show();
    if (m_state.QuitRequested) {
        QTimer::singleShot(0, m_mainWindow.get(), [] { QCoreApplication::exit(0); });
    }
}

int Program::Run() {
    Start();
    return QApplication::exec();
}
