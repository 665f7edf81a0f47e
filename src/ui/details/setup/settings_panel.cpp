#include "ui/details/setup/settings_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "core/engine.h"
#include "ui/common/accessibility.h"
#include "ui/common/control_placement.h"
#include "ui/common/fonts.h"
#include "ui/common/message_box.h"
#include "ui/common/qt_text.h"
#include "ui/common/setup_look.h"
#include "ui/common/window_links.h"
#include "ui/details/setup/color_editor.h"

namespace {

constexpr int kVisibleListEntries = 13;
constexpr ColorValue kHeadingGrey = 0x00A4A0A0;

constexpr Placement kPlaces[] = {
    {"StaticText1", {28, 8, 433, 23}},
    {"StayOnTopTick", {104, 30, 133, 17}},
    {"ToolTipsTick", {40, 49, 179, 17}},
    {"Label9", {42, 80, 0, 0}},
    {"DefaultFleetSizeEdit", {104, 78, 115, 21}},
    {"Label10", {52, 114, 0, 0}},
    {"DefaultAttackerList", {104, 110, 117, 23}},
    {"Label11", {63, 144, 0, 0}},
    {"DefaultDefenderList", {104, 141, 117, 23}},
    {"CloseSettingsBtn", {244, 44, 217, 25}},
    {"SaveSettingsBtn", {244, 76, 217, 25}},
    {"CancelSettingsBtn", {244, 108, 217, 25}},
    {"ClassicSettingsBtn", {244, 140, 217, 25}},
    {"GroupBox1", {28, 172, 433, 165}},
};

constexpr AccessibleText kAccessibleTexts[] = {
    {"StayOnTopTick", nullptr, "Kept in the stats file; the main window always stays on top"},
    {"ToolTipsTick", nullptr, "Whether the main window shows its hints when the program starts"},
    {"DefaultFleetSizeEdit", "Fleet size", "The number of attacking ships at start-up"},
    {"DefaultAttackerList", "Default attacker", "The attacking ship type at start-up"},
    {"DefaultDefenderList", "Default target", "The defending ship type at start-up"},
    {"CloseSettingsBtn", nullptr, "Closes the settings; changes not saved are dropped"},
    {"SaveSettingsBtn", nullptr, "Saves these settings in the stats file"},
    {"CancelSettingsBtn", nullptr, "Returns to the settings saved last"},
    {"ClassicSettingsBtn", nullptr, "Loads the classic settings, to be saved to keep them"},
    {"GroupBox1", "Colours",
     "Choose the colour to edit, then set it with the three bars or the colour grid"},
};

bool IsMainWindowRole(ColorRole role) {
    return role == ColorRole::MainBackground || role == ColorRole::MainBorder ||
           role == ColorRole::MainText || role == ColorRole::MainHighlight;
}

template <class Control>
Control* MakeControl(QWidget* parent, const char* name) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = MakeControl<QLabel>(parent, name);
    label->setText(QString::fromLatin1(text));
    return label;
}

