#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "scroll_bar_drag.h"
#include "setup_fixture.h"
#include "ui/common/colors.h"
#include "ui/common/qt_text.h"
#include "ui/platform.h"

Q_DECLARE_METATYPE(ColorRole)

namespace {

constexpr std::string_view kSavedLine =
    "1,1,250,3,7,clBlack,clSkyBlue,clWhite,clAqua,clSkyBlue,clNavy,clBlue,";

QList<int> BarPositions(SetupFixture& fixture) {
    return {fixture.Find<QScrollBar>("RedScroll")->value(),
            fixture.Find<QScrollBar>("GreenScroll")->value(),
            fixture.Find<QScrollBar>("BlueScroll")->value()};
}

QStringList BoxTexts(SetupFixture& fixture) {
    return {fixture.Find<QLabel>("RedBox")->text(), fixture.Find<QLabel>("GreenBox")->text(),
            fixture.Find<QLabel>("BlueBox")->text()};
}

bool ChangeButtonsEnabled(SetupFixture& fixture) {
    const bool save = fixture.Find<QPushButton>("SaveSettingsBtn")->isEnabled();
    const bool cancel = fixture.Find<QPushButton>("CancelSettingsBtn")->isEnabled();
    return save && cancel;
}

bool ChangeButtonsDisabled(SetupFixture& fixture) {
    return !fixture.Find<QPushButton>("SaveSettingsBtn")->isEnabled() &&
           !fixture.Find<QPushButton>("CancelSettingsBtn")->isEnabled();
}

bool EditorIsReset(SetupFixture& fixture) {
    for (const char* radio :
         {"BackgroundRadio", "BorderRadio", "TextRadio", "HighlightRadio", "DetailsBackgroundRadio",
          "DetailsTextRadio", "DetailsHighlightRadio"}) {
        if (fixture.Find<QRadioButton>(radio)->isChecked()) {
            return false;
        }
    }
    return BoxTexts(fixture) == QStringList{"R", "G", "B"} &&
           !fixture.Find<QWidget>("ColorGrid1")->isEnabled() &&
           !fixture.Find<QScrollBar>("RedScroll")->isEnabled();
}

void OpenSettings(SetupFixture& fixture) {
    fixture.Click("SettingsBtn");
}

// A click on the middle of a cell of the 2 x 8 colour grid.
void PickGridCell(SetupFixture& fixture, int cell) {
    QWidget* grid = fixture.Find<QWidget>("ColorGrid1");
    const int cellWidth = grid->width() / 2;
    const int cellHeight = grid->height() / 8;
    const QPoint center((cell % 2) * cellWidth + cellWidth / 2,
                        (cell / 2) * cellHeight + cellHeight / 2);
    QTest::mouseClick(grid, Qt::LeftButton, {}, center);
}

QByteArray SavedSettingsField(SetupFixture& fixture, int field) {
    return FileLine(fixture.StatsPath(), 4).split(',').value(field - 1);
}

}  // namespace

class SettingsPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void controls_stand_at_their_places_data();
    void controls_stand_at_their_places();
    void opening_loads_controls_from_settings();
    void choosing_a_role_positions_bars_without_applying_data();
    void choosing_a_role_positions_bars_without_applying();
    void dragging_red_to_top_applies_full_red_at_once();
    void grid_pick_passes_through_intermediate_mixtures();
    void each_role_previews_on_its_own_window_data();
    void each_role_previews_on_its_own_window();
    void details_colours_recolour_the_stats_grid();
    void user_changes_enable_save_and_cancel_data();
    void user_changes_enable_save_and_cancel();
    void cancel_changes_returns_to_saved_line_and_disables_buttons();
    void close_without_save_returns_to_saved_line();
    void classic_settings_then_save_writes_default_line();
    void save_writes_panel_values_into_line_four();
    void list_without_selection_saves_minus_one();
    void fleet_size_box_accepts_only_sign_and_digits_data();
    void fleet_size_box_accepts_only_sign_and_digits();
    void save_failure_shows_reason_and_keeps_saved_line();
};

