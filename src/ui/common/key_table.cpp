#include "ui/common/key_table.h"

#include <QShortcut>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>
#include <vector>

namespace {

using enum KeyCommand;

// The results log's rows come in where the comment says, kLogRowsAt rows down.
constexpr std::array<KeyRow, 25> kFixedRows = {{
    {Listed, "Calculator", "Tab, Shift+Tab", "count box, defender list, attacker list"},
    {CountUp, "Count box", "Up", "one ship more, as the spin-up label"},
    {CountDown, "Count box", "Down", "one ship fewer, as the spin-down label"},
    {CountTenUp, "Count box", "PgUp", "ten ships more"},
    {CountTenDown, "Count box", "PgDn", "ten ships fewer"},
    {Listed, "Calculator, ship list", "Up, Down, or type the name's start",
     "another ship type; Alt+Down drops the list down"},
    {OpenDetails, "Calculator", "Alt+D", "opens the Details window and brings it to the front"},
    {OpenMenu, "Calculator", "Shift+F10, Menu",
     "the right-click menu, first item current; Enter chooses"},
    {MoveWindow, "Calculator", "Alt+M",
     "moves the window: arrows 10 pixels, Ctrl+arrows 1; Enter keeps the place, Escape puts "
     "it back"},
    {MinimiseWindows, "Calculator", "Alt+N",
     "minimises the calculator, and the Details window with it, as the minimise label does"},
    {NextSection, "Details window", "Ctrl+Tab, Ctrl+PgDn",
     "next section (after Setup comes Calculation)"},
    {PreviousSection, "Details window", "Ctrl+Shift+Tab, Ctrl+PgUp", "previous section"},
    {Listed, "Section tabs", "Left, Up, Right, Down", "previous or next section"},
    {Listed, "Details window", "Enter, Space", "presses the focused button"},
    {Listed, "Text boxes", "Tab, Shift+Tab",
     "next or previous control; arrows and Shift select, Ctrl+C copies"},
    // kLogRowsAt: the results log's rows come in here.
    {StatsEdit, "Setup", "Alt+E", "Edit"},
    {StatsSave, "Setup", "Alt+S", "Save"},
    {StatsCancel, "Setup", "Alt+C", "Cancel"},
    {StatsRestore, "Setup", "Alt+R", "Restore"},
    {OpenSettings, "Setup", "Alt+T", "Settings"},
    {OpenAbout, "Setup", "Alt+B", "About"},
    {Listed, "Setup grid", "Tab, Shift+Tab",
     "next or previous cell; from the last cell or the first, on to the next control"},
    {Listed, "Setup grid", "Ctrl+C, Ctrl+V",
     "copies the selected cells, pastes at the current cell"},
    {Listed, "Settings", "Up, Down, Left, Right",
     "in the colour grid: another colour; on a bar: less or more of its colour"},
    {Listed, "Settings", "PgUp, PgDn", "on a bar: a larger step"},
}};

constexpr std::size_t kLogRowsAt = 15;

// The engine's strings are literals, so their data ends in a null.
KeyRow LogRow(const char* where, std::string_view keys, const LogCommandRow& row) {
    return {ResultsLog, where, keys.data(), row.caption.data()};
}

std::vector<KeyRow> BuildKeyRows() {
    std::vector<KeyRow> rows(kFixedRows.begin(), kFixedRows.begin() + kLogRowsAt);
    for (const LogCommandRow& row : kLogCommands) {
        rows.push_back(LogRow("Results", row.buttonKey, row));
    }
    for (const LogCommandRow& row : kLogCommands) {
        if (!row.listKey.empty()) {
            rows.push_back(LogRow("Results log", row.listKey, row));
        }
    }
    rows.insert(rows.end(), kFixedRows.begin() + kLogRowsAt, kFixedRows.end());
    return rows;
}

struct NamedKey {
    const char* name;
    Qt::Key key;
};

constexpr NamedKey kNamedKeys[] = {
    {"Tab", Qt::Key_Tab},       {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
    {"PgUp", Qt::Key_PageUp},   {"PgDn", Qt::Key_PageDown}, {"Insert", Qt::Key_Insert},
    {"Delete", Qt::Key_Delete}, {"Menu", Qt::Key_Menu},     {"F10", Qt::Key_F10},
};

constexpr std::pair<const char*, Qt::KeyboardModifier> kModifiers[] = {
    {"Ctrl+", Qt::ControlModifier},
    {"Shift+", Qt::ShiftModifier},
    {"Alt+", Qt::AltModifier},
};

Qt::Key KeyNamed(const QString& name) {
    if (name.size() == 1 && name[0] >= QLatin1Char('A') && name[0] <= QLatin1Char('Z')) {
        return static_cast<Qt::Key>(Qt::Key_A + (name[0].unicode() - u'A'));
    }
    for (const NamedKey& named : kNamedKeys) {
        if (name == QLatin1String(named.name)) {
            return named.key;
        }
    }
    Q_ASSERT_X(false, "KeyNamed", qPrintable(name));
    return Qt::Key_unknown;
}

// Qt's shortcuts take Shift+Tab for the Backtab that the keyboard sends.
QKeySequence ParseKey(QString text) {
    Qt::KeyboardModifiers modifiers;
    for (const auto& [prefix, modifier] : kModifiers) {
        if (text.startsWith(QLatin1String(prefix))) {
            modifiers |= modifier;
            text.remove(0, static_cast<qsizetype>(qstrlen(prefix)));
        }
    }
    return QKeySequence(QKeyCombination(modifiers, KeyNamed(text)));
}

// "Ctrl+Tab, Ctrl+PgDn" as key sequences; an empty text names none.
QList<QKeySequence> KeysNamed(std::string_view text) {
    QList<QKeySequence> keys;
    if (text.empty()) {
        return keys;
    }
    const QString names = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    for (const QString& key : names.split(QStringLiteral(", "))) {
        keys << ParseKey(key);
    }
    return keys;
}

}  // namespace

std::span<const KeyRow> KeyTable() {
    static const std::vector<KeyRow> kRows = BuildKeyRows();
    return kRows;
}

QList<QKeySequence> KeysOf(KeyCommand command) {
    const auto* row =
        std::find_if(kFixedRows.begin(), kFixedRows.end(),
                     [command](const KeyRow& each) { return each.command == command; });
    Q_ASSERT(row != kFixedRows.end() && command != KeyCommand::Listed);
    return row != kFixedRows.end() ? KeysNamed(row->keys) : QList<QKeySequence>();
}

QList<QKeySequence> ButtonKeysOf(LogCommand command) {
    return KeysNamed(LogCommandRowOf(command).buttonKey);
}

QList<QKeySequence> LogKeysOf(LogCommand command) {
    return KeysNamed(LogCommandRowOf(command).listKey);
}

void BindKeys(KeyCommand command, QWidget* owner, Qt::ShortcutContext context, QObject* receiver,
              const std::function<void()>& handler) {
    BindKeys(KeysOf(command), owner, context, receiver, handler);
}

void BindKeys(const QList<QKeySequence>& keys, QWidget* owner, Qt::ShortcutContext context,
              QObject* receiver, const std::function<void()>& handler) {
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, owner, nullptr, nullptr, context);
        QObject::connect(shortcut, &QShortcut::activated, receiver, handler);
    }
}
