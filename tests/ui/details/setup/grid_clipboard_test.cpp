#include <QTest>

#include "ui/common/qt_text.h"
#include "ui/details/setup/grid_clipboard.h"

namespace {

// A 5 x 4 grid as the stats grid lays it out: row 0 and column 0 are fixed.
constexpr BlockArea kEditable{{1, 1}, {4, 3}};

// "row,column=text" for each cell, in the order the paste changes them.
QStringList Described(const BlockPaste& paste) {
    QStringList cells;
    for (const PastedCell& pasted : paste.cells) {
        cells << QStringLiteral("%1,%2=%3")
                     .arg(pasted.cell.row)
                     .arg(pasted.cell.column)
                     .arg(ToQString(pasted.text));
    }
    return cells;
}

}  // namespace

class GridClipboardTest : public QObject {
    Q_OBJECT

  private slots:
    void copied_block_is_tab_separated_crlf_lines_data();
    void copied_block_is_tab_separated_crlf_lines();
    void copied_block_pastes_back_unchanged();
};

void GridClipboardTest::copied_block_is_tab_separated_crlf_lines_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("2 x 3") << QList<QStringList>{{"a", "b", "c"}, {"d", "", "f"}}
                           << "a\tb\tc\r\nd\t\tf\r\n";
    QTest::newRow("one empty cell") << QList<QStringList>{{""}} << "\r\n";
    QTest::newRow("quote and tab")
        << QList<QStringList>{{"\"q", "t\tu", "5\""}} << "\"\"\"q\"\t\"t\tu\"\t5\"\r\n";
    QTest::newRow("nothing") << QList<QStringList>{} << "";
}

void GridClipboardTest::copied_block_is_tab_separated_crlf_lines() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, text);
    QCOMPARE(CopiedBlockText(rows), text);
}

void GridClipboardTest::copied_block_pastes_back_unchanged() {
    const QList<QStringList> rows{{"\"q\"", "t\tu", ""}, {"5\"", "x", "\u00E9"}};
    // The engine takes the clipboard's text as UTF-8 and places it by these rules.
    const BlockPaste paste =
        PlacePastedBlock(CopiedBlockText(rows).toStdString(), {1, 1}, kEditable);
    QCOMPARE(paste.refusal, PasteRefusal::None);
    QCOMPARE(Described(paste),
             (QStringList{"1,1=\"q\"", "1,2=t\tu", "1,3=", "2,1=5\"", "2,2=x", "2,3=\u00E9"}));
}

QTEST_MAIN(GridClipboardTest)
#include "grid_clipboard_test.moc"