void SettingsPanelTest::controls_stand_at_their_places_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("heading") << "StaticText1"
                             << "Current program defaults" << QRect(28, 8, 433, 23);
    QTest::newRow("tips") << "ToolTipsTick"
                          << "Show Help Tips on Startup" << QRect(40, 49, 179, 17);
    QTest::newRow("fleet box") << "DefaultFleetSizeEdit"
                               << "250" << QRect(104, 78, 115, 21);
    QTest::newRow("attacker list") << "DefaultAttackerList"
                                   << "" << QRect(104, 110, 117, 23);
    QTest::newRow("defender list") << "DefaultDefenderList"
                                   << "" << QRect(104, 141, 117, 23);
    QTest::newRow("close") << "CloseSettingsBtn"
                           << "Close Settings" << QRect(244, 44, 217, 25);
    QTest::newRow("save") << "SaveSettingsBtn"
                          << "Save these Settings as Default" << QRect(244, 76, 217, 25);
    QTest::newRow("cancel") << "CancelSettingsBtn"
                            << "Cancel Changes" << QRect(244, 108, 217, 25);
    QTest::newRow("classic") << "ClassicSettingsBtn"
                             << "Load Clasic Settings" << QRect(244, 140, 217, 25);
    QTest::newRow("colour editor") << "GroupBox1"
                                   << "" << QRect(28, 172, 433, 165);
    QTest::newRow("colour grid") << "ColorGrid1"
                                 << "" << QRect(8, 12, 40, 144);
    QTest::newRow("green bar") << "GreenScroll"
                               << "" << QRect(84, 12, 17, 125);
    QTest::newRow("blue box") << "BlueBox"
                              << "B" << QRect(108, 140, 25, 17);
    QTest::newRow("details text radio") << "DetailsTextRadio"
                                        << "Text" << QRect(180, 120, 0, 0);
    QTest::newRow("fleet label") << "Label9"
                                 << "Fleet Size" << QRect(42, 80, 0, 0);
    QTest::newRow("attacker label") << "Label10"
                                    << "Attacker" << QRect(52, 114, 0, 0);
    QTest::newRow("defender label") << "Label11"
                                    << "Taget" << QRect(63, 144, 0, 0);
    QTest::newRow("main caption") << "MainColorCaption"
                                  << "Main Window Color Settings" << QRect(288, 32, 0, 0);
    QTest::newRow("details caption") << "DetailsColorCaption"
                                     << "Details Window Color Settings" << QRect(288, 112, 0, 0);
    QTest::newRow("details text sample") << "DetailsTextBox"
                                         << "" << QRect(152, 120, 25, 17);
    QTest::newRow("bevel") << "Bevel1"
                           << "" << QRect(152, 92, 277, 2);
}

void SettingsPanelTest::controls_stand_at_their_places() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    auto* control = fixture.Find<QWidget>(name.toLatin1().constData());
    QVERIFY(control != nullptr);
    QVERIFY(control->isVisible());
    QCOMPARE(control->pos(), geometry.topLeft());
    if (!geometry.isEmpty()) {
        QCOMPARE(control->size(), geometry.size());
    }
    const QVariant shown = control->property("text");
    if (shown.isValid() && !text.isEmpty()) {
        QCOMPARE(shown.toString(), text);
    }
}

