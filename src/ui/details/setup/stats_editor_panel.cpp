#include "ui/details/setup/stats_editor_panel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/engine.h"
#include "core/readouts.h"
#include "ui/common/accessibility.h"
#include "ui/common/colors.h"
#include "ui/common/control_placement.h"
#include "ui/common/date_time_text.h"
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

const char* const kProposedFileName = "ShipStats.txt";

// The path in the system's own encoding, which the core's Latin-1 text cannot know.
QString FileLocationLine(const StatsFileState& stats) {
    if (!stats.StatsFileFound) {
        return ToQString(kStatsFileMissing);
    }
    const std::string_view note = stats.FileMemo.ReadAsUtf8() ? kStatsFileReadAsUtf8 : "";
    return ToQString(kStatsFileAt) + FromPathText(stats.StatsFilePath) + ToQString(note);
}

}  // namespace

StatsEditorPanel::StatsEditorPanel(Engine& engine, DetailsWindowLink& detailsWindow,
                                   QWidget* parent)
    : QWidget(parent), m_engine(engine), m_state(engine.State()), m_detailsWindow(detailsWindow) {
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
    connect(m_grid, &StatsGrid::cellTyped, this, &StatsEditorPanel::TakeTypedCell);
    connect(m_grid, &StatsGrid::blockPasted, this, &StatsEditorPanel::TakePastedBlock);
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
    m_grid->ShowTable(EditedStats(m_state));
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
    m_engine.BeginStatsEdit();
    SetEditing(true);
    m_notice->Say(QStringLiteral("Editing ship statistics"));
}

// Leaving edit mode commits an open cell editor first, so a typed cell is kept. A cancelled
// dialog leaves the edited texts in the grid, to be edited further.
void StatsEditorPanel::UpdateAndSaveBtnClick() {
    SetEditing(false);
    m_engine.EndStatsEdit();
    const std::optional<std::string> path = ChooseSaveFile(SaveDialogStart(m_state));
    if (!path) {
        return;
    }
    const SaveResult result = m_engine.SaveModifiedStatsFile(*path, CurrentDateTimeText());
    if (result.Outcome == SaveOutcome::Saved) {
        ShowStatsFile();
    }
    FinishSave(result);
}

void StatsEditorPanel::CancelEditBtnClick() {
    SetEditing(false);
    m_engine.CancelStatsEdit();
    ShowStatsFile();
    m_notice->Say(QStringLiteral("Editing cancelled"));
}

void StatsEditorPanel::RestoreBtnClick() {
    if (!AskOkAbort(this, QString::fromLatin1(kRestoreWarning))) {
        return;
    }
    const std::optional<std::string> path = ChooseSaveFile(SaveDialogStart(m_state));
    if (!path) {
        return;
    }
    // The built-in table is in place even when writing it fails.
    const SaveResult result = m_engine.SaveDefaultStatsFile(*path);
    ShowStatsFile();
    FinishSave(result);
}

void StatsEditorPanel::TakeTypedCell(int row, int tableColumn, const QString& text) {
    ShowEditOutcome(m_engine.EditStatsCell(
        static_cast<std::size_t>(row), static_cast<std::size_t>(tableColumn), text.toStdString()));
}

void StatsEditorPanel::TakePastedBlock(int row, int tableColumn, const QString& block) {
    ShowEditOutcome(m_engine.PasteStatsBlock(
        static_cast<std::size_t>(row), static_cast<std::size_t>(tableColumn), block.toStdString()));
}

void StatsEditorPanel::ShowEditOutcome(CellEdit edit) {
    m_grid->ShowTable(EditedStats(m_state));
    const std::string_view refusal = CellEditRefusalText(edit);
    if (!refusal.empty()) {
        ShowPlainMessage(this, ToQString(refusal));
    }
}

std::optional<std::string> StatsEditorPanel::ChooseSaveFile(const std::string& initialPath) {
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
