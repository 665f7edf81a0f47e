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
#include "core/results_log.h"
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

struct ButtonSpec {
    const char* name;
    const char* caption;
    int left;
    int width;
    void (ResultsPanel::*click)();
    // For screen readers, which name the button by its caption.
    const char* description;
    // The button's own key anywhere in the panel, and the log's key for it (none: Listed).
    KeyCommand key;
    KeyCommand logKey;
};

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

ResultsPanel::ResultsPanel(ProgramState& state, QWidget* parent) : QWidget(parent), m_state(state) {
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
    static constexpr std::array<ButtonSpec, 8> kButtons = {{
        {"ResultsAddBtn", "Add", 3, 37, &ResultsPanel::ResultsAddBtnClick,
         "Adds the current result line at the end of the log", KeyCommand::ResultsAdd,
         KeyCommand::Listed},
        {"ResultsDeleteBtn", "Delete", 44, 57, &ResultsPanel::ResultsDeleteBtnClick,
         "Deletes the selected entry", KeyCommand::ResultsDelete, KeyCommand::LogDelete},
        {"ResultsClearBtn", "Clear", 105, 46, &ResultsPanel::ResultsClearBtnClick,
         "Deletes every entry", KeyCommand::ResultsClear, KeyCommand::Listed},
        {"ResultsInsertBtn", "Insert", 155, 51, &ResultsPanel::ResultsInsertBtnClick,
         "Inserts the current result line in front of the selected entry",
         KeyCommand::ResultsInsert, KeyCommand::LogInsert},
        {"ResultsInsertSpaceBtn", "Insert Space", 210, 94,
         &ResultsPanel::ResultsInsertSpaceBtnClick,
         "Inserts an empty line in front of the selected entry", KeyCommand::ResultsInsertSpace,
         KeyCommand::LogInsertSpace},
        {"ResultsCopyBtn", "Copy", 308, 45, &ResultsPanel::ResultsCopyBtnClick,
         "Copies the whole log to the clipboard", KeyCommand::ResultsCopy, KeyCommand::LogCopy},
        {"ResultsMoveDownBtn", "Move Down", 357, 89, &ResultsPanel::ResultsMoveDownBtnClick,
         "Moves the selected entry down one place", KeyCommand::ResultsMoveDown,
         KeyCommand::LogMoveDown},
        {"ResultsMoveUpBtn", "Move Up", 450, 70, &ResultsPanel::ResultsMoveUpBtnClick,
         "Moves the selected entry up one place", KeyCommand::ResultsMoveUp, KeyCommand::LogMoveUp},
    }};

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

    for (const ButtonSpec& entry : kButtons) {
        auto* button = new QToolButton(strip);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setText(QString::fromLatin1(entry.caption));
        button->setGeometry(entry.left, kButtonTop, entry.width, kButtonHeight);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleDescription(QString::fromLatin1(entry.description));
        button->setShortcut(KeysOf(entry.key).constFirst());
        connect(button, &QToolButton::clicked, this, entry.click);
        // Keys of the focused log, which work the button as a click does.
        if (entry.logKey != KeyCommand::Listed) {
            BindKeys(entry.logKey, m_resultsMemo, Qt::WidgetShortcut, button,
                     [button] { button->click(); });
        }
    }
    return strip;
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

void ResultsPanel::ResultsAddBtnClick() {
    ApplyToLog(AddResultToLog);
}

void ResultsPanel::ResultsDeleteBtnClick() {
    ApplyToLog(DeleteLogEntry);
    TellIfEmpty();
    TellCurrentEntry();
}

void ResultsPanel::ResultsClearBtnClick() {
    ApplyToLog(ClearLog);
    TellIfEmpty();
}

void ResultsPanel::ResultsInsertBtnClick() {
    ApplyToLog(InsertResultInLog);
}

void ResultsPanel::ResultsInsertSpaceBtnClick() {
    ApplyToLog(InsertSpaceInLog);
}

void ResultsPanel::ResultsCopyBtnClick() {
    QGuiApplication::clipboard()->setText(ToQString(CopiedLogText(m_state)));
}

void ResultsPanel::ResultsMoveUpBtnClick() {
    ApplyToLog(MoveLogEntryUp);
}

void ResultsPanel::ResultsMoveDownBtnClick() {
    ApplyToLog(MoveLogEntryDown);
}

// The log takes the user's selection, applies the command, and the list shows the result.
void ResultsPanel::ApplyToLog(void (*command)(ProgramState&)) {
    SelectLogEntry(m_state, SelectedIndex());
    command(m_state);
    ShowLog();
}

int ResultsPanel::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = m_resultsMemo->selectedItems();
    return selected.isEmpty() ? ResultsLog::kNone : m_resultsMemo->row(selected.first());
}

// Only the rows between the unchanged head and tail are replaced, so a command touches as
// few rows as it changes.
void ResultsPanel::ShowLog() {
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
    SelectEntry(SelectedLogEntry(m_state));
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