void SettingsPanelTest::opening_loads_controls_from_settings() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    QVERIFY(fixture.Find<QWidget>("SettingsPanel")->isVisible());
    QVERIFY(!fixture.Find<QWidget>("StatsGrid")->isVisible());
    QVERIFY(!fixture.Find<QWidget>("StatsControlPanel")->isVisible());
    QVERIFY(!fixture.Find<QWidget>("FileHeaderText")->isVisible());

    auto* stayOnTop = fixture.Find<QCheckBox>("StayOnTopTick");
    QVERIFY(stayOnTop->isChecked());
    QVERIFY(stayOnTop->isHidden());
    QVERIFY(!stayOnTop->isEnabled());
    QCOMPARE(stayOnTop->text(), QStringLiteral("Stay On Top Formstyle"));
    QVERIFY(fixture.Find<QCheckBox>("ToolTipsTick")->isChecked());
    QCOMPARE(fixture.Find<QLineEdit>("DefaultFleetSizeEdit")->text(), QStringLiteral("250"));
    auto* attackers = fixture.Find<QComboBox>("DefaultAttackerList");
    QCOMPARE(attackers->count(), 54);
    QCOMPARE(attackers->currentIndex(), 3);
    QCOMPARE(attackers->currentText(), ToQString(fixture.State().StoredStats[3][Col::ShipName]));
    QCOMPARE(fixture.Find<QComboBox>("DefaultDefenderList")->currentIndex(), 7);
    QCOMPARE(fixture.Find<QLabel>("Label9")->text(), QStringLiteral("Fleet Size"));
    QCOMPARE(fixture.Find<QLabel>("Label10")->text(), QStringLiteral("Attacker"));
    QCOMPARE(fixture.Find<QLabel>("Label11")->text(), QStringLiteral("Taget"));
    QCOMPARE(fixture.Find<QLabel>("TextBox")->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(fixture.State().Settings.SavedSettingsLine, std::string(kSavedLine));
    QVERIFY(ChangeButtonsDisabled(fixture));
    QVERIFY(EditorIsReset(fixture));
}

void SettingsPanelTest::choosing_a_role_positions_bars_without_applying_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("barMoved");
    QTest::newRow("black background")
        << "BackgroundRadio" << QList<int>{255, 255, 255} << QStringList{"0", "0", "0"} << true;
    QTest::newRow("navy details text")
        << "DetailsTextRadio" << QList<int>{255, 255, 127} << QStringList{"0", "0", "128"} << true;
    QTest::newRow("white text: no bar moves")
        << "TextRadio" << QList<int>{0, 0, 0} << QStringList{"255", "255", "255"} << false;
}

void SettingsPanelTest::choosing_a_role_positions_bars_without_applying() {
    QFETCH(QString, radio);
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, boxes);
    QFETCH(bool, barMoved);
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    const DisplaySettings before = fixture.State().Settings.Display;
    fixture.Click(radio.toLatin1().constData());

    QCOMPARE(BarPositions(fixture), positions);
    QCOMPARE(BoxTexts(fixture), boxes);
    QVERIFY(fixture.Main().Previews().empty());
    QVERIFY(fixture.Details().Previews().empty());
    QVERIFY(fixture.State().Settings.Display == before);
    QVERIFY(fixture.Find<QWidget>("ColorGrid1")->isEnabled());
    QVERIFY(fixture.Find<QScrollBar>("BlueScroll")->isEnabled());
    QCOMPARE(ChangeButtonsEnabled(fixture), barMoved);
}

void SettingsPanelTest::dragging_red_to_top_applies_full_red_at_once() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    fixture.Click("BackgroundRadio");
    DragThumbToTop(*fixture.Find<QScrollBar>("RedScroll"));

    QCOMPARE(fixture.Find<QScrollBar>("RedScroll")->value(), 0);
    QCOMPARE(fixture.State().Settings.Display.MainBackground, ColorValue{0x000000FF});
    QVERIFY(!fixture.Main().Previews().empty());
    QCOMPARE(fixture.Main().Previews().back().role, ColorRole::MainBackground);
    QCOMPARE(fixture.Main().Previews().back().color, ColorValue{0x000000FF});
    QVERIFY(fixture.Details().Previews().empty());
    QCOMPARE(BoxTexts(fixture), (QStringList{"255", "0", "0"}));
    QCOMPARE(fixture.Find<QLabel>("BackgroundBox")->palette().color(QPalette::Window),
             QColor(Qt::red));
    QVERIFY(ChangeButtonsEnabled(fixture));
}