QComboBox* MakeShipList(QWidget* parent, const char* name) {
    auto* list = MakeControl<QComboBox>(parent, name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->setMaxVisibleItems(kVisibleListEntries);
    return list;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = MakeControl<QPushButton>(parent, name);
    button->setText(QString::fromLatin1(caption));
    // Enter presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

}  // namespace

SettingsPanel::SettingsPanel(Engine& engine, MainWindowLink& mainWindow,
                             DetailsWindowLink& detailsWindow, QWidget* parent)
    : QFrame(parent),
      m_engine(engine),
      m_state(engine.State()),
      m_mainWindow(mainWindow),
      m_detailsWindow(detailsWindow) {
    setObjectName(QStringLiteral("SettingsPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFont(ArialFont(12));
    SetTextColor(*this, Qt::black);
    CreateControls();
    CreateButtons();
    // Created last, so the keyboard reaches the colours after the buttons.
    m_colorEditor = new ColorEditor(m_engine, this);
    PlaceControls(*this, kPlaces);
    DescribeControls(*this, kAccessibleTexts);
    ConnectUserChanges();
    SetChangeButtonsEnabled(false);
}

void SettingsPanel::CreateControls() {
    auto* heading = MakeLabel(this, "StaticText1", "Current program defaults");
    heading->setFont(ArialFont(16, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetFillColor(*heading, ToQColor(kHeadingGrey));

    m_stayOnTopTick = MakeControl<QCheckBox>(this, "StayOnTopTick");
    m_stayOnTopTick->setText(QStringLiteral("Stay On Top Formstyle"));
    m_stayOnTopTick->setEnabled(false);
    m_stayOnTopTick->hide();

    m_toolTipsTick = MakeControl<QCheckBox>(this, "ToolTipsTick");
    m_toolTipsTick->setText(QStringLiteral("Show Help Tips on Startup"));
    m_toolTipsTick->setLayoutDirection(Qt::RightToLeft);

    MakeLabel(this, "Label9", "Fleet Size");
    m_fleetSizeEdit = MakeControl<QLineEdit>(this, "DefaultFleetSizeEdit");
    // The settings line has no escaping: a comma here would shift every later field.
    m_fleetSizeEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9]*")), m_fleetSizeEdit));

    MakeLabel(this, "Label10", "Attacker");
    m_attackerList = MakeShipList(this, "DefaultAttackerList");
    MakeLabel(this, "Label11", "Taget");
    m_defenderList = MakeShipList(this, "DefaultDefenderList");
}

void SettingsPanel::CreateButtons() {
    auto* close = MakeButton(this, "CloseSettingsBtn", "Close Settings");
    m_saveButton = MakeButton(this, "SaveSettingsBtn", "Save these Settings as Default");
    m_cancelButton = MakeButton(this, "CancelSettingsBtn", "Cancel Changes");
    auto* classic = MakeButton(this, "ClassicSettingsBtn", "Load Clasic Settings");
    connect(close, &QPushButton::clicked, this, &SettingsPanel::CloseSettingsBtnClick);
    connect(m_saveButton, &QPushButton::clicked, this, &SettingsPanel::SaveSettingsBtnClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &SettingsPanel::CancelSettingsBtnClick);
    connect(classic, &QPushButton::clicked, this, &SettingsPanel::ClassicSettingsBtnClick);
}

// Only the user's own changes count; loading the controls from the settings does not.
void SettingsPanel::ConnectUserChanges() {
    connect(m_stayOnTopTick, &QCheckBox::clicked, this, &SettingsPanel::MarkChanged);
    connect(m_toolTipsTick, &QCheckBox::clicked, this, &SettingsPanel::MarkChanged);
    connect(m_fleetSizeEdit, &QLineEdit::textEdited, this, &SettingsPanel::MarkChanged);
    for (QComboBox* list : {m_attackerList, m_defenderList}) {
        connect(list, &QComboBox::activated, this, &SettingsPanel::MarkChanged);
        connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, list] {
            ForgetSelectionKeepingText(*list);
            MarkChanged();
        });
    }
    connect(m_colorEditor, &ColorEditor::changed, this, &SettingsPanel::MarkChanged);
    connect(m_colorEditor, &ColorEditor::colorApplied, this, &SettingsPanel::PreviewColor);
}

void SettingsPanel::FillDefaultLists() {
    for (const ShipRecord& ship : m_state.StoredStats) {
        const QString name = ToQString(ship[Col::ShipName]);
        m_attackerList->addItem(name);
        m_defenderList->addItem(name);
    }
}

void SettingsPanel::ShowSampleColors() {
    m_colorEditor->ShowSampleColors();
}

void SettingsPanel::Open() {
    m_engine.OpenSettings();
    LoadControls();
    SetChangeButtonsEnabled(false);
}

void SettingsPanel::LoadControls() {
    const DisplaySettings& display = m_state.Settings.Display;
    m_stayOnTopTick->setChecked(display.StayOnTop);
    m_toolTipsTick->setChecked(display.ShowTipsOnStartup);
    m_fleetSizeEdit->setText(QString::number(display.DefaultFleetSize));
    m_attackerList->setCurrentIndex(display.DefaultAttacker);
    m_defenderList->setCurrentIndex(display.DefaultDefender);
    m_colorEditor->ShowSampleColors();
}

void SettingsPanel::SetChangeButtonsEnabled(bool enabled) {
    m_saveButton->setEnabled(enabled);
    m_cancelButton->setEnabled(enabled);
}

void SettingsPanel::MarkChanged() {
    SetChangeButtonsEnabled(true);
}

// Typing a name that is no entry leaves the list without a choice (saved as -1), as the
// list's own edit field would.
void SettingsPanel::ForgetSelectionKeepingText(QComboBox& list) {
    const QString typed = list.currentText();
    const int cursor = list.lineEdit()->cursorPosition();
    list.setCurrentIndex(list.findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive));
    list.setEditText(typed);
    list.lineEdit()->setCursorPosition(cursor);
}

void SettingsPanel::PreviewColor(ColorRole role) {
    if (IsMainWindowRole(role)) {
        m_mainWindow.PreviewColor(role);
        return;
    }
    m_detailsWindow.PreviewColor(role);
    emit detailsColorsChanged();
}

void SettingsPanel::ReturnToLine(std::string line) {
    m_engine.ApplySettingsLine(std::move(line));
    m_mainWindow.ShowAndActivate();
    m_detailsWindow.ReapplyColors();
    emit detailsColorsChanged();
}

SettingsPanelValues SettingsPanel::PanelValues() const {
    return {m_stayOnTopTick->isChecked(), m_toolTipsTick->isChecked(),
            ToBytes(m_fleetSizeEdit->text()), m_attackerList->currentIndex(),
            m_defenderList->currentIndex()};
}

void SettingsPanel::CloseSettingsBtnClick() {
    emit closed();
    m_colorEditor->Reset();
    SetChangeButtonsEnabled(false);
    ReturnToLine(m_state.Settings.SavedSettingsLine);
}

void SettingsPanel::SaveSettingsBtnClick() {
    SetChangeButtonsEnabled(false);
    m_colorEditor->Reset();
    const std::string line = BuildSettingsLine(PanelValues(), m_state.Settings.Display);
    const SaveResult result = m_engine.SaveSettingsLine(line);
    if (!result.Message.empty()) {
        ShowPlainMessage(this, ToMessageText(result.Message));
    }
}

void SettingsPanel::CancelSettingsBtnClick() {
    ReloadFromLine(m_state.Settings.SavedSettingsLine, false);
}

// The classic settings are a change the user has still to save; the saved line stays.
void SettingsPanel::ClassicSettingsBtnClick() {
    ReloadFromLine(std::string(DefaultSettingsLine), true);
}

void SettingsPanel::ReloadFromLine(std::string line, bool unsaved) {
    ReturnToLine(std::move(line));
    LoadControls();
    m_colorEditor->Reset();
    SetChangeButtonsEnabled(unsaved);
}
