#include "ui/details/setup/stats_editor_panel.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/program_state.h"
#include "core/readouts.h"
#include "core/stats_storage.h"
#include "data/stats_file.h"
#include "ui/common/accessibility.h"
#include "ui/common/colors.h"
#include "ui/common/control_placement.h"
#include "ui/common/fonts.h"
#include "ui/common/key_table.h"
#include "ui/common/message_box.h"
#include "ui/common/qt_text.h"
#include "ui/common/setup_look.h"
#include "ui/common/spoken_notice.h"
#include "ui/common/window_links.h"
#include "ui/details/setup/stats_grid.h"
#include "ui/platform.h"

namespace {

constexpr int kHeaderBoxHeight = 43;
constexpr int kControlPanelWidth = 76;

struct ButtonEntry {
    const char* name;
    const char* caption;
    bool enabledWhileEditing;
    // The buttons take no focus; their keys work them while the section is shown.
    KeyCommand key;
};

// In the order of StatsEditorPanel::Button.
constexpr std::array<ButtonEntry, 6> kButtons = {{
    {"EditerBtn", "Edit", false, KeyCommand::StatsEdit},
    {"UpdateAndSaveBtn", "Save", true, KeyCommand::StatsSave},
    {"CancelEditBtn", "Cancel", true, KeyCommand::StatsCancel},
    {"RestoreBtn", "Restore", false, KeyCommand::StatsRestore},
    {"SettingsBtn", "Settings", false, KeyCommand::OpenSettings},
    {"AboutBtn", "About", false, KeyCommand::OpenAbout},
}};

constexpr Placement kButtonPlaces[] = {
    {"EditerBtn", {7, 10, 62, 23}},     {"UpdateAndSaveBtn", {7, 39, 62, 22}},
    {"CancelEditBtn", {7, 70, 62, 23}}, {"RestoreBtn", {7, 100, 62, 23}},
    {"SettingsBtn", {12, 176, 57, 25}}, {"AboutBtn", {12, 216, 57, 25}},
};

constexpr AccessibleText kAccessibleTexts[] = {
    {"FileHeaderText", "Stats file header",
     "The header line of the stats file, and where the file is"},
    {"StatsGrid", "Ship statistics",
     "The statistics of the 54 ship types; Edit makes the cells editable"},
    {"EditerBtn", nullptr, "Makes the statistics editable"},
    {"UpdateAndSaveBtn", nullptr, "Ends editing and saves the statistics to a file of your choice"},
    {"CancelEditBtn", nullptr, "Ends editing and drops every change made since Edit"},
    {"RestoreBtn", nullptr, "Overwrites the stats file with the built-in statistics and settings"},
    {"SettingsBtn", nullptr, "Opens the settings of both windows"},
    {"AboutBtn", nullptr, "Shows the version, the release notes and the read-me file"},
};

const char* const kRestoreWarning =
    "Warning... This will cause the ShipStats.txt file to be overwritten with default "
    "values.  OK to proceed ???";

// The path in the system's own encoding, which the core's Latin-1 text cannot know.
QString FileLocationLine(const StatsFileState& stats) {
    if (!stats.StatsFileFound) {
        return ToQString(kStatsFileMissing);
    }
    return ToQString(kStatsFileAt) + FromPathText(stats.StatsFilePath);
}

}  // namespace

StatsEditorPanel::StatsEditorPanel(ProgramState& state, DetailsWindowLink& detailsWindow,
                                   QWidget* parent)
    : QWidget(parent), m_state(state), m_detailsWindow(detailsWindow) {
    m_headerBox = new QPlainTextEdit(this);
    m_headerBox->setObjectName(QStringLiteral("FileHeaderText"));
    MakeReadingBox(*m_headerBox);
    m_headerBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lines wrap at the box's width; a horizontal bar would only cover the second line.
    m_headerBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_headerBox->setFont(ArialFont(12));
    SetTextColor(*m_headerBox, Qt::black);

    m_controlPanel = new QWidget(this);
    m_controlPanel->setObjectName(QStringLiteral("StatsControlPanel"));
    CreateButtons();

    m_grid = new StatsGrid(this);
    m_notice = new SpokenNotice(*this);
    DescribeControls(*this, kAccessibleTexts);
    SetEditing(false);
    ApplyGridColors();
}

