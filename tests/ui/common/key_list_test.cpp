#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

#include "ui/common/key_table.h"

// The key list that the README's Keyboard table and the manual page's KEYS section give the
// user is the key table the windows bind their keys from.
class KeyListTest : public QObject {
    Q_OBJECT

  private slots:
    void readme_keyboard_table_is_the_key_table();
    void manual_page_keys_section_is_the_key_table();
    void every_command_has_one_row_of_keys_it_can_bind();
    void every_log_command_lists_and_binds_the_engines_keys();
};

namespace {

QStringList FileLines(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

// The lines from the first that starts with `first` up to, not including, the first after
// it that starts with `end`.
QStringList Section(const QStringList& lines, const QString& first, const QString& end) {
    const auto from = std::find_if(lines.begin(), lines.end(),
                                   [&](const QString& line) { return line.startsWith(first); });
    if (from == lines.end()) {
        return {};
    }
    const auto to = std::find_if(from + 1, lines.end(),
                                 [&](const QString& line) { return line.startsWith(end); });
    return QStringList(from, to);
}

// Shown when the lists differ, ready to be pasted into the document.
// Every key of `keys` is one whole key Qt knows.
bool AllBindable(const QList<QKeySequence>& keys) {
    return std::all_of(keys.begin(), keys.end(), [](const QKeySequence& key) {
        return key.count() == 1 && key[0].key() != Qt::Key_unknown;
    });
}

// The rows of the key list that give `keys` for `what` under `where`.
std::ptrdiff_t RowsListing(const char* where, std::string_view keys, std::string_view what) {
    return std::count_if(KeyTable().begin(), KeyTable().end(), [&](const KeyRow& row) {
        return std::string_view(row.where) == where && std::string_view(row.keys) == keys &&
               std::string_view(row.what) == what;
    });
}

bool SameOrListed(const QStringList& found, const QStringList& expected) {
    if (found != expected) {
        qInfo().noquote() << "expected:\n" + expected.join(QLatin1Char('\n'));
    }
    return found == expected;
}

}  // namespace

void KeyListTest::readme_keyboard_table_is_the_key_table() {
    QStringList expected = {QStringLiteral("| Where | Key | What it does |"),
                            QStringLiteral("|---|---|---|")};
    for (const KeyRow& row : KeyTable()) {
        expected << QStringLiteral("| %1 | %2 | %3 |").arg(row.where, row.keys, row.what);
    }
    const QStringList keyboard =
        Section(FileLines(SKIRMOD_SOURCE_DIR "/README.md"), "## Keyboard", "## ");
    const QStringList table = keyboard.filter(QRegularExpression(QStringLiteral("^\\|")));
    QVERIFY(SameOrListed(table, expected));
}

void KeyListTest::manual_page_keys_section_is_the_key_table() {
    QStringList expected = {QStringLiteral(".SH KEYS"),
                            QStringLiteral("Everything the mouse does has a key.")};
    for (const KeyRow& row : KeyTable()) {
        expected << QStringLiteral(".TP") << QStringLiteral(".B ") + QLatin1String(row.keys)
                 << QStringLiteral("%1: %2.").arg(row.where, row.what);
    }
    const QStringList keys = Section(FileLines(SKIRMOD_SOURCE_DIR "/packaging/skirmod.1.in"),
                                     QStringLiteral(".SH KEYS"), QStringLiteral(".SH "));
    QVERIFY(SameOrListed(keys, expected));
}

void KeyListTest::every_command_has_one_row_of_keys_it_can_bind() {
    for (int command = static_cast<int>(KeyCommand::CountUp);
         command <= static_cast<int>(KeyCommand::OpenAbout); ++command) {
        const auto rows = std::count_if(
            KeyTable().begin(), KeyTable().end(),
            [&](const KeyRow& row) { return row.command == static_cast<KeyCommand>(command); });
        QCOMPARE(rows, 1);
        const QList<QKeySequence> keys = KeysOf(static_cast<KeyCommand>(command));
        QVERIFY(!keys.isEmpty());
        for (const QKeySequence& key : keys) {
            QCOMPARE(key.count(), 1);
            QVERIFY2(key[0].key() != Qt::Key_unknown, qPrintable(key.toString()));
        }
    }
}

// The results log's buttons and the log list bind the keys of the engine's table, and the
// key list lists each of them once.
void KeyListTest::every_log_command_lists_and_binds_the_engines_keys() {
    for (const LogCommandRow& row : kLogCommands) {
        const QList<QKeySequence> button = ButtonKeysOf(row.command);
        QCOMPARE(button.size(), 1);
        QVERIFY2(AllBindable(button), row.buttonKey.data());
        QCOMPARE(RowsListing("Results", row.buttonKey, row.caption), std::ptrdiff_t{1});
        const QList<QKeySequence> list = LogKeysOf(row.command);
        QCOMPARE(list.isEmpty(), row.listKey.empty());
        QVERIFY2(AllBindable(list), row.listKey.data());
        QCOMPARE(RowsListing("Results log", row.listKey, row.caption),
                 std::ptrdiff_t{row.listKey.empty() ? 0 : 1});
    }
}

QTEST_GUILESS_MAIN(KeyListTest)
#include "key_list_test.moc"