void SettingsPanelTest::grid_pick_passes_through_intermediate_mixtures() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    fixture.Click("DetailsTextRadio");
    PickGridCell(fixture, 15);

    const auto& previews = fixture.Details().Previews();
    QCOMPARE(previews.size(), std::size_t{3});
    const ColorValue expected[] = {0x008000FF, 0x00FF00FF, 0x00FFFFFF};
    for (std::size_t i = 0; i < previews.size(); ++i) {
        QCOMPARE(previews[i].role, ColorRole::DetailsText);
        QCOMPARE(previews[i].color, expected[i]);
    }
    QCOMPARE(fixture.State().Settings.Display.DetailsText, ColorValue{0x00FFFFFF});
    QCOMPARE(BoxTexts(fixture), (QStringList{"255", "255", "255"}));
    QVERIFY(fixture.Main().Previews().empty());

    PickGridCell(fixture, 4);
    QCOMPARE(fixture.State().Settings.Display.DetailsText, ColorValue{0x00800000});
    QCOMPARE(fixture.Details().Previews().back().color, ColorValue{0x00800000});
}

void SettingsPanelTest::each_role_previews_on_its_own_window_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<ColorRole>("role");
    QTest::addColumn<bool>("mainWindow");
    QTest::newRow("main background") << "BackgroundRadio" << ColorRole::MainBackground << true;
    QTest::newRow("main border") << "BorderRadio" << ColorRole::MainBorder << true;
    QTest::newRow("main text") << "TextRadio" << ColorRole::MainText << true;
    QTest::newRow("main highlight") << "HighlightRadio" << ColorRole::MainHighlight << true;
    QTest::newRow("details background")
        << "DetailsBackgroundRadio" << ColorRole::DetailsBackground << false;
    QTest::newRow("details text") << "DetailsTextRadio" << ColorRole::DetailsText << false;
    QTest::newRow("details highlight")
        << "DetailsHighlightRadio" << ColorRole::DetailsHighlight << false;
}

void SettingsPanelTest::each_role_previews_on_its_own_window() {
    QFETCH(QString, radio);
    QFETCH(ColorRole, role);
    QFETCH(bool, mainWindow);
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    fixture.Click(radio.toLatin1().constData());
    const ColorValue before = ColorOf(fixture.State().Settings.Display, role);
    auto* green = fixture.Find<QScrollBar>("GreenScroll");
    QTest::keyClick(green, green->value() == 0 ? Qt::Key_Down : Qt::Key_Up);

    const auto& own = mainWindow ? fixture.Main().Previews() : fixture.Details().Previews();
    const auto& other = mainWindow ? fixture.Details().Previews() : fixture.Main().Previews();
    QCOMPARE(own.size(), std::size_t{1});
    QCOMPARE(own[0].role, role);
    QVERIFY(own[0].color != before);
    QCOMPARE(own[0].color & 0x00FF00FF, before & 0x00FF00FF);
    QVERIFY(other.empty());
}

void SettingsPanelTest::details_colours_recolour_the_stats_grid() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    fixture.Click("DetailsBackgroundRadio");
    PickGridCell(fixture, 11);
    auto* grid = fixture.Find<QWidget>("StatsGrid");
    QCOMPARE(grid->palette().color(QPalette::Base), QColor(Qt::yellow));
    fixture.Click("CloseSettingsBtn");
    QCOMPARE(grid->palette().color(QPalette::Base), ToQColor(0x00F0CAA6));
}

void SettingsPanelTest::user_changes_enable_save_and_cancel_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::newRow("tips tick") << "ToolTipsTick"
                               << "";
    QTest::newRow("fleet size") << "DefaultFleetSizeEdit"
                                << "5";
    QTest::newRow("attacker typed") << "DefaultAttackerList"
                                    << "x";
    QTest::newRow("defender typed") << "DefaultDefenderList"
                                    << "y";
}

void SettingsPanelTest::user_changes_enable_save_and_cancel() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    auto* widget = fixture.Find<QWidget>(control.toLatin1().constData());
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        widget = list->lineEdit();
    }
    if (typed.isEmpty()) {
        QTest::mouseClick(widget, Qt::LeftButton);
    } else {
        QTest::keyClicks(widget, typed);
    }
    QVERIFY(ChangeButtonsEnabled(fixture));
    QVERIFY(fixture.Main().Previews().empty());
    QCOMPARE(fixture.State().Settings.SettingsLine, std::string(kSavedLine));
}

