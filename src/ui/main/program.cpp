#include "ui/main/program.h"

#include <QApplication>
#include <QTimer>

#include "core/startup.h"
#include "ui/common/app_title.h"
#include "ui/common/focus_after_menus.h"
#include "ui/common/message_box.h"
#include "ui/common/qt_text.h"
#include "ui/details/details_form.h"
#include "ui/main/accessible_factories.h"
#include "ui/main/tform1.h"

// File I/O and questions come first, so windows are only built from the loaded state.
Program::Program() {
    m_engine.SetDecimalSeparator(LocaleDecimalSeparator());
    InstallAccessibleFactories();
    QApplication::setApplicationDisplayName(QString::fromLatin1(kAppTitle));
    // Menus slide open from left to right and top to bottom.
    QApplication::setEffectEnabled(Qt::UI_General);
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu);
    LoadStatsFile();
    m_mainWindow = std::make_unique<TForm1>(m_engine);
    SpeakFocusAfterMenus(*m_mainWindow);
    m_mainWindow->SetDetailsWindowSource([this]() -> QWidget& { return DetailsWindow(); });
}

// The engine has put the defaults in place of a file it could not use; only Abort ends the
// program, while Escape or closing the box goes on with them.
void Program::LoadStatsFile() {
    const StatsFileRead read = m_engine.LoadStatsFile();
    if (read != StatsFileRead::Whole) {
        const std::string warning = StatsFileWarning(m_engine.State().Stats.StatsFilePath, read);
        m_quitRequested = !AskProceedUnlessAborted(nullptr, ToMessageText(warning));
    }
}

TDetailsForm& Program::DetailsWindow() {
    if (!m_detailsWindow) {
        m_detailsWindow = std::make_unique<TDetailsForm>(m_engine, *m_mainWindow);
        m_mainWindow->SetDetailsWindow(m_detailsWindow.get());
    }
    return *m_detailsWindow;
}

// The Details window detaches itself from the engine as it goes, before the engine.
Program::~Program() = default;

void Program::Start() {
    if (m_quitRequested) {
        QTimer::singleShot(0, m_mainWindow.get(), [] { QCoreApplication::exit(0); });
        return;
    }
    // The Details window is built while the user already sees the calculator.
    QObject::connect(
        m_mainWindow.get(), &TForm1::firstPainted, m_mainWindow.get(), [this] { DetailsWindow(); },
        Qt::QueuedConnection);
    m_mainWindow->show();
}

int Program::Run() {
    Start();
    return QApplication::exec();
}
