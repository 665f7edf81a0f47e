#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
// setup_fixture.h clicks the save dialog's button without including its class.
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <array>
#include <utility>

#include "details/setup/scroll_bar_drag.h"
#include "details/setup/setup_fixture.h"
#include "random_user.h"
#include "ui/common/qt_text.h"
#include "ui/details/setup/color_grid.h"

// The user's actions on the Details window: its tabs, the results log and the Setup
// section with its settings and About panels.

namespace {

// Stats typed into the grid and fleet sizes: mostly digits, and what users get wrong.
const char* const kCellAlphabet =
    "0123456789012345678901234567890123456789AllFix$- "
    "\xE9\xFF\xA0";
const char* const kFleetAlphabet =
    "0123456789012345678901234567890123456789--,aZ "
    "\xE9\xFF";

// Stats at the edges of the 32-bit range, zero (a divisor) and nothing at all.
constexpr std::array<const char*, 7> kExtremeStats = {
    "0", "-1", "2147483647", "-2147483648", "$FFFFFFFF", "99999999999", ""};

// Results and Setup twice: most of the work in this window happens there.
constexpr std::array<std::pair<const char*, const char*>, 8> kSectionTabs = {{
    {"CalculationBtn", "Calculation"},
    {"TargetBtn", "Target"},
    {"ResourcesBtn", "Resources"},
    {"BasicStatsBtn", "BasicStats"},
    {"ResultsBtn", "Results"},
    {"ResultsBtn", "Results"},
    {"StatsFileBtn", "StatsFile"},
    {"StatsFileBtn", "StatsFile"},
}};

constexpr std::array<const char*, 7> kColourRadios = {"BackgroundRadio",
                                                      "BorderRadio",
                                                      "TextRadio",
                                                      "HighlightRadio",
                                                      "DetailsBackgroundRadio",
                                                      "DetailsTextRadio",
                                                      "DetailsHighlightRadio"};

constexpr std::array<const char*, 3> kColourBars = {"RedScroll", "GreenScroll", "BlueScroll"};

constexpr std::array<const char*, 3> kSaveNames = {"ShipStats.txt", "Saved1.txt", "Saved2.txt"};

// How an edit of a grid cell ends; an editor left open is closed by the next action.
constexpr std::array<NamedKey, 4> kCellEndings = {{
    {Qt::Key_Return, "Return"},
    {Qt::Key_Tab, "Tab"},
    {Qt::Key_Escape, "Escape"},
    {Qt::Key_unknown, "left open"},
}};

QLineEdit* OpenCellEditor(const QTableWidget& grid) {
    for (QLineEdit* editor : grid.viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible()) {
            return editor;
        }
    }
    return nullptr;
}

}  // namespace

// Any mouse button selects a section.
void RandomUser::PressSectionTab() {
    ActivateDetailsWindow();
    const auto& [name, value] = PickFrom(kSectionTabs);
    const Qt::MouseButton button = Chance(70) ? Qt::LeftButton : Qt::RightButton;
    auto* tab = Find<QLabel>(name);
    QTest::mouseClick(tab, button, {}, RandomPointIn(tab));
    Note(QLatin1String(name) + (button == Qt::LeftButton ? " left" : " right"));
    Expect(
        m_program.DetailsWindow().SelectedSection() == QLatin1String(value),
        QStringLiteral("SelectedSection is %1").arg(m_program.DetailsWindow().SelectedSection()));
}

void RandomUser::HoverSectionTab() {
    ActivateDetailsWindow();
    const auto& [name, value] = PickFrom(kSectionTabs);
    auto* tab = Find<QLabel>(name);
    MovePointerOnto(tab);
    MovePointerOff(tab);
    Note(QLatin1String(name));
    const DisplaySettings& display = m_program.State().Settings.Display;
    const bool selected = m_program.DetailsWindow().SelectedSection() == QLatin1String(value);
    const QColor expected = ToQColor(selected ? display.DetailsHighlight : display.DetailsText);
    Expect(tab->palette().color(QPalette::WindowText) == expected,
           QStringLiteral("%1 has the wrong colour after the pointer left").arg(name));
}

void RandomUser::CloseDetailsWindow() {
    m_program.DetailsWindow().close();
    Expect(!m_program.DetailsWindow().isVisible(),
           QStringLiteral("the Details window stayed open"));
}

void RandomUser::ClickResultsAdd() {
    const QString line = ToQString(m_program.State().Combat.ResultLine);
    ClickResultsButton("ResultsAddBtn");
    m_log.Add(line);
}

void RandomUser::ClickResultsDelete() {
    ClickResultsButton("ResultsDeleteBtn");
    m_log.Delete();
}

void RandomUser::ClickResultsClear() {
    ClickResultsButton("ResultsClearBtn");
    m_log.Clear();
}

