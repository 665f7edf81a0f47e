#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include "drawn_text.h"
#include "grid_cells.h"
#include "setup_fixture.h"
#include "ui/common/qt_text.h"

namespace {

void DoubleClick(QWidget* target, QPoint at) {
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    QTest::mouseDClick(target, Qt::LeftButton, {}, at);
}

// Key presses that carry `text`; characters beyond ASCII come without a key code, as a
// keyboard layout or an input method sends them.
void TypeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// What a user does to change a cell: double-click it, type over its text, press Return.
void TypeIntoCell(QTableWidget& grid, int row, int column, const QString& text) {
    DoubleClick(grid.viewport(), CellCenter(grid, row, column));
    QLineEdit* editor = OpenCellEditor(grid);
    QVERIFY(editor != nullptr);
    editor->selectAll();
    TypeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view closes the editor once the event loop runs, as it does between keystrokes.
    QTRY_VERIFY(OpenCellEditor(grid) == nullptr);
}

void SendWheel(QWidget* target, int delta) {
    const QPointF at = target->rect().center();
    QWheelEvent wheel(at, target->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &wheel);
}

}  // namespace

class StatsEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void header_box_shows_file_header_and_location_data();
    void header_box_shows_file_header_and_location();
    void grid_shows_stored_stats_with_column_widths_data();
    void grid_shows_stored_stats_with_column_widths();
    void long_texts_are_cut_without_ellipsis();
    void grid_ignores_clicks_and_keys_before_edit();
    void grid_scrolls_by_wheel_only_in_edit_mode_data();
    void grid_scrolls_by_wheel_only_in_edit_mode();
    void buttons_follow_viewing_and_editing_states();
    void ship_names_and_header_row_cannot_be_edited();
    void tab_moves_to_the_next_cell();
    void cells_take_only_characters_the_file_can_hold();
    void cancel_restores_every_edited_cell();
    void cancelled_save_dialog_keeps_edits_and_file();
    void save_dialog_proposes_ship_stats_txt();
    void confirmed_save_writes_file_and_hides_window();
    void next_save_dialog_proposes_the_file_last_chosen();
    void save_over_existing_file_asks_first();
    void save_keeps_text_of_cell_still_being_edited();
    void write_failure_shows_reason_and_keeps_window();
    void restore_abort_changes_nothing();
    void restore_ok_writes_defaults_and_hides_window();
    void grid_colours_follow_details_settings();
};

void StatsEditorTest::header_box_shows_file_header_and_location_data() {
    QTest::addColumn<bool>("filePresent");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("file found") << true << QStringLiteral("Test stats");
    QTest::newRow("file missing") << false << ToQString(kDefaultFileHeader);
}

void StatsEditorTest::header_box_shows_file_header_and_location() {
    QFETCH(bool, filePresent);
    QFETCH(QString, firstLine);
    SetupFixture fixture(filePresent ? SetupFixture::StatsFile::Present
                                     : SetupFixture::StatsFile::Missing);
    const QStringList lines =
        fixture.Find<QPlainTextEdit>("FileHeaderText")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], firstLine);
    const QString location =
        filePresent
            ? QStringLiteral("File location...  ") + fixture.StatsPath()
            : QStringLiteral("WARNING -- ShipStats.txt file not found... using program defaults");
    QCOMPARE(lines[1], location);
}

void StatsEditorTest::grid_shows_stored_stats_with_column_widths_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("width");
    QTest::newRow("ShipName") << 0 << 110;
    QTest::newRow("Race") << 1 << 30;
    QTest::newRow("Cl") << 2 << 28;
    QTest::newRow("Armor") << 11 << 28;
    QTest::newRow("Metal") << 13 << 40;
    QTest::newRow("Crystal") << 14 << 40;
    QTest::newRow("Eon") << 15 << 34;
    QTest::newRow("ETA") << 17 << 28;
    QTest::newRow("ShipType") << 18 << 65;
}

void StatsEditorTest::grid_shows_stored_stats_with_column_widths() {
    QFETCH(int, column);
    QFETCH(int, width);
    SetupFixture fixture;
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    const int shown = column == 0 ? grid.verticalHeader()->width() : grid.columnWidth(column - 1);
    QCOMPARE(shown, width);
    QCOMPARE(grid.rowHeight(0), 16);
    QCOMPARE(grid.horizontalHeader()->height(), 16);
    QCOMPARE(grid.rowCount() + 1, 55);
    QVERIFY(GridShowsTable(grid, fixture.State().StoredStats));
    if (column > 0) {
        QCOMPARE(grid.horizontalHeaderItem(column - 1)->text(),
                 ToQString(StatsColumnNames[static_cast<std::size_t>(column)]));
    }
}

