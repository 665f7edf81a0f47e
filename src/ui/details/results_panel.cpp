#include "ui/details/results_panel.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/readouts.h"
#include "ui/common/accessibility.h"
#include "ui/common/details_palette.h"
#include "ui/common/fonts.h"
#include "ui/common/key_table.h"
#include "ui/common/qt_text.h"
#include "ui/common/spoken_notice.h"
#include "ui/details/results_log_delegate.h"

namespace {

constexpr int kCurrentResultHeight = 53;
constexpr int kStripHeight = 26;
constexpr int kButtonTop = 3;
constexpr int kButtonHeight = 18;
constexpr int kFontPixels = 13;

// Where each command's button sits on the strip.
struct ButtonPlace {
    LogCommand command;
    const char* name;
    int left;
    int width;
};

constexpr std::array<ButtonPlace, 8> kButtonPlaces = {{
    {LogCommand::Add, "ResultsAddBtn", 3, 37},
    {LogCommand::Delete, "ResultsDeleteBtn", 44, 57},
    {LogCommand::Clear, "ResultsClearBtn", 105, 46},
    {LogCommand::Insert, "ResultsInsertBtn", 155, 51},
    {LogCommand::InsertSpace, "ResultsInsertSpaceBtn", 210, 94},
    {LogCommand::Copy, "ResultsCopyBtn", 308, 45},
    {LogCommand::MoveDown, "ResultsMoveDownBtn", 357, 89},
    {LogCommand::MoveUp, "ResultsMoveUpBtn", 450, 70},
}};

constexpr const ButtonPlace* PlaceOf(LogCommand command) {
    for (const ButtonPlace& place : kButtonPlaces) {
        if (place.command == command) {
            return &place;
        }
    }
    return nullptr;
}

// A new command in the engine's table needs its place on the strip.
constexpr bool EveryCommandHasAPlace() {
    for (const LogCommandRow& row : kLogCommands) {
        if (PlaceOf(row.command) == nullptr) {
            return false;
        }
    }
    return true;
}
static_assert(EveryCommandHasAPlace());

constexpr AccessibleText kAccessibleTexts[] = {
    {"CurrentResultMemo", "Current result", "The result line of the last calculation"},
    {"ResultsMemo", "Results log",
     "Result lines collected with Add and Insert; Copy puts them all on the clipboard"},
};

const char* const kEmptyEntryName = "Empty line";
const char* const kEmptyLogName = "Results log empty";

// An empty entry still has a name for screen readers, which would otherwise skip it.
QListWidgetItem* NewEntry(const QString& text) {
    auto* entry = new QListWidgetItem(text);
    if (text.isEmpty()) {
        entry->setData(Qt::AccessibleTextRole, QString::fromLatin1(kEmptyEntryName));
    }
    return entry;
}

QWidget* NewShape(const QString& name, QWidget* parent) {
    auto* shape = new QWidget(parent);
    shape->setObjectName(name);
    shape->setFixedWidth(1);
    shape->setAutoFillBackground(true);
    SetOwnColors(shape, {{QPalette::Window, Qt::black}});
    return shape;
}

}  // namespace

ResultsPanel::ResultsPanel(Engine& engine, QWidget* parent) : QWidget(parent), m_engine(engine) {
    setObjectName(QStringLiteral("ResultsPanel"));
    setFont(SansSerifFont(kFontPixels));

    m_currentResultMemo = new QPlainTextEdit(this);
    m_currentResultMemo->setObjectName(QStringLiteral("CurrentResultMemo"));
    MakeReadingBox(*m_currentResultMemo);
    m_currentResultMemo->setFont(ArialFont(kFontPixels));
    m_currentResultMemo->setFixedHeight(kCurrentResultHeight);
    m_currentResultMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetOwnColors(m_currentResultMemo, {{QPalette::Text, Qt::black}});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The log first: the strip's buttons give it their keys.
    QListWidget* log = CreateResultsLog();
    layout->addWidget(m_currentResultMemo);
    layout->addWidget(CreateButtonStrip());
    layout->addWidget(log, 1);
    DescribeControls(*this, kAccessibleTexts);
    m_notice = new SpokenNotice(*this);
}

QWidget* ResultsPanel::CreateButtonStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setFixedHeight(kStripHeight);
    strip->setAutoFillBackground(true);
    strip->setFont(ArialFont(kFontPixels));
    SetOwnColors(strip, {{QPalette::Window, StandardPanelColor()},
                         {QPalette::WindowText, Qt::black},
                         {QPalette::ButtonText, Qt::black}});

    auto* edges = new QHBoxLayout(strip);
    edges->setContentsMargins(0, 0, 0, 0);
    edges->addWidget(NewShape(QStringLiteral("Shape1"), strip));
    edges->addStretch();
    edges->addWidget(NewShape(QStringLiteral("Shape2"), strip));

    for (const LogCommandRow& row : kLogCommands) {
        AddButton(row, strip);
    }
    return strip;
}

