#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>

#include "grid_cells.h"
#include "setup_fixture.h"
#include "ui/common/app_title.h"

namespace {

const QString kLineBreakRefusal =
    QStringLiteral("Nothing pasted: a cell of the block holds a line break.");
const QString kLatin1Refusal =
    QStringLiteral("Nothing pasted: the block holds characters the stats file cannot store.");

// Ship table row and column, as in CellText.
void ClickCell(QTableWidget& grid, int row, int column, Qt::KeyboardModifiers modifiers = {}) {
    grid.scrollToItem(grid.item(row, column - 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, CellCenter(grid, row, column));
}

void PressControl(QTableWidget& grid, Qt::Key key) {
    QTest::keyClick(&grid, key, Qt::ControlModifier);
}

void PasteAt(QTableWidget& grid, int row, int column, const QString& clipboard) {
    ClickCell(grid, row, column);
    QGuiApplication::clipboard()->setText(clipboard);
    PressControl(grid, Qt::Key_V);
}

// Types `text` over a cell's text, leaving its editor open with nothing committed yet.
QLineEdit* TypeWithoutCommit(QTableWidget& grid, int row, int column, const QString& text) {
    ClickCell(grid, row, column);
    QTest::keyClick(&grid, Qt::Key_F2);
    QLineEdit* editor = OpenCellEditor(grid);
    if (editor != nullptr) {
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }
    return editor;
}

// Ctrl+V where the user's keys go: into the open cell editor.
void PasteIntoEditor(QLineEdit* editor, const QString& clipboard) {
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
}

// The saved file's text of field (row, column): each field takes three lines, its value the
// third, after the file's three lines of header.
QByteArray SavedField(const QString& path, int row, int column) {
    return FileLine(path, 3 * (row * 19 + column) + 3);
}

void SetFields(ShipTable& table, int row, int firstColumn, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) {
        table[static_cast<std::size_t>(row)].fields[static_cast<std::size_t>(firstColumn + i)] =
            ToBytes(texts[i]);
    }
}

}  // namespace

class GridPasteTest : public QObject {
    Q_OBJECT

  private slots:
    void paste_fills_cells_from_the_current_cell_data();
    void paste_fills_cells_from_the_current_cell();
    void paste_is_clipped_at_the_last_row_and_column();
    void paste_at_the_first_column_leaves_names_and_headers();
    void refused_paste_changes_nothing_and_says_why_data();
    void refused_paste_changes_nothing_and_says_why();
    void cancel_after_paste_restores_stored_stats();
    void save_after_paste_writes_pasted_values();
    void paste_onto_cell_being_typed_saves_pasted_block();
    void paste_over_part_of_typed_cells_keeps_typed_cell_outside_block();
    void copy_gives_selected_block_as_tab_separated_lines();
    void grid_takes_no_copy_or_paste_before_edit();
};

void GridPasteTest::paste_fills_cells_from_the_current_cell_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("spreadsheet, CR LF") << QStringLiteral("11\t12\t13\r\n21\t\t23\r\n");
    QTest::newRow("web page table, LF") << QStringLiteral("11\t12\t13\n21\t\t23\n");
}

void GridPasteTest::paste_fills_cells_from_the_current_cell() {
    QFETCH(QString, clipboard);
    SetupFixture fixture;
    const QByteArray fileBefore = ReadBytes(fixture.StatsPath());
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    QVERIFY(!GridCellText(grid, 5, 7).isEmpty());
    PasteAt(grid, 4, 6, clipboard);

    ShipTable expected = DefaultShipTable();
    SetFields(expected, 4, 6, {"11", "12", "13"});
    SetFields(expected, 5, 6, {"21", "", "23"});
    QVERIFY(GridShowsTable(grid, expected));
    QCOMPARE(fixture.State().StoredStats, DefaultShipTable());
    QCOMPARE(ReadBytes(fixture.StatsPath()), fileBefore);
}

void GridPasteTest::paste_is_clipped_at_the_last_row_and_column() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    PasteAt(grid, 52, 17, QStringLiteral("a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\n"));

    ShipTable expected = DefaultShipTable();
    SetFields(expected, 52, 17, {"a", "b"});
    SetFields(expected, 53, 17, {"d", "e"});
    QVERIFY(GridShowsTable(grid, expected));
    QCOMPARE(grid.rowCount(), static_cast<int>(kShipCount));
    QCOMPARE(grid.columnCount(), static_cast<int>(kColumnCount) - 1);
}

// The first cell a paste can start on is the first ship's "Race": the names and the header
// row are no cells of their own, so a block never reaches them.
void GridPasteTest::paste_at_the_first_column_leaves_names_and_headers() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    PasteAt(grid, 0, 1, QStringLiteral("Name\tRace\nT\t9\n"));

    ShipTable expected = DefaultShipTable();
    SetFields(expected, 0, 1, {"Name", "Race"});
    SetFields(expected, 1, 1, {"T", "9"});
    QVERIFY(GridShowsTable(grid, expected));
    for (int column = 0; column < grid.columnCount(); ++column) {
        QCOMPARE(grid.horizontalHeaderItem(column)->text(),
                 ToQString(StatsColumnNames[static_cast<std::size_t>(column) + 1]));
    }
}

