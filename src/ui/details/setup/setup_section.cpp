#include "ui/details/setup/setup_section.h"

#include "ui/common/qt_text.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStackedLayout>

#include "core/program_state.h"
#include "ui/common/message_box.h"
#include "ui/common/setup_look.h"
#include "ui/common/spoken_notice.h"
#include "ui/details/setup/about_panel.h"
#include "ui/details/setup/settings_panel.h"
#include "ui/details/setup/stats_editor_panel.h"
#include "ui/platform.h"

namespace {

const char* const kProposedFileName = "ShipStats.txt";

}  // namespace

SetupSection::SetupSection(ProgramState& state, MainWindowLink& mainWindow,
                           DetailsWindowLink& detailsWindow, QWidget* parent)
    : QWidget(parent), m_state(state), m_mainWindow(mainWindow), m_detailsWindow(detailsWindow) {
    setObjectName(QStringLiteral("StatsFilePanel"));
    UseStandardPanelColors(*this);
    m_statsEditor = new StatsEditorPanel(m_state, m_detailsWindow, this);
    m_settingsPanel = new SettingsPanel(m_state, m_mainWindow, m_detailsWindow, this);
    m_aboutPanel = new AboutPanel(m_state, this);
    m_notice = new SpokenNotice(*this);

    m_panels = new QStackedLayout(this);
    m_panels->setContentsMargins(0, 0, 0, 0);
    m_panels->addWidget(m_statsEditor);
    m_panels->addWidget(m_settingsPanel);
    m_panels->addWidget(m_aboutPanel);
    m_panels->setCurrentWidget(m_statsEditor);

    connect(m_statsEditor, &StatsEditorPanel::settingsRequested, this,
            &SetupSection::SettingsBtnClick);
    connect(m_statsEditor, &StatsEditorPanel::aboutRequested, this, &SetupSection::AboutBtnClick);
    connect(m_settingsPanel, &SettingsPanel::closed, this, &SetupSection::ShowStatsEditor);
    connect(m_settingsPanel, &SettingsPanel::detailsColorsChanged, m_statsEditor,
            &StatsEditorPanel::ApplyGridColors);
    connect(m_aboutPanel, &AboutPanel::closed, this, &SetupSection::ShowStatsEditor);
}

void SetupSection::ShowStatsFile() {
    m_statsEditor->ShowStatsFile();
}

std::optional<std::string> SetupSection::ChooseSaveFile(const std::string& initialPath) {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SaveStatsDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, !UseSystemSaveDialog());
    // Qt captions only its own dialog "Save As"; the system's would get an empty caption.
    dialog.setWindowTitle(QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Text Files (*.txt)"), QStringLiteral("Programs (*.exe)"),
                           QStringLiteral("All (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    const QFileInfo start(FromPathText(initialPath));
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName().isEmpty() ? QString::fromLatin1(kProposedFileName)
                                                 : start.fileName());
    dialog.setSizeGripEnabled(true);
    KeepAboveCalculator(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // Qt names files with "/"; messages show the chosen path as the system writes it.
    return ToPathText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

void SetupSection::FillDefaultLists() {
    m_settingsPanel->FillDefaultLists();
}

void SetupSection::ApplyShownColors() {
    m_settingsPanel->ShowSampleColors();
    m_statsEditor->ApplyGridColors();
}

void SetupSection::SettingsBtnClick() {
    m_settingsPanel->Open();
    ShowPanel(m_settingsPanel, QStringLiteral("Settings"));
}

void SetupSection::AboutBtnClick() {
    ShowPanel(m_aboutPanel, QStringLiteral("About"));
    m_aboutPanel->Open();
}

void SetupSection::ShowStatsEditor() {
    ShowPanel(m_statsEditor, QStringLiteral("Ship statistics"));
}

// A screen reader hears the panel's name wherever the focus is, before the control that
// the focus may move to on the new panel.
void SetupSection::ShowPanel(QWidget* panel, const QString& spokenName) {
    m_notice->Say(spokenName);
    m_panels->setCurrentWidget(panel);
}