void StatsEditorTest::long_texts_are_cut_without_ellipsis() {
    SetupFixture fixture;
    QVERIFY(fixture.Exposed());
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    const int power = static_cast<int>(Col::Power) - 1;
    const int empRes = static_cast<int>(Col::EMPRes) - 1;
    const QString wide = QStringLiteral("1234567");
    fixture.Core().BeginStatsEdit();
    fixture.Core().EditStatsCell(0, static_cast<std::size_t>(Col::Power), wide.toStdString());
    fixture.Core().EndStatsEdit();
    fixture.Section().ShowStatsFile();
    QVERIFY(grid.fontMetrics().horizontalAdvance(wide) > grid.columnWidth(power));
    const QString header = grid.horizontalHeaderItem(empRes)->text();
    QVERIFY(grid.fontMetrics().horizontalAdvance(header) > grid.columnWidth(empRes));

    const QStringList drawn = DrawnTexts(grid);
    QVERIFY2(!drawn.join(QString()).contains(QChar(0x2026)), qPrintable(drawn.join(u'|')));
    QVERIFY2(drawn.contains(wide), qPrintable(drawn.join(u'|')));
    QVERIFY2(drawn.contains(header), qPrintable(drawn.join(u'|')));
    QCOMPARE(grid.item(0, power)->text(), wide);
    QCOMPARE(grid.textElideMode(), Qt::ElideNone);
    QVERIFY(!grid.wordWrap());
}

void StatsEditorTest::grid_ignores_clicks_and_keys_before_edit() {
    SetupFixture fixture;
    QVERIFY(fixture.Exposed());
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    const QString before = GridCellText(grid, 2, 7);
    DoubleClick(grid.viewport(), CellCenter(grid, 2, 7));
    QTest::keyClicks(&grid, QStringLiteral("99"));
    QTest::keyClick(&grid, Qt::Key_F2);
    QVERIFY(OpenCellEditor(grid) == nullptr);
    QCOMPARE(GridCellText(grid, 2, 7), before);
    QVERIFY(GridShowsTable(grid, fixture.State().StoredStats));
}

void StatsEditorTest::grid_scrolls_by_wheel_only_in_edit_mode_data() {
    QTest::addColumn<bool>("editing");
    QTest::newRow("viewing") << false;
    QTest::newRow("editing") << true;
}

void StatsEditorTest::grid_scrolls_by_wheel_only_in_edit_mode() {
    QFETCH(bool, editing);
    SetupFixture fixture;
    if (editing) {
        fixture.Click("EditerBtn");
    }
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    QCOMPARE(grid.verticalScrollBar()->value(), 0);
    SendWheel(grid.viewport(), -240);
    QCOMPARE(grid.verticalScrollBar()->value() > 0, editing);
}

void StatsEditorTest::buttons_follow_viewing_and_editing_states() {
    SetupFixture fixture;
    const char* const names[] = {"EditerBtn",  "UpdateAndSaveBtn", "CancelEditBtn",
                                 "RestoreBtn", "SettingsBtn",      "AboutBtn"};
    const auto states = [&] {
        QList<bool> enabled{fixture.Find<QWidget>("StatsGrid")->isEnabled()};
        for (const char* name : names) {
            enabled << fixture.Find<QPushButton>(name)->isEnabled();
        }
        return enabled;
    };
    const QList<bool> viewing{false, true, false, false, true, true, true};
    const QList<bool> editing{true, false, true, true, false, false, false};
    QCOMPARE(states(), viewing);
    fixture.Click("EditerBtn");
    QCOMPARE(states(), editing);
    fixture.Click("CancelEditBtn");
    QCOMPARE(states(), viewing);
    for (const char* name : names) {
        QCOMPARE(fixture.Find<QPushButton>(name)->focusPolicy(), Qt::NoFocus);
    }
}

void StatsEditorTest::ship_names_and_header_row_cannot_be_edited() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    QHeaderView& names = *grid.verticalHeader();
    QHeaderView& headers = *grid.horizontalHeader();
    DoubleClick(names.viewport(), QPoint(20, names.sectionViewportPosition(3) + 8));
    DoubleClick(headers.viewport(), QPoint(headers.sectionViewportPosition(4) + 10, 8));
    QVERIFY(OpenCellEditor(grid) == nullptr);
    QVERIFY(grid.findChild<QLineEdit*>() == nullptr);
    QCOMPARE(GridCellText(grid, 3, 0), ToQString(fixture.State().StoredStats[3][Col::ShipName]));

    TypeIntoCell(grid, 3, 1, QStringLiteral("Zz"));
    QCOMPARE(GridCellText(grid, 3, 1), QStringLiteral("Zz"));
}