// Screen readers name the button by its caption. The log's own keys, while it has the
// focus, work the button as a click does.
void ResultsPanel::AddButton(const LogCommandRow& row, QWidget* strip) {
    const ButtonPlace& place = *PlaceOf(row.command);
    auto* button = new QToolButton(strip);
    button->setObjectName(QString::fromLatin1(place.name));
    button->setText(ToQString(row.caption));
    button->setGeometry(place.left, kButtonTop, place.width, kButtonHeight);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleDescription(ToQString(row.description));
    button->setShortcut(ButtonKeysOf(row.command).constFirst());
    connect(button, &QToolButton::clicked, this,
            [this, command = row.command] { RunCommand(command); });
    BindKeys(LogKeysOf(row.command), m_resultsMemo, Qt::WidgetShortcut, button,
             [button] { button->click(); });
}

QListWidget* ResultsPanel::CreateResultsLog() {
    m_resultsMemo = new QListWidget(this);
    m_resultsMemo->setObjectName(QStringLiteral("ResultsMemo"));
    m_resultsMemo->setFont(ArialFont(kFontPixels));
    m_resultsMemo->setItemDelegate(new ResultsLogDelegate(m_resultsMemo));
    m_resultsMemo->setUniformItemSizes(true);
    m_resultsMemo->setSelectionMode(QAbstractItemView::SingleSelection);
    m_resultsMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return m_resultsMemo;
}

void ResultsPanel::ShowCurrentResult() {
    m_currentResultMemo->setPlainText(QStringLiteral("Current Result...\n") +
                                      ToQString(CurrentResultLine(m_state)));
    m_currentResultMemo->moveCursor(QTextCursor::Start);
}

void ResultsPanel::ApplyColors(const QColor& background, const QColor& text) {
    SetOwnColors(this, {{QPalette::WindowText, text}});
    SetOwnColors(m_resultsMemo, {{QPalette::Base, background}, {QPalette::Text, text}});
}

void ResultsPanel::RunCommand(LogCommand command) {
    m_engine.RunLogCommand(command, SelectedIndex());
    if (command == LogCommand::Copy) {
        QGuiApplication::clipboard()->setText(ToQString(CopiedLogText(m_state)));
    }
    ShowLog();
    if (command == LogCommand::Delete || command == LogCommand::Clear) {
        TellIfEmpty();
    }
    if (command == LogCommand::Delete) {
        TellCurrentEntry();
    }
}

int ResultsPanel::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = m_resultsMemo->selectedItems();
    return selected.isEmpty() ? ResultsLog::kNone : m_resultsMemo->row(selected.first());
}

void ResultsPanel::ShowLog() {
    ShowEntries();
    SelectEntry(SelectedLogEntry(m_state));
}

// The engine's log, whatever changed it while the panel was hidden; the user's selection in
// the list stays, for the next command to read.
void ResultsPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ShowEntries();
}

// Only the rows between the unchanged head and tail are replaced, so a command touches as
// few rows as it changes.
void ResultsPanel::ShowEntries() {
    QStringList entries;
    for (const std::string& entry : LogEntries(m_state)) {
        entries << ToQString(entry);
    }
    const int shown = m_resultsMemo->count();
    const int wanted = static_cast<int>(entries.size());
    int head = 0;
    while (head < std::min(shown, wanted) && m_resultsMemo->item(head)->text() == entries[head]) {
        ++head;
    }
    int tail = 0;
    while (tail < std::min(shown, wanted) - head &&
           m_resultsMemo->item(shown - 1 - tail)->text() == entries[wanted - 1 - tail]) {
        ++tail;
    }
    for (int row = shown - tail - 1; row >= head; --row) {
        delete m_resultsMemo->takeItem(row);
    }
    for (int row = head; row < wanted - tail; ++row) {
        m_resultsMemo->insertItem(row, NewEntry(entries[row]));
    }
}

void ResultsPanel::SelectEntry(int index) {
    if (index == ResultsLog::kNone) {
        m_resultsMemo->clearSelection();
        return;
    }
    m_resultsMemo->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

// Qt tells screen readers of the entry that a command selects, but an empty log selects
// none, so a notice says it.
void ResultsPanel::TellIfEmpty() {
    if (m_resultsMemo->count() == 0) {
        m_notice->Say(QString::fromLatin1(kEmptyLogName));
    }
}

// Orca was heard to say only "delete" when the last entry went: the focused log tells of the
// entry a Delete leaves current as Qt tells of a move, whichever entry went.
void ResultsPanel::TellCurrentEntry() {
    if (!m_resultsMemo->hasFocus() || m_resultsMemo->currentRow() < 0) {
        return;
    }
    QAccessibleEvent focused(m_resultsMemo, QAccessible::Focus);
    focused.setChild(m_resultsMemo->currentRow());
    QAccessible::updateAccessibility(&focused);
}