void SettingsPanelTest::cancel_changes_returns_to_saved_line_and_disables_buttons() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    QTest::mouseClick(fixture.Find<QCheckBox>("ToolTipsTick"), Qt::LeftButton);
    QTest::keyClicks(fixture.Find<QLineEdit>("DefaultFleetSizeEdit"), QStringLiteral("9"));
    fixture.Click("BorderRadio");
    PickGridCell(fixture, 9);
    QCOMPARE(fixture.State().Settings.Display.MainBorder, ColorValue{0x000000FF});
    fixture.Click("CancelSettingsBtn");

    QVERIFY(ChangeButtonsDisabled(fixture));
    QVERIFY(EditorIsReset(fixture));
    QCOMPARE(fixture.State().Settings.Display.MainBorder, ColorValue{0x00F0CAA6});
    QVERIFY(fixture.Find<QCheckBox>("ToolTipsTick")->isChecked());
    QCOMPARE(fixture.Find<QLineEdit>("DefaultFleetSizeEdit")->text(), QStringLiteral("250"));
    QCOMPARE(fixture.Main().Activations(), 1);
    QCOMPARE(fixture.Details().Reapplied(), 1);
    QVERIFY(fixture.Find<QWidget>("SettingsPanel")->isVisible());
}

void SettingsPanelTest::close_without_save_returns_to_saved_line() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    const QByteArray fileBefore = ReadBytes(fixture.StatsPath());
    OpenSettings(fixture);
    fixture.Click("HighlightRadio");
    PickGridCell(fixture, 13);
    fixture.Click("DetailsHighlightRadio");
    PickGridCell(fixture, 2);
    fixture.Click("CloseSettingsBtn");

    SettingsState expected;
    expected.SettingsLine = kSavedLine;
    ParseSettingsLine(expected);
    QVERIFY(fixture.State().Settings.Display == expected.Display);
    QCOMPARE(fixture.State().Settings.SettingsLine, std::string(kSavedLine));
    QCOMPARE(fixture.Main().Activations(), 1);
    QCOMPARE(fixture.Details().Reapplied(), 1);
    QVERIFY(!fixture.Find<QWidget>("SettingsPanel")->isVisible());
    QVERIFY(fixture.Find<QWidget>("StatsGrid")->isVisible());
    QVERIFY(fixture.Find<QWidget>("StatsControlPanel")->isVisible());
    QCOMPARE(ReadBytes(fixture.StatsPath()), fileBefore);

    OpenSettings(fixture);
    QVERIFY(ChangeButtonsDisabled(fixture));
    QVERIFY(EditorIsReset(fixture));
}

void SettingsPanelTest::classic_settings_then_save_writes_default_line() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    fixture.Click("ClassicSettingsBtn");
    QVERIFY(ChangeButtonsEnabled(fixture));
    QCOMPARE(fixture.State().Settings.SavedSettingsLine, std::string(kSavedLine));
    QCOMPARE(fixture.Find<QComboBox>("DefaultAttackerList")->currentIndex(), 0);
    QVERIFY(!fixture.Find<QCheckBox>("ToolTipsTick")->isChecked());
    fixture.Click("SaveSettingsBtn");

    QCOMPARE(FileLine(fixture.StatsPath(), 4),
             QByteArray("1,0,0,0,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,"));
    QCOMPARE(fixture.State().Settings.SavedSettingsLine, std::string(DefaultSettingsLine));
    QVERIFY(ChangeButtonsDisabled(fixture));
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
}