void StatsEditorTest::tab_moves_to_the_next_cell() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    DoubleClick(grid.viewport(), CellCenter(grid, 0, 5));
    QLineEdit* editor = OpenCellEditor(grid);
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("7"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(GridCellText(grid, 0, 5), QStringLiteral("7"));
    QCOMPARE(grid.currentRow(), 0);
    QCOMPARE(grid.currentColumn(), 5);  // ship table column 6
}

void StatsEditorTest::cells_take_only_characters_the_file_can_hold() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    const QChar euro(0x20AC);
    const QString before = GridCellText(grid, 0, 1);
    TypeIntoCell(grid, 0, 1, QString(euro));
    QCOMPARE(GridCellText(grid, 0, 1), before);
    TypeIntoCell(grid, 1, 1, QStringLiteral("x") + euro + QStringLiteral("y"));
    QCOMPARE(GridCellText(grid, 1, 1), QStringLiteral("xy"));
    // Text pasted into a cell's editor is refused as well.
    DoubleClick(grid.viewport(), CellCenter(grid, 3, 1));
    QLineEdit* editor = OpenCellEditor(grid);
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QGuiApplication::clipboard()->setText(QString(euro));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(OpenCellEditor(grid) == nullptr);
    const std::string race = DefaultShipTable()[3][Col::Race];
    QCOMPARE(GridCellText(grid, 3, 1), ToQString(race));
    const QString eAcute(QChar(0xE9));
    TypeIntoCell(grid, 2, 1, eAcute);
    QCOMPARE(GridCellText(grid, 2, 1), eAcute);

    const QString target = fixture.PathOf(QStringLiteral("Latin1.txt"));
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Click("UpdateAndSaveBtn");
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(FileLine(target, 3 * (2 * 19 + 1) + 3), QByteArray("\xE9"));
    QCOMPARE(FileLine(target, 3 * (1 * 19 + 1) + 3), QByteArray("xy"));
    QCOMPARE(FileLine(target, 3 * (3 * 19 + 1) + 3), QByteArray(race.c_str()));
    QCOMPARE(fixture.State().StoredStats[2][Col::Race], std::string("\xE9"));
    QVERIFY(!ReadBytes(target).contains('?'));
}

void StatsEditorTest::cancel_restores_every_edited_cell() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    TypeIntoCell(grid, 0, 1, QStringLiteral("xx"));
    TypeIntoCell(grid, 5, 9, QStringLiteral("123456"));
    TypeIntoCell(grid, 7, 18, QString());
    QVERIFY(!GridShowsTable(grid, fixture.State().StoredStats));
    fixture.Click("CancelEditBtn");
    QVERIFY(GridShowsTable(grid, fixture.State().StoredStats));
    QCOMPARE(fixture.State().StoredStats, DefaultShipTable());
}

void StatsEditorTest::cancelled_save_dialog_keeps_edits_and_file() {
    SetupFixture fixture;
    const QByteArray fileBefore = ReadBytes(fixture.StatsPath());
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    TypeIntoCell(grid, 4, 10, QStringLiteral("555"));
    fixture.Dialogs().Expect(CancelDialog());
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().AllAnswered());
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QVERIFY(fixture.Find<QPushButton>("EditerBtn")->isEnabled());
    QVERIFY(fixture.Find<QPushButton>("RestoreBtn")->isEnabled());
    QVERIFY(!grid.isEnabled());
    QCOMPARE(GridCellText(grid, 4, 10), QStringLiteral("555"));
    QCOMPARE(fixture.State().StoredStats, DefaultShipTable());
    QCOMPARE(ReadBytes(fixture.StatsPath()), fileBefore);
    QCOMPARE(fixture.Details().Hidden(), 0);
}

void StatsEditorTest::save_dialog_proposes_ship_stats_txt() {
    SetupFixture fixture;
    QStringList filters;
    QString suffix;
    QString proposed;
    QString folder;
    bool confirmsOverwrite = false;
    fixture.Dialogs().Expect([&](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        if (fileDialog != nullptr) {
            filters = fileDialog->nameFilters();
            suffix = fileDialog->defaultSuffix();
            proposed = fileDialog->selectedFiles().value(0);
            folder = fileDialog->directory().absolutePath();
            confirmsOverwrite = !fileDialog->testOption(QFileDialog::DontConfirmOverwrite);
        }
        dialog->close();
    });
    fixture.Click("EditerBtn");
    fixture.Click("UpdateAndSaveBtn");
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(filters,
             (QStringList{QStringLiteral("Text Files (*.txt)"), QStringLiteral("Programs (*.exe)"),
                          QStringLiteral("All (*.*)")}));
    QCOMPARE(suffix, QStringLiteral("txt"));
    QCOMPARE(proposed, fixture.StatsPath());
    QCOMPARE(folder, QFileInfo(fixture.StatsPath()).absolutePath());
    QVERIFY(confirmsOverwrite);
}

