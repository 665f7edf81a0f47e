#include "ui/main/program.h"

#include <QApplication>
#include <QTimer>

#include "core/startup.h"
#include "core/stats_storage.h"
#include "ui/common/app_title.h"
#include "ui/common/message_box.h"
#include "ui/common/qt_text.h"
#include "ui/details/details_form.h"
#include "ui/main/accessible_factories.h"
#include "ui/main/tform1.h"

// Only Abort ends the program; Escape or closing the box goes on with the defaults.
bool StartupMessages::ConfirmOkAbort(const std::string& message) {
    return AskProceedUnlessAborted(nullptr, ToMessageText(message));
}

// File I/O and questions come first, so windows are only built from the loaded state.
Program::Program() {
    StartCore(m_state);
    SetDecimalSeparator(m_state, LocaleDecimalSeparator());
    InstallAccessibleFactories();
    QApplication::setApplicationDisplayName(QString::fromLatin1(kAppTitle));
    // Menus slide open from left to right and top to bottom.
    QApplication::setEffectEnabled(Qt::UI_General);
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu);
    AttachFrontend(m_state, m_startupMessages);
    LoadStatsFile(m_state);
    m_mainWindow = std::make_unique<TForm1>(m_state);
    m_mainWindow->SetDetailsWindowSource([this]() -> QWidget& { return DetailsWindow(); });
}

TDetailsForm& Program::DetailsWindow() {
    if (!m_detailsWindow) {
        m_detailsWindow = std::make_unique<TDetailsForm>(m_state, *m_mainWindow);
        m_mainWindow->SetDetailsWindow(m_detailsWindow.get());
    }
    return *m_detailsWindow;
}

// The core must not reach the Details window while the windows go.
Program::~Program() {
    DetachEveryFrontend(m_state);
}

void Program::Start() {
    if (m_state.QuitRequested) {
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