void RandomUser::ClickResultsInsert() {
    const QString line = ToQString(m_program.State().Combat.ResultLine);
    ClickResultsButton("ResultsInsertBtn");
    m_log.Insert(line);
}

void RandomUser::ClickResultsInsertSpace() {
    ClickResultsButton("ResultsInsertSpaceBtn");
    m_log.Insert(QString());
}

void RandomUser::ClickResultsCopy() {
    ClickResultsButton("ResultsCopyBtn");
    Expect(QGuiApplication::clipboard()->text() == m_log.CopiedText(),
           QStringLiteral("Copy did not put the whole log on the clipboard"));
}

void RandomUser::ClickResultsMoveDown() {
    ClickResultsButton("ResultsMoveDownBtn");
    m_log.Move(1);
}

void RandomUser::ClickResultsMoveUp() {
    ClickResultsButton("ResultsMoveUpBtn");
    m_log.Move(-1);
}

void RandomUser::ClickResultsButton(const char* name) {
    ActivateDetailsWindow();
    Note(QStringLiteral("with entry %1 of %2 selected")
             .arg(m_log.Selected())
             .arg(m_log.Entries().size()));
    QTest::mouseClick(Find<QToolButton>(name), Qt::LeftButton);
}

void RandomUser::SelectLogRow() {
    ActivateDetailsWindow();
    auto* log = Find<QListWidget>("ResultsMemo");
    const int row = Uniform(0, log->count() - 1);
    QListWidgetItem* entry = log->item(row);
    log->scrollToItem(entry);
    QTest::mouseClick(log->viewport(), Qt::LeftButton, {}, log->visualItemRect(entry).center());
    m_log.Select(row);
    Note(QStringLiteral("row %1").arg(row));
}

void RandomUser::ClickEdit() {
    ClickButton("EditerBtn");
}

// Double-click a cell, type, and end with Return, Tab or Escape, or leave the editor open
// for the next action to close.
void RandomUser::TypeIntoGridCell() {
    ActivateDetailsWindow();
    auto* grid = Find<QTableWidget>("StatsGrid");
    const int row = Uniform(0, grid->rowCount() - 1);
    const int column = Uniform(0, grid->columnCount() - 1);
    QTableWidgetItem* cell = grid->item(row, column);
    grid->scrollToItem(cell);
    const QPoint at = grid->visualItemRect(cell).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QLineEdit* editor = OpenCellEditor(*grid);
    if (editor == nullptr) {
        Expect(false, QStringLiteral("no editor opened on cell %1, %2").arg(row).arg(column));
        return;
    }
    Note(QStringLiteral("cell %1, %2").arg(row).arg(column));
    if (Chance(60)) {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    }
    const QString typed = GridCellText(column);
    if (typed.isEmpty()) {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
    }
    TypeOrPaste(editor, typed);
    const NamedKey& ending = PickFrom(kCellEndings);
    Note(QStringLiteral("giving %1, %2").arg(Quoted(editor->text()), QLatin1String(ending.name)));
    if (ending.key != Qt::Key_unknown) {
        QTest::keyClick(editor, ending.key);
    }
}

// Another ship's value changes classes, targets and types as well as numbers; extreme
// numbers test the calculation's arithmetic.
QString RandomUser::GridCellText(int column) {
    const int kind = Uniform(0, 9);
    if (kind < 3) {
        const auto row = static_cast<std::size_t>(Uniform(0, kShipCount - 1));
        const auto field = static_cast<std::size_t>(column) + 1;
        return ToQString(m_program.State().StoredStats[row].fields[field]);
    }
    if (kind == 3) {
        return QLatin1String(PickFrom(kExtremeStats));
    }
    return RandomText(kCellAlphabet, 6);
}

void RandomUser::ClickCancelEdit() {
    ClickButton("CancelEditBtn");
}

void RandomUser::ClickSaveEdits() {
    if (Find("UpdateAndSaveBtn")->isEnabled()) {
        ExpectSaveDialog();
    }
    ClickButton("UpdateAndSaveBtn");
}

// OK leads on to the save dialog; Abort and closing the box do nothing.
void RandomUser::ClickRestore() {
    if (Find("RestoreBtn")->isEnabled()) {
        ModalWatchdog& dialogs = m_program.Watchdog();
        switch (Uniform(0, 2)) {
            case 0:
                dialogs.ExpectMessage(QMessageBox::Ok);
                Note(QStringLiteral("OK"));
                ExpectSaveDialog();
                break;
            case 1:
                dialogs.ExpectMessage(QMessageBox::Abort);
                Note(QStringLiteral("Abort"));
                break;
            default:
                dialogs.Expect(CancelDialog());
                Note(QStringLiteral("box closed"));
                break;
        }
    }
    ClickButton("RestoreBtn");
}

