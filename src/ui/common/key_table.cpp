#include "ui/common/key_table.h"

#include <QShortcut>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

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

QList<QKeySequence> KeysOf(KeyCommand command) {
    const auto row =
        std::find_if(KeyTable().begin(), KeyTable().end(),
                     [command](const KeyRow& each) { return each.command == command; });
    Q_ASSERT(row != KeyTable().end() && command != KeyCommand::Listed &&
             command != KeyCommand::ResultsLog);
    return row != KeyTable().end() ? KeysNamed(row->keys) : QList<QKeySequence>();
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