void SettingsPanelTest::save_writes_panel_values_into_line_four() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    const QByteArray fileBefore = ReadBytes(fixture.StatsPath());
    OpenSettings(fixture);
    QTest::mouseClick(fixture.Find<QCheckBox>("ToolTipsTick"), Qt::LeftButton);
    auto* fleet = fixture.Find<QLineEdit>("DefaultFleetSizeEdit");
    fleet->selectAll();
    QTest::keyClicks(fleet, QStringLiteral("-12345678901"));
    fixture.Click("BackgroundRadio");
    PickGridCell(fixture, 3);
    fixture.Click("SaveSettingsBtn");

    QCOMPARE(FileLine(fixture.StatsPath(), 4),
             QByteArray("1,0,-12345678901,3,7,clOlive,clSkyBlue,clWhite,clAqua,clSkyBlue,"
                        "clNavy,clBlue,"));
    QVERIFY(EditorIsReset(fixture));
    QVERIFY(ChangeButtonsDisabled(fixture));
    // Everything but line 4 is written back as it was read.
    QList<QByteArray> before = fileBefore.split('\n');
    QList<QByteArray> after = ReadBytes(fixture.StatsPath()).split('\n');
    QCOMPARE(after.size(), before.size());
    before.removeAt(3);
    after.removeAt(3);
    QCOMPARE(after, before);
    // The flag and the defaults take the saved values when the line is next read.
    QVERIFY(fixture.State().Settings.Display.ShowTipsOnStartup);
    fixture.Click("CloseSettingsBtn");
    QVERIFY(!fixture.State().Settings.Display.ShowTipsOnStartup);
    QCOMPARE(fixture.State().Settings.Display.DefaultFleetSize, std::int64_t{-12345678901});
}

void SettingsPanelTest::list_without_selection_saves_minus_one() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    auto* defenders = fixture.Find<QComboBox>("DefaultDefenderList");
    defenders->lineEdit()->selectAll();
    QTest::keyClicks(defenders->lineEdit(), QStringLiteral("No such ship"));
    QCOMPARE(defenders->currentText(), QStringLiteral("No such ship"));
    fixture.Click("SaveSettingsBtn");

    QCOMPARE(SavedSettingsField(fixture, 4), QByteArray("3"));
    QCOMPARE(SavedSettingsField(fixture, 5), QByteArray("-1"));
}

void SettingsPanelTest::fleet_size_box_accepts_only_sign_and_digits_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("comma dropped") << "12,5"
                                   << "125";
    QTest::newRow("leading minus") << "-40"
                                   << "-40";
    QTest::newRow("inner minus dropped") << "4-2"
                                         << "42";
    QTest::newRow("letters dropped") << "1e3x"
                                     << "13";
    QTest::newRow("blank dropped") << " 7"
                                   << "7";
}

void SettingsPanelTest::fleet_size_box_accepts_only_sign_and_digits() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    auto* fleet = fixture.Find<QLineEdit>("DefaultFleetSizeEdit");
    fleet->selectAll();
    QTest::keyClicks(fleet, typed);
    QCOMPARE(fleet->text(), shown);
    fixture.Click("SaveSettingsBtn");
    QCOMPARE(SavedSettingsField(fixture, 3), shown.toLatin1());
    QCOMPARE(FileLine(fixture.StatsPath(), 4).count(','), 12);
}

void SettingsPanelTest::save_failure_shows_reason_and_keeps_saved_line() {
    SetupFixture fixture(SetupFixture::StatsFile::Present, kSavedLine);
    OpenSettings(fixture);
    // The file last chosen lies in a folder that is gone: the save is refused.
    fixture.Core().SaveModifiedStatsFile(
        ToPathText(fixture.PathOf(QStringLiteral("Gone/ShipStats.txt"))), "now");
    fixture.Click("ClassicSettingsBtn");
    fixture.Dialogs().ExpectMessage(QMessageBox::Ok);
    fixture.Click("SaveSettingsBtn");

    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.Dialogs().Messages().size(), 1);
    QVERIFY(fixture.Dialogs().Messages()[0].contains(QStringLiteral("ShipStats.txt")));
    QCOMPARE(fixture.State().Settings.SavedSettingsLine, std::string(kSavedLine));
    QCOMPARE(fixture.State().Stats.FileMemo.Line(kSettingsLineNumber),
             std::string(DefaultSettingsLine));
    QCOMPARE(FileLine(fixture.StatsPath(), 4), QByteArray(kSavedLine.data(), kSavedLine.size()));
    QVERIFY(ChangeButtonsDisabled(fixture));
    fixture.Click("CloseSettingsBtn");
    QCOMPARE(fixture.State().Settings.SettingsLine, std::string(kSavedLine));
}

QTEST_MAIN(SettingsPanelTest)
#include "settings_panel_test.moc"
