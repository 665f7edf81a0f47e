#include "ui/common/key_table.h"

#include <QShortcut>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <array>

namespace {

using enum KeyCommand;

constexpr std::array<KeyRow, 39> kKeyRows = {{
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
    {ResultsAdd, "Results", "Alt+A", "Add"},
    {ResultsDelete, "Results", "Alt+D", "Delete"},
    {ResultsClear, "Results", "Alt+L", "Clear"},
    {ResultsInsert, "Results", "Alt+I", "Insert"},
    {ResultsInsertSpace, "Results", "Alt+S", "Insert Space"},
    {ResultsCopy, "Results", "Alt+C", "Copy"},
    {ResultsMoveDown, "Results", "Alt+W", "Move Down"},
    {ResultsMoveUp, "Results", "Alt+U", "Move Up"},
    {LogInsert, "Results log", "Insert", "Insert"},
    {LogInsertSpace, "Results log", "Shift+Insert", "Insert Space"},
    {LogDelete, "Results log", "Delete", "Delete"},
    {LogCopy, "Results log", "Ctrl+C", "Copy"},
    {LogMoveUp, "Results log", "Ctrl+Up", "Move Up"},
    {LogMoveDown, "Results log", "Ctrl+Down", "Move Down"},
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

}  // namespace

std::span<const KeyRow> KeyTable() {
    return kKeyRows;
}

QList<QKeySequence> KeysOf(KeyCommand command) {
    const auto* row = std::find_if(kKeyRows.begin(), kKeyRows.end(), [command](const KeyRow& each) {
        return each.command == command;
    });
    Q_ASSERT(row != kKeyRows.end() && command != KeyCommand::Listed);
    QList<QKeySequence> keys;
    if (row != kKeyRows.end()) {
        for (const QString& key : QString::fromLatin1(row->keys).split(QStringLiteral(", "))) {
            keys << ParseKey(key);
        }
    }
    return keys;
}

void BindKeys(KeyCommand command, QWidget* owner, Qt::ShortcutContext context, QObject* receiver,
              const std::function<void()>& handler) {
    for (const QKeySequence& key : KeysOf(command)) {
        auto* shortcut = new QShortcut(key, owner, nullptr, nullptr, context);
        QObject::connect(shortcut, &QShortcut::activated, receiver, handler);
    }
}