void StatsEditorTest::confirmed_save_writes_file_and_hides_window() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    TypeIntoCell(grid, 2, 9, QStringLiteral("4242"));
    const QString target = fixture.PathOf(QStringLiteral("Edited"));
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    const QString written = target + QStringLiteral(".txt");
    // Field (2, 9) is field 2 * 19 + 9 of the file; its value stands on line 3k + 3.
    QCOMPARE(FileLine(written, 3 * (2 * 19 + 9) + 3), QByteArray("4242"));
    // Headed with the moment of the save, the date as the locale writes it.
    const QByteArray today =
        QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toLatin1();
    QVERIFY(
        FileLine(written, 1)
            .startsWith(QByteArray("Modified ShipStats.txt file. Last Edited... ") + today + ' '));
    QCOMPARE(FileLine(written, 4), QByteArray(DefaultSettingsLine.data()));
    QCOMPARE(fixture.State().StoredStats[2][Col::Guns], std::string("4242"));
    QCOMPARE(fixture.Details().Hidden(), 1);
    QCOMPARE(fixture.State().Stats.SaveFileName, written.toStdString());
    QVERIFY(fixture.Find<QPlainTextEdit>("FileHeaderText")
                ->toPlainText()
                .startsWith(QStringLiteral("Modified ShipStats.txt file. Last Edited... ")));
}

void StatsEditorTest::next_save_dialog_proposes_the_file_last_chosen() {
    SetupFixture fixture;
    QVERIFY(QDir().mkpath(fixture.PathOf(QStringLiteral("elsewhere"))));
    const QString chosen = fixture.PathOf(QStringLiteral("elsewhere/Mine.txt"));
    fixture.Dialogs().Expect(SaveAs(chosen));
    fixture.Click("EditerBtn");
    fixture.Click("UpdateAndSaveBtn");
    QVERIFY(QFileInfo::exists(chosen));
    QCOMPARE(fixture.State().Stats.SaveFileName, chosen.toStdString());

    QStringList proposed;
    QStringList folders;
    const auto recordAndCancel = [&](QWidget* dialog) {
        if (auto* fileDialog = qobject_cast<QFileDialog*>(dialog)) {
            proposed << fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            folders << fileDialog->directory().absolutePath();
        }
        dialog->close();
    };
    fixture.Dialogs().Expect(recordAndCancel);
    fixture.Click("EditerBtn");
    fixture.Click("UpdateAndSaveBtn");
    // A cancelled dialog leaves the name as it was: Restore proposes it again.
    fixture.Dialogs().ExpectMessage(QMessageBox::Ok);
    fixture.Dialogs().Expect(recordAndCancel);
    fixture.Click("RestoreBtn");

    QVERIFY(fixture.Dialogs().AllAnswered());
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    const QString name = QFileInfo(chosen).fileName();
    QCOMPARE(proposed, (QStringList{name, name}));
    const QString folder = QFileInfo(chosen).absolutePath();
    QCOMPARE(folders, (QStringList{folder, folder}));
    QCOMPARE(fixture.State().Stats.SaveFileName, chosen.toStdString());
}

void StatsEditorTest::save_over_existing_file_asks_first() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    TypeIntoCell(*fixture.Find<QTableWidget>("StatsGrid"), 0, 2, QStringLiteral("Q"));
    fixture.Dialogs().Expect(SaveAs(fixture.StatsPath()));
    fixture.Dialogs().ExpectMessage(QMessageBox::Yes);
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.Dialogs().Messages().size(), 1);
    QCOMPARE(FileLine(fixture.StatsPath(), 3 * 2 + 3), QByteArray("Q"));
    QCOMPARE(fixture.Details().Hidden(), 1);
}

void StatsEditorTest::save_keeps_text_of_cell_still_being_edited() {
    SetupFixture fixture;
    fixture.Click("EditerBtn");
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    DoubleClick(grid.viewport(), CellCenter(grid, 1, 3));
    QLineEdit* editor = OpenCellEditor(grid);
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("typed"));
    const QString target = fixture.PathOf(QStringLiteral("Open.txt"));
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.State().StoredStats[1][Col::T1], std::string("typed"));
    QCOMPARE(FileLine(target, 3 * (1 * 19 + 3) + 3), QByteArray("typed"));
    QTRY_VERIFY(OpenCellEditor(grid) == nullptr);
}