void GridPasteTest::refused_paste_changes_nothing_and_says_why_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("message");
    QTest::newRow("quoted cell with line break, CR LF")
        << QStringLiteral("1\t\"two\r\nlines\"\r\n3\t4\r\n") << kLineBreakRefusal;
    QTest::newRow("quoted cell with line break, LF")
        << QStringLiteral("1\t\"two\nlines\"\n3\t4\n") << kLineBreakRefusal;
    QTest::newRow("euro sign after good cells")
        << QStringLiteral("1\t2\n3\t4\u20AC\n") << kLatin1Refusal;
}

void GridPasteTest::refused_paste_changes_nothing_and_says_why() {
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::Critical;
    bool modal = false;
    fixture.Dialogs().Expect([&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            modal = box->isModal();
        }
        dialog->close();
    });
    PasteAt(grid, 2, 3, clipboard);

    QVERIFY(fixture.Dialogs().AllAnswered());
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(text, message);
    QCOMPARE(caption, QString::fromLatin1(kAppTitle));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QVERIFY(modal);
    QVERIFY(GridShowsTable(grid, fixture.State().StoredStats));
}

void GridPasteTest::cancel_after_paste_restores_stored_stats() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    PasteAt(grid, 6, 2, QStringLiteral("x\ty\r\nz\t\r\n"));
    QCOMPARE(GridCellText(grid, 6, 3), QStringLiteral("y"));
    fixture.Click("CancelEditBtn");
    QVERIFY(GridShowsTable(grid, fixture.State().StoredStats));
    QCOMPARE(fixture.State().StoredStats, DefaultShipTable());
}

void GridPasteTest::save_after_paste_writes_pasted_values() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    PasteAt(grid, 3, 9, QStringLiteral("4242\t\n"));
    const QString target = fixture.PathOf(QStringLiteral("Pasted.txt"));
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    ShipTable expected = DefaultShipTable();
    SetFields(expected, 3, 9, {"4242", ""});
    QCOMPARE(fixture.State().StoredStats, expected);
    // Field (3, 9) is field 3 * 19 + 9 of the file; its value stands on line 3k + 3.
    QCOMPARE(FileLine(target, 3 * (3 * 19 + 9) + 3), QByteArray("4242"));
    QCOMPARE(FileLine(target, 3 * (3 * 19 + 10) + 3), QByteArray());
    QCOMPARE(fixture.Details().Hidden(), 1);
}

void GridPasteTest::paste_onto_cell_being_typed_saves_pasted_block() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    QLineEdit* editor = TypeWithoutCommit(grid, 2, 5, QStringLiteral("777"));
    QVERIFY(editor != nullptr);
    PasteIntoEditor(editor, QStringLiteral("11\t12\r\n21\t22\r\n"));
    const QString target = fixture.PathOf(QStringLiteral("Pasted.txt"));
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(SavedField(target, 2, 5), QByteArray("11"));
    QCOMPARE(SavedField(target, 2, 6), QByteArray("12"));
    QCOMPARE(SavedField(target, 3, 5), QByteArray("21"));
    QCOMPARE(SavedField(target, 3, 6), QByteArray("22"));
    QCOMPARE(fixture.Details().Hidden(), 1);
}

void GridPasteTest::paste_over_part_of_typed_cells_keeps_typed_cell_outside_block() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    QLineEdit* first = TypeWithoutCommit(grid, 4, 3, QStringLiteral("501"));
    QVERIFY(first != nullptr);
    // Tab commits the cell and opens the next one's editor, as a user types along a row.
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_VERIFY(OpenCellEditor(grid) != nullptr && OpenCellEditor(grid) != first);
    QLineEdit* second = OpenCellEditor(grid);
    second->selectAll();
    QTest::keyClicks(second, QStringLiteral("502"));
    PasteIntoEditor(second, QStringLiteral("61\t62\n71\t72\n"));
    const QString target = fixture.PathOf(QStringLiteral("Mixed.txt"));
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(SavedField(target, 4, 3), QByteArray("501"));
    QCOMPARE(SavedField(target, 4, 4), QByteArray("61"));
    QCOMPARE(SavedField(target, 4, 5), QByteArray("62"));
    QCOMPARE(SavedField(target, 5, 4), QByteArray("71"));
    QCOMPARE(SavedField(target, 5, 5), QByteArray("72"));
}

void GridPasteTest::copy_gives_selected_block_as_tab_separated_lines() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    fixture.Core().PasteStatsBlock(1, 2, "a1\tb1\tc1\na2\t\tc\u00E9\n");
    fixture.Section().ShowStatsFile();
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    ClickCell(grid, 1, 2);
    ClickCell(grid, 2, 4, Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    PressControl(grid, Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("a1\tb1\tc1\r\na2\t\tc\u00E9\r\n"));
}

void GridPasteTest::grid_takes_no_copy_or_paste_before_edit() {
    SetupFixture fixture;
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    grid.setCurrentCell(2, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\r\n"));
    PressControl(grid, Qt::Key_V);
    PressControl(grid, Qt::Key_C);
    QVERIFY(GridShowsTable(grid, fixture.State().StoredStats));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t2\r\n"));
}

QTEST_MAIN(GridPasteTest)
#include "grid_paste_test.moc"
