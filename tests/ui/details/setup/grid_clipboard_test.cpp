#include <QTest>

#include "ui/common/qt_text.h"
#include "ui/details/setup/grid_clipboard.h"

Q_DECLARE_METATYPE(PasteRefusal)

namespace {

// A 5 x 4 grid as the stats grid lays it out: row 0 and column 0 are fixed.
constexpr GridArea kEditable{{1, 1}, {4, 3}};

// "row,column=text" for each cell, in the order the paste changes them.
QStringList Described(const GridPaste& paste) {
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
    void paste_places_block_data();
    void paste_places_block();
    void copied_block_is_tab_separated_crlf_lines_data();
    void copied_block_is_tab_separated_crlf_lines();
    void copied_block_pastes_back_unchanged();
};

void GridClipboardTest::paste_places_block_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<PasteRefusal>("refusal");
    QTest::addColumn<QStringList>("cells");
    const auto ok = PasteRefusal::None;
    const QStringList block{"2,1=a", "2,2=b", "3,1=c", "3,2=d"};
    QTest::newRow("spreadsheet CR LF") << "a\tb\r\nc\td\r\n" << 2 << 1 << ok << block;
    QTest::newRow("web table LF") << "a\tb\nc\td\n" << 2 << 1 << ok << block;
    QTest::newRow("no final line end") << "a\tb\nc\td" << 2 << 1 << ok << block;
    QTest::newRow("lone CR") << "a\tb\rc\td\r" << 2 << 1 << ok << block;
    QTest::newRow("ragged rows") << "a\nb\tc\n"
                                 << 1 << 2 << ok << QStringList{"1,2=a", "2,2=b", "2,3=c"};
    QTest::newRow("one empty cell") << "\r\n" << 3 << 3 << ok << QStringList{"3,3="};
    QTest::newRow("empty fields") << "x\t\t\r\n\t\r\n"
                                  << 1 << 1 << ok
                                  << QStringList{"1,1=x", "1,2=", "1,3=", "2,1=", "2,2="};
    QTest::newRow("empty text") << "" << 1 << 1 << ok << QStringList{};
    QTest::newRow("blank line inside") << "1\n\n3\n"
                                       << 1 << 1 << ok << QStringList{"1,1=1", "2,1=", "3,1=3"};
    QTest::newRow("extra columns") << "1\t2\t3\t4\r\n"
                                   << 2 << 2 << ok << QStringList{"2,2=1", "2,3=2"};
    QTest::newRow("extra rows") << "1\n2\n3\n" << 3 << 3 << ok << QStringList{"3,3=1", "4,3=2"};
    QTest::newRow("from the name column")
        << "name\t7\t8\r\nname\t9\t10\r\n"
        << 2 << 0 << ok << QStringList{"2,1=7", "2,2=8", "3,1=9", "3,2=10"};
    QTest::newRow("from the header row") << "Race\tCl\nT\t5\n"
                                         << 0 << 1 << ok << QStringList{"1,1=T", "1,2=5"};
    QTest::newRow("from the corner") << "c\th\nn\tv\n" << 0 << 0 << ok << QStringList{"1,1=v"};
    QTest::newRow("quoted text") << "\"say \"\"hi\"\"\"\tx\n"
                                 << 1 << 1 << ok << QStringList{"1,1=say \"hi\"", "1,2=x"};
    QTest::newRow("quoted tab") << "\"a\tb\"\tc" << 1 << 1 << ok
                                << QStringList{"1,1=a\tb", "1,2=c"};
    QTest::newRow("quotes inside text")
        << "5\"\t\"open\t7\n"
        << 1 << 1 << ok << QStringList{"1,1=5\"", "1,2=\"open", "1,3=7"};
    QTest::newRow("Latin-1 letters") << QString::fromLatin1("\xE9\t\xFF") << 1 << 1 << ok
                                     << QStringList{"1,1=\u00E9", "1,2=\u00FF"};
    const auto lineBreak = PasteRefusal::LineBreakInCell;
    QTest::newRow("quoted LF") << "a\t\"two\nlines\"\nb\tc\n"
                               << 1 << 1 << lineBreak << QStringList{};
    QTest::newRow("quoted CR LF") << "\"two\r\nlines\"\r\n" << 4 << 3 << lineBreak << QStringList{};
    const auto notLatin1 = PasteRefusal::NotLatin1;
    QTest::newRow("euro sign") << "1\t2\u20AC\r\n" << 1 << 1 << notLatin1 << QStringList{};
    QTest::newRow("after good cells") << "1\t2\n3\t\u4E00\n"
                                      << 1 << 1 << notLatin1 << QStringList{};
    QTest::newRow("dropped column beyond Latin-1")
        << "1\t2\t3\t\u20AC\n"
        << 1 << 1 << ok << QStringList{"1,1=1", "1,2=2", "1,3=3"};
    QTest::newRow("dropped cell with line break") << "x\t\"a\nb\"\n"
                                                  << 1 << 3 << ok << QStringList{"1,3=x"};
}

void GridClipboardTest::paste_places_block() {
    QFETCH(QString, text);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(PasteRefusal, refusal);
    QFETCH(QStringList, cells);
    const GridPaste paste = PlacePastedBlock(text, {row, column}, kEditable);
    QCOMPARE(paste.refusal, refusal);
    QCOMPARE(Described(paste), cells);
}

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
    const GridPaste paste = PlacePastedBlock(CopiedBlockText(rows), {1, 1}, kEditable);
    QCOMPARE(paste.refusal, PasteRefusal::None);
    QCOMPARE(Described(paste),
             (QStringList{"1,1=\"q\"", "1,2=t\tu", "1,3=", "2,1=5\"", "2,2=x", "2,3=\u00E9"}));
}

QTEST_MAIN(GridClipboardTest)
#include "grid_clipboard_test.moc"