// A file of the scratch folder, confirming the overwrite question when it exists; or
// the dialog is cancelled.
void RandomUser::ExpectSaveDialog() {
    ModalWatchdog& dialogs = m_program.Watchdog();
    if (Chance(25)) {
        dialogs.Expect(CancelDialog());
        Note(QStringLiteral("save dialog cancelled"));
        return;
    }
    const QString name = QLatin1String(PickFrom(kSaveNames));
    const QString path = m_program.Dir().File(name);
    dialogs.Expect(SaveAs(path));
    if (QFileInfo::exists(path)) {
        dialogs.ExpectMessage(QMessageBox::Yes);
    }
    Note(QStringLiteral("saved as ") + name);
}

void RandomUser::ClickSettings() {
    ClickButton("SettingsBtn");
}

void RandomUser::ClickAbout() {
    ClickButton("AboutBtn");
}

void RandomUser::ChooseColourRole() {
    const char* name = PickFrom(kColourRadios);
    ClickButton(name);
}

// A click on the bar (an arrow or the page area), a drag of its thumb, or a wheel turn.
void RandomUser::MoveColourBar() {
    ActivateDetailsWindow();
    const char* name = PickFrom(kColourBars);
    auto* bar = Find<QScrollBar>(name);
    switch (Uniform(0, 2)) {
        case 0: {
            const QPoint at(bar->width() / 2, Uniform(0, bar->height() - 1));
            QTest::mouseClick(bar, Qt::LeftButton, {}, at);
            Note(QStringLiteral("%1 clicked at %2").arg(name).arg(at.y()));
            break;
        }
        case 1: {
            const QPoint grab = ThumbRect(*bar).center();
            const QPoint drop(grab.x(), Uniform(-10, bar->height() + 10));
            QTest::mousePress(bar, Qt::LeftButton, {}, grab);
            QTest::mouseMove(bar, drop);
            QTest::mouseRelease(bar, Qt::LeftButton, {}, drop);
            Note(QStringLiteral("%1 thumb dragged to %2").arg(name).arg(drop.y()));
            break;
        }
        default: {
            const QPointF at = bar->rect().center();
            const int delta = Chance(50) ? 120 : -120;
            QWheelEvent wheel(at, bar->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(bar, &wheel);
            Note(QStringLiteral("%1 wheel %2").arg(name).arg(delta));
            break;
        }
    }
    Note(QStringLiteral("now %1").arg(bar->value()));
}

void RandomUser::ClickColourGrid() {
    ActivateDetailsWindow();
    auto* grid = Find<ColorGrid>("ColorGrid1");
    const int cell = Uniform(0, ColorGrid::kCellCount - 1);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(cell).center());
    Note(QStringLiteral("cell %1").arg(cell));
}

void RandomUser::ClickTipsTick() {
    ActivateDetailsWindow();
    auto* tick = Find<QCheckBox>("ToolTipsTick");
    const bool before = tick->isChecked();
    QTest::mouseClick(tick, Qt::LeftButton, {}, tick->rect().center());
    Expect(tick->isChecked() != before, QStringLiteral("the tips tick did not change"));
}

// Characters that would break the settings line are refused; the rest stays as typed.
void RandomUser::TypeFleetSize() {
    ActivateDetailsWindow();
    auto* box = Find<QLineEdit>("DefaultFleetSizeEdit");
    QTest::mouseClick(box, Qt::LeftButton, {}, RandomPointIn(box));
    if (Chance(50)) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    }
    const QString text = RandomText(kFleetAlphabet, 8);
    TypeOrPaste(box, text);
    Note(QStringLiteral("giving ") + Quoted(box->text()));
    static const QRegularExpression kSignAndDigits(QStringLiteral("^-?[0-9]*$"));
    Expect(kSignAndDigits.match(box->text()).hasMatch(),
           QStringLiteral("the fleet size box took %1").arg(Quoted(box->text())));
}

void RandomUser::PickDefaultShip() {
    ActivateDetailsWindow();
    const char* name = Chance(50) ? "DefaultAttackerList" : "DefaultDefenderList";
    auto* list = Find<QComboBox>(name);
    QTest::mouseClick(list->lineEdit(), Qt::LeftButton, {}, RandomPointIn(list->lineEdit()));
    Note(QLatin1String(name));
    KeyThroughList(list);
}

void RandomUser::ClickSaveSettings() {
    ClickButton("SaveSettingsBtn");
}

void RandomUser::ClickCancelChanges() {
    ClickButton("CancelSettingsBtn");
}

void RandomUser::ClickClassicSettings() {
    ClickButton("ClassicSettingsBtn");
}

void RandomUser::ClickCloseSettings() {
    ClickButton("CloseSettingsBtn");
}

void RandomUser::ClickCloseAbout() {
    ClickButton("CloseAboutBtn");
}
