#include <QTest>

#include "ui/details/results_log.h"

// The results log's rules without a window: each row is a run of commands, as the buttons
// and clicks give them, and the entries and selection they leave.
class ResultsLogRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void commands_leave_entries_and_selection_data();
    void commands_leave_entries_and_selection();
    void copy_ends_every_entry_with_cr_lf_data();
    void copy_ends_every_entry_with_cr_lf();
    void select_outside_the_entries_selects_nothing();
};

namespace {

// Commands separated by blanks: "+x" adds x, "^x" inserts x, "_" inserts an empty line,
// "-" deletes, "u" and "d" move up and down, "c" clears, "sN" selects entry N.
void Run(ResultsLog& log, const QString& commands) {
    for (const QString& command : commands.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString argument = command.mid(1);
        switch (command.front().toLatin1()) {
            case '+':
                log.Add(argument);
                break;
            case '^':
                log.Insert(argument);
                break;
            case '_':
                log.Insert(QString());
                break;
            case '-':
                log.Delete();
                break;
            case 'u':
                log.MoveUp();
                break;
            case 'd':
                log.MoveDown();
                break;
            case 'c':
                log.Clear();
                break;
            case 's':
                log.Select(argument.toInt());
                break;
            default:
                QFAIL(qPrintable(QStringLiteral("unknown command ") + command));
        }
    }
}

}  // namespace

void ResultsLogRulesTest::commands_leave_entries_and_selection_data() {
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");

    const int none = ResultsLog::kNone;
    QTest::newRow("empty at start") << "" << QStringList{} << none;
    QTest::newRow("add to empty selects it") << "+a" << QStringList{"a"} << 0;
    QTest::newRow("add selects the new last") << "+a +b s0 +c" << QStringList{"a", "b", "c"} << 2;
    QTest::newRow("delete last of three selects new last")
        << "+a +b +c -" << QStringList{"a", "b"} << 1;
    QTest::newRow("delete middle selects the entry in its place")
        << "+a +b +c s1 -" << QStringList{"a", "c"} << 1;
    QTest::newRow("delete first selects the next") << "+a +b s0 -" << QStringList{"b"} << 0;
    QTest::newRow("delete twice from the front") << "+a +b +c s0 - -" << QStringList{"c"} << 0;
    QTest::newRow("delete only entry") << "+a -" << QStringList{} << none;
    QTest::newRow("delete without selection") << "+a +b s-1 -" << QStringList{"a", "b"} << none;
    QTest::newRow("delete twice from the end") << "+a +b +c - -" << QStringList{"a"} << 0;
    QTest::newRow("clear") << "+a +b c" << QStringList{} << none;
    QTest::newRow("insert before first selects it")
        << "+a +b s0 ^x" << QStringList{"x", "a", "b"} << 0;
    QTest::newRow("insert before last") << "+a +b ^x" << QStringList{"a", "x", "b"} << 1;
    QTest::newRow("insert without selection appends")
        << "+a s-1 ^x" << QStringList{"a", "x"} << none;
    QTest::newRow("insert into empty log") << "^x" << QStringList{"x"} << none;
    QTest::newRow("insert space") << "+a +b s1 _" << QStringList{"a", "", "b"} << 1;
    QTest::newRow("insert space without selection") << "_ _" << QStringList{"", ""} << none;
    QTest::newRow("move up first changes nothing") << "+a +b s0 u" << QStringList{"a", "b"} << 0;
    QTest::newRow("move up last") << "+a +b +c u" << QStringList{"a", "c", "b"} << 1;
    QTest::newRow("move up to the top") << "+a +b +c u u u" << QStringList{"c", "a", "b"} << 0;
    QTest::newRow("move down last changes nothing") << "+a +b d" << QStringList{"a", "b"} << 1;
    QTest::newRow("move down first of two") << "+a +b s0 d" << QStringList{"b", "a"} << 1;
    QTest::newRow("move without selection") << "+a +b s-1 u d" << QStringList{"a", "b"} << none;
    QTest::newRow("move in empty log") << "u d" << QStringList{} << none;
    QTest::newRow("clear then add") << "+a c +b" << QStringList{"b"} << 0;
}

void ResultsLogRulesTest::commands_leave_entries_and_selection() {
    QFETCH(QString, commands);
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    ResultsLog log;
    Run(log, commands);
    QCOMPARE(log.Entries(), entries);
    QCOMPARE(log.Selected(), selected);
}

void ResultsLogRulesTest::copy_ends_every_entry_with_cr_lf_data() {
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QString>("copied");

    QTest::newRow("empty log") << ""
                               << "";
    QTest::newRow("line, space, line") << "+a +b s1 _"
                                       << "a\r\n\r\nb\r\n";
    QTest::newRow("selection does not matter") << "+a +b s-1"
                                               << "a\r\nb\r\n";
    QTest::newRow("after a move") << "+a +b u"
                                  << "b\r\na\r\n";
}

void ResultsLogRulesTest::copy_ends_every_entry_with_cr_lf() {
    QFETCH(QString, commands);
    QFETCH(QString, copied);
    ResultsLog log;
    Run(log, commands);
    QCOMPARE(log.CopiedText(), copied);
}

void ResultsLogRulesTest::select_outside_the_entries_selects_nothing() {
    ResultsLog log;
    Run(log, QStringLiteral("+a +b"));
    log.Select(2);
    QCOMPARE(log.Selected(), ResultsLog::kNone);
    log.Select(-5);
    QCOMPARE(log.Selected(), ResultsLog::kNone);
}

QTEST_APPLESS_MAIN(ResultsLogRulesTest)
#include "results_log_rules_test.moc"