void StatsEditorPanel::CreateButtons() {
    m_controlPanel->setFont(ArialFont(12));
    SetTextColor(*m_controlPanel, Qt::black);
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        auto* button = new QPushButton(QString::fromLatin1(kButtons[i].caption), m_controlPanel);
        button->setObjectName(QString::fromLatin1(kButtons[i].name));
        button->setFocusPolicy(Qt::NoFocus);
        button->setShortcut(KeysOf(kButtons[i].key).constFirst());
        m_buttons[i] = button;
    }
    PlaceControls(*m_controlPanel, kButtonPlaces);
    connect(m_buttons[Edit], &QPushButton::clicked, this, &StatsEditorPanel::EditerBtnClick);
    connect(m_buttons[Save], &QPushButton::clicked, this, &StatsEditorPanel::UpdateAndSaveBtnClick);
    connect(m_buttons[Cancel], &QPushButton::clicked, this, &StatsEditorPanel::CancelEditBtnClick);
    connect(m_buttons[Restore], &QPushButton::clicked, this, &StatsEditorPanel::RestoreBtnClick);
    connect(m_buttons[Settings], &QPushButton::clicked, this, &StatsEditorPanel::settingsRequested);
    connect(m_buttons[About], &QPushButton::clicked, this, &StatsEditorPanel::aboutRequested);
}

void StatsEditorPanel::ShowStatsFile() {
    const StatsFileState& stats = m_state.Stats;
    m_headerBox->setPlainText(ToQString(stats.FileMemo.Line(1)) + QLatin1Char('\n') +
                              FileLocationLine(stats));
    m_headerBox->moveCursor(QTextCursor::Start);
    m_headerBox->verticalScrollBar()->setValue(0);
    m_grid->ShowTable(m_state.StoredStats);
}

void StatsEditorPanel::ApplyGridColors() {
    const DisplaySettings& display = m_state.Settings.Display;
    m_grid->ApplyColors(ToQColor(display.DetailsBackground), ToQColor(display.DetailsText));
}

void StatsEditorPanel::SetEditing(bool editing) {
    if (!editing) {
        m_grid->FinishEditing();
        // A disabled grid would still draw its selection.
        m_grid->clearSelection();
    }
    m_grid->setEnabled(editing);
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        m_buttons[i]->setEnabled(kButtons[i].enabledWhileEditing == editing);
    }
}

void StatsEditorPanel::EditerBtnClick() {
    SetEditing(true);
    m_notice->Say(QStringLiteral("Editing ship statistics"));
}

void StatsEditorPanel::UpdateAndSaveBtnClick() {
    SetEditing(false);
    FinishSave(SaveModifiedStatsFile(m_state, m_grid->Table()));
}

void StatsEditorPanel::CancelEditBtnClick() {
    SetEditing(false);
    ShowStatsFile();
    m_notice->Say(QStringLiteral("Editing cancelled"));
}

void StatsEditorPanel::RestoreBtnClick() {
    if (AskOkAbort(this, QString::fromLatin1(kRestoreWarning))) {
        FinishSave(SaveDefaultStatsFile(m_state));
    }
}

void StatsEditorPanel::FinishSave(const SaveResult& result) {
    // A saved file may come with a warning; it is saved all the same.
    if (!result.Message.empty()) {
        ShowPlainMessage(this, ToMessageText(result.Message));
    }
    if (result.Outcome == SaveOutcome::Saved) {
        m_detailsWindow.HideWindow();
    }
}

void StatsEditorPanel::resizeEvent(QResizeEvent*) {
    const int below = qMax(0, height() - kHeaderBoxHeight);
    const int gridWidth = qMax(0, width() - kControlPanelWidth);
    m_headerBox->setGeometry(0, 0, width(), kHeaderBoxHeight);
    m_controlPanel->setGeometry(gridWidth, kHeaderBoxHeight, kControlPanelWidth, below);
    m_grid->setGeometry(0, kHeaderBoxHeight, gridWidth, below);
}
