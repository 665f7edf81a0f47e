#pragma once

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "core/engine.h"
#include "program_fixture.h"
#include "ui/common/window_links.h"
#include "ui/details/setup/setup_section.h"

// Records what the settings panel asks of the main window, with the colour the settings
// held for the role at that moment.
class RecordingMainWindow : public MainWindowLink {
  public:
    struct Preview {
        ColorRole role;
        ColorValue color;
    };

    explicit RecordingMainWindow(const DisplaySettings& display) : m_display(display) {}

    void PreviewColor(ColorRole role) override {
        m_previews.push_back({role, ColorOf(m_display, role)});
    }
    void ShowAndActivate() override { ++m_activations; }

    const std::vector<Preview>& Previews() const { return m_previews; }
    int Activations() const { return m_activations; }

  private:
    const DisplaySettings& m_display;
    std::vector<Preview> m_previews;
    int m_activations = 0;
};

class RecordingDetailsWindow : public DetailsWindowLink {
  public:
    explicit RecordingDetailsWindow(const DisplaySettings& display) : m_display(display) {}

    void PreviewColor(ColorRole role) override {
        m_previews.push_back({role, ColorOf(m_display, role)});
    }
    void ReapplyColors() override { ++m_reapplied; }
    void HideWindow() override { ++m_hidden; }

    const std::vector<RecordingMainWindow::Preview>& Previews() const { return m_previews; }
    int Reapplied() const { return m_reapplied; }
    int Hidden() const { return m_hidden; }

  private:
    const DisplaySettings& m_display;
    std::vector<RecordingMainWindow::Preview> m_previews;
    int m_reapplied = 0;
    int m_hidden = 0;
};

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Line n (from 1) of a CR LF text file.
inline QByteArray FileLine(const QString& path, int n) {
    return ReadBytes(path).split('\n').value(n - 1).chopped(1);
}

// A SetupSection in a window of the Details window's client size, over an engine that loaded
// the stats file the way start-up loads it, in a scratch current directory.
class SetupFixture {
  public:
    enum class StatsFile { Present, Missing };

    explicit SetupFixture(StatsFile file = StatsFile::Present,
                          std::string_view settingsLine = DefaultSettingsLine) {
        if (file == StatsFile::Present) {
            QVERIFY(WriteStatsFile(StatsPath(), DefaultShipTable(), settingsLine, "Test stats")
                        .empty());
        }
        m_section = new SetupSection(m_engine, m_main, m_details, &m_window);
        auto* layout = new QHBoxLayout(&m_window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_section);
        m_engine.LoadStatsFile();
        m_section->ShowStatsFile();
        m_section->FillDefaultLists();
        m_window.resize(534, 478);
        m_window.show();
        m_exposed = QTest::qWaitForWindowExposed(&m_window);
    }

    SetupFixture(const SetupFixture&) = delete;
    SetupFixture& operator=(const SetupFixture&) = delete;

    bool Exposed() const { return m_exposed; }
    const ProgramState& State() const { return m_engine.State(); }
    Engine& Core() { return m_engine; }
    QWidget& Window() { return m_window; }
    SetupSection& Section() { return *m_section; }
    RecordingMainWindow& Main() { return m_main; }
    RecordingDetailsWindow& Details() { return m_details; }
    ModalWatchdog& Dialogs() { return m_dialogs; }
    QString StatsPath() const { return m_dir.File(QStringLiteral("ShipStats.txt")); }
    QString PathOf(const QString& name) const { return m_dir.File(name); }

    template <class Control>
    Control* Find(const char* name) {
        return FindControl<Control>({&m_window}, QString::fromLatin1(name));
    }

    void Click(const char* buttonName) {
        QTest::mouseClick(Find<QWidget>(buttonName), Qt::LeftButton);
    }

  private:
    ScratchCurrentDir m_dir;
    Engine m_engine;
    RecordingMainWindow m_main{m_engine.State().Settings.Display};
    RecordingDetailsWindow m_details{m_engine.State().Settings.Display};
    ModalWatchdog m_dialogs;
    QWidget m_window;
    SetupSection* m_section = nullptr;
    bool m_exposed = false;
};

// Answers the save dialog with `path` and its Save button, once the dialog's own loop runs, so that
// its overwrite question can be answered in turn.
inline ModalWatchdog::Answer SaveAs(const QString& path) {
    return [path](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        if (fileDialog == nullptr) {
            dialog->close();
            return;
        }
        QTimer::singleShot(0, fileDialog, [fileDialog, path] {
            // What the user types into the name box; selectFile() leaves a focused box alone.
            fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            fileDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        });
    };
}

inline ModalWatchdog::Answer CancelDialog() {
    return [](QWidget* dialog) { dialog->close(); };
}