void StatsEditorTest::write_failure_shows_reason_and_keeps_window() {
    SetupFixture fixture;
    // The message names the file as the user chose it, letters outside Latin-1 too.
    // It lies in a folder that is not there.
    const QString target = fixture.PathOf(
        QString::fromUtf8("Gone/Blocked J\u00f6rg \u0418\u0433\u0440\u043e\u043a.txt"));
    fixture.Click("EditerBtn");
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Dialogs().ExpectMessage(QMessageBox::Ok);
    fixture.Click("UpdateAndSaveBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.Dialogs().Messages().size(), 1);
    QVERIFY2(fixture.Dialogs().Messages()[0].contains(target),
             qPrintable(fixture.Dialogs().Messages()[0]));
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(fixture.Details().Hidden(), 0);
    QVERIFY(fixture.Find<QPushButton>("EditerBtn")->isEnabled());
}

void StatsEditorTest::restore_abort_changes_nothing() {
    const std::string line = "1,1,77,2,3,clRed,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,";
    SetupFixture fixture(SetupFixture::StatsFile::Present, line);
    const QByteArray fileBefore = ReadBytes(fixture.StatsPath());
    const DisplaySettings settingsBefore = fixture.State().Settings.Display;
    fixture.Dialogs().ExpectMessage(QMessageBox::Abort);
    fixture.Click("RestoreBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.Dialogs().Messages(),
             QStringList{QStringLiteral("Warning... This will cause the ShipStats.txt file to be "
                                        "overwritten with default values.  OK to proceed ???")});
    QCOMPARE(ReadBytes(fixture.StatsPath()), fileBefore);
    QVERIFY(fixture.State().Settings.Display == settingsBefore);
    QCOMPARE(fixture.State().Settings.SettingsLine, line);
    QCOMPARE(fixture.Details().Hidden(), 0);
}

void StatsEditorTest::restore_ok_writes_defaults_and_hides_window() {
    ShipTable edited = DefaultShipTable();
    edited[1][Col::Armor] = "999";
    SetupFixture fixture;
    QVERIFY(WriteStatsFile(fixture.StatsPath(), edited,
                           "1,1,5,1,1,clRed,clRed,clRed,clRed,clRed,clRed,clRed,", "Test stats")
                .empty());
    fixture.Core().LoadStatsFile();
    QCOMPARE(fixture.State().StoredStats[1][Col::Armor], std::string("999"));

    const QString target = fixture.PathOf(QStringLiteral("Restored.txt"));
    fixture.Dialogs().ExpectMessage(QMessageBox::Ok);
    fixture.Dialogs().Expect(SaveAs(target));
    fixture.Click("RestoreBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.State().StoredStats, DefaultShipTable());
    QVERIFY(fixture.State().Settings.Display == DisplaySettings{});
    QCOMPARE(FileLine(target, 1), QByteArray(kDefaultFileHeader.data(), kDefaultFileHeader.size()));
    QCOMPARE(FileLine(target, 4), QByteArray(DefaultSettingsLine.data()));
    QCOMPARE(ReadBytes(target).count('\n'), static_cast<qsizetype>(kStatsFileLines));
    QVERIFY(GridShowsTable(*fixture.Find<QTableWidget>("StatsGrid"), DefaultShipTable()));
    QCOMPARE(fixture.Details().Hidden(), 1);
}

void StatsEditorTest::grid_colours_follow_details_settings() {
    SetupFixture fixture;
    auto& grid = *fixture.Find<QTableWidget>("StatsGrid");
    QCOMPARE(grid.palette().color(QPalette::Base), ToQColor(0x00F0CAA6));
    QCOMPARE(grid.verticalHeader()->palette().color(QPalette::Button), ToQColor(0x00F0CAA6));
    QCOMPARE(grid.palette().color(QPalette::Text), ToQColor(0x00800000));
    fixture.Core().SetColor(ColorRole::DetailsBackground, 0x00123456);
    fixture.Core().SetColor(ColorRole::DetailsText, 0x00FFFFFF);
    fixture.Section().ApplyShownColors();
    QCOMPARE(grid.palette().color(QPalette::Base), ToQColor(0x00123456));
    QCOMPARE(grid.horizontalHeader()->palette().color(QPalette::Button), ToQColor(0x00123456));
    QCOMPARE(grid.palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(grid.palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::white));
}

QTEST_MAIN(StatsEditorTest)
#include "stats_editor_test.moc"
