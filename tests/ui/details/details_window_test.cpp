#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <vector>

#include "details_program.h"
#include "ui/common/colors.h"
#include "ui/common/date_time_text.h"

namespace {

const QStringList kTabNames = {QStringLiteral("CalculationBtn"), QStringLiteral("TargetBtn"),
                               QStringLiteral("ResourcesBtn"),   QStringLiteral("BasicStatsBtn"),
                               QStringLiteral("ResultsBtn"),     QStringLiteral("StatsFileBtn")};
const QStringList kPanelNames = {
    QStringLiteral("CalculationPanel"), QStringLiteral("TargetPanel"),
    QStringLiteral("ResourcesPanel"),   QStringLiteral("BasicStatsPanel"),
    QStringLiteral("ResultsPanel"),     QStringLiteral("StatsFilePanel")};

QColor LabelColor(DetailsProgram& program, const QString& tab) {
    return program.Find<QLabel>(tab)->palette().color(QPalette::WindowText);
}

QColor Highlight(DetailsProgram& program) {
    return ToQColor(program.State().Settings.Display.DetailsHighlight);
}

QColor Text(DetailsProgram& program) {
    return ToQColor(program.State().Settings.Display.DetailsText);
}

QRect BelowTabBar(const QWidget& window) {
    return {0, 27, window.width(), window.height() - 27};
}

QStringList VisiblePanels(DetailsProgram& program) {
    QStringList visible;
    for (const QString& name : kPanelNames) {
        if (program.Find(name)->isVisible()) {
            visible << name;
        }
    }
    return visible;
}

void PressTab(DetailsProgram& program, const QString& tab) {
    QTest::mouseClick(program.Find(tab), Qt::LeftButton);
}

}  // namespace

class DetailsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void window_opens_on_calculation_with_caption_size_and_fonts() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        TDetailsForm& window = program.Window();
        QCOMPARE(window.windowTitle(), QStringLiteral("Detailed Skirmod v9.5"));
        QCOMPARE(window.frameGeometry().size(), QSize(534, 505));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.font().pixelSize(), 11);
        QCOMPARE(window.SelectedSection(), QStringLiteral("Calculation"));
        QCOMPARE(VisiblePanels(program), QStringList{QStringLiteral("CalculationPanel")});
        QCOMPARE(program.Find(QStringLiteral("CalculationPanel"))->geometry(), BelowTabBar(window));
        const QWidget* bar = program.Find(QStringLiteral("ToolBar1"));
        QCOMPARE(bar->geometry(), QRect(0, 0, window.width(), 27));
        QCOMPARE(bar->font().pixelSize(), 17);
        QVERIFY(bar->font().bold());
    }

    void window_is_centred_on_the_screen() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        const QRect screen = program.Window().screen()->availableGeometry();
        const QPoint offset = program.Window().frameGeometry().center() - screen.center();
        QVERIFY2(offset.manhattanLength() <= 2, "not centred");
    }

    void tab_labels_stand_in_a_row_with_hand_cursor_data() {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::newRow("Calculation") << kTabNames[0] << "Calculation" << 8 << 87;
        QTest::newRow("Targeting") << kTabNames[1] << "Targeting" << 107 << 75;
        QTest::newRow("Resources") << kTabNames[2] << "Resources" << 194 << 84;
        QTest::newRow("Basic Stats") << kTabNames[3] << "Basic Stats" << 290 << 89;
        QTest::newRow("Results") << kTabNames[4] << "Results" << 391 << 59;
        QTest::newRow("Setup") << kTabNames[5] << "Setup" << 462 << 46;
    }

    void tab_labels_stand_in_a_row_with_hand_cursor() {
        QFETCH(QString, tab);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, width);
        DetailsProgram program;
        const auto* label = program.Find<QLabel>(tab);
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->x(), left);
        QVERIFY(label->width() >= width);
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
        QVERIFY(label->geometry().right() < left + width + 12);
        QCOMPARE(label->height(), 19);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    }

    void any_mouse_button_on_a_tab_selects_its_section_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("value");
        const QStringList values = {"Calculation", "Target",  "Resources",
                                    "BasicStats",  "Results", "StatsFile"};
        for (int tab = 0; tab < kTabNames.size(); ++tab) {
            for (auto [button, buttonName] :
                 {std::pair{Qt::LeftButton, "left"}, std::pair{Qt::RightButton, "right"},
                  std::pair{Qt::MiddleButton, "middle"}}) {
                QTest::addRow("%s %s", qPrintable(kTabNames[tab]), buttonName)
                    << tab << button << values[tab];
            }
        }
    }

    void any_mouse_button_on_a_tab_selects_its_section() {
        QFETCH(int, tab);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, value);
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        const int other = tab == 0 ? 4 : 0;
        PressTab(program, kTabNames[other]);

        QTest::mousePress(program.Find(kTabNames[tab]), button);
        const QString selectedOnPress = program.Window().SelectedSection();
        QTest::mouseRelease(program.Find(kTabNames[tab]), button);

        QCOMPARE(selectedOnPress, value);
        QCOMPARE(program.Window().SelectedSection(), value);
        QCOMPARE(VisiblePanels(program), QStringList{kPanelNames[tab]});
        QCOMPARE(program.Find(kPanelNames[tab])->geometry(), BelowTabBar(program.Window()));
        for (int i = 0; i < kTabNames.size(); ++i) {
            QCOMPARE(LabelColor(program, kTabNames[i]),
                     i == tab ? Highlight(program) : Text(program));
        }
    }

    void pointer_over_a_tab_highlights_it_until_it_leaves() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        QWidget* resources = program.Find(kTabNames[2]);
        QTest::mouseMove(resources);
        QTRY_COMPARE(LabelColor(program, kTabNames[2]), Highlight(program));
        QTest::mouseMove(program.Find(QStringLiteral("CalculationMemo")));
        QTRY_COMPARE(LabelColor(program, kTabNames[2]), Text(program));
        QCOMPARE(program.Window().SelectedSection(), QStringLiteral("Calculation"));
    }

    void selected_tab_stays_highlighted_when_the_pointer_leaves() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        PressTab(program, kTabNames[3]);
        QTest::mouseMove(program.Find(kTabNames[3]));
        QTest::mouseMove(program.Find(QStringLiteral("ToolBar1")), QPoint(520, 20));
        QTRY_VERIFY(!program.Find(kTabNames[3])->underMouse());
        QCOMPARE(LabelColor(program, kTabNames[3]), Highlight(program));
        QTest::mouseMove(program.Find(kTabNames[0]));
        QTRY_COMPARE(LabelColor(program, kTabNames[0]), Highlight(program));
        QTest::mouseMove(program.Find(QStringLiteral("ToolBar1")), QPoint(520, 20));
        QTRY_COMPARE(LabelColor(program, kTabNames[0]), Text(program));
        QCOMPARE(LabelColor(program, kTabNames[3]), Highlight(program));
    }

    void hiding_and_showing_keeps_the_section_and_recolours_the_tabs() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        PressTab(program, kTabNames[4]);
        program.Window().hide();
        program.Core().SetColor(ColorRole::DetailsText, 0x00008000);
        program.Core().SetColor(ColorRole::DetailsHighlight, 0x000000FF);
        program.Core().SetColor(ColorRole::DetailsBackground, 0x00C0C0C0);

        QVERIFY(program.ShowAndWait());

        QCOMPARE(program.Window().SelectedSection(), QStringLiteral("Results"));
        QCOMPARE(VisiblePanels(program), QStringList{QStringLiteral("ResultsPanel")});
        for (int i = 0; i < kTabNames.size(); ++i) {
            QCOMPARE(LabelColor(program, kTabNames[i]),
                     i == 4 ? QColor(Qt::red) : QColor(0, 128, 0));
        }
        QCOMPARE(program.Window().palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(program.Window().palette().color(QPalette::WindowText), QColor(0, 128, 0));
        const QWidget* log = program.Find(QStringLiteral("ResultsMemo"));
        QCOMPARE(log->palette().color(QPalette::Text), QColor(0, 128, 0));
    }

    void closing_or_hide_window_only_hides_it() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        PressTab(program, kTabNames[1]);
        QPointer<TDetailsForm> window(&program.Window());
        QVERIFY(program.Window().close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.isNull());
        QVERIFY(!program.Window().isVisible());
        QVERIFY(program.ShowAndWait());
        QCOMPARE(program.Window().SelectedSection(), QStringLiteral("Target"));
        program.Window().HideWindow();
        QVERIFY(!program.Window().isVisible());
    }

    void split_boxes_are_half_the_panel_plus_one_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("panelWidth");
        QTest::addColumn<int>("boxWidth");
        const std::vector<std::pair<int, int>> widths = {
            {501, 251}, {500, 251}, {534, 268}, {301, 151}};
        for (int tab : {1, 2, 3}) {
            for (auto [panel, box] : widths) {
                QTest::addRow("%s %d", qPrintable(kPanelNames[tab]), panel) << tab << panel << box;
            }
        }
    }

    void split_boxes_are_half_the_panel_plus_one() {
        QFETCH(int, tab);
        QFETCH(int, panelWidth);
        QFETCH(int, boxWidth);
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        PressTab(program, kTabNames[tab]);

        program.Window().resize(panelWidth, 400);

        const QWidget* panel = program.Find(kPanelNames[tab]);
        QTRY_COMPARE(panel->width(), panelWidth);
        const QList<QPlainTextEdit*> boxes = panel->findChildren<QPlainTextEdit*>();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0]->geometry(), QRect(0, 0, boxWidth, 400 - 27));
        QCOMPARE(boxes[1]->geometry(), QRect(panelWidth - boxWidth, 0, boxWidth, 400 - 27));
    }

    void selecting_a_split_section_fits_its_boxes_to_the_current_size() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        program.Window().resize(501, 300);
        QTRY_COMPARE(program.Find(kPanelNames[0])->width(), 501);

        PressTab(program, kTabNames[2]);

        QCOMPARE(program.Find(QStringLiteral("ResourcesAttMemo"))->geometry(),
                 QRect(0, 0, 251, 273));
        QCOMPARE(program.Find(QStringLiteral("ResourcesDefMemo"))->geometry(),
                 QRect(250, 0, 251, 273));
    }

    void report_boxes_wrap_with_their_scroll_bars_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("scrollBar");
        QTest::newRow("Calculation") << "CalculationMemo" << true;
        QTest::newRow("Targeting attacker") << "TargetAttMemo" << true;
        QTest::newRow("Targeting defender") << "TargetDefMemo" << true;
        QTest::newRow("Resources attacker") << "ResourcesAttMemo" << true;
        QTest::newRow("Resources defender") << "ResourcesDefMemo" << true;
        QTest::newRow("Basic Stats attacker") << "BasicStatsAttMemo" << false;
        QTest::newRow("Basic Stats defender") << "BasicStatsDefMemo" << false;
    }

    void report_boxes_wrap_with_their_scroll_bars() {
        QFETCH(QString, box);
        QFETCH(bool, scrollBar);
        DetailsProgram program;
        const auto* memo = program.Find<QPlainTextEdit>(box);
        QVERIFY(memo != nullptr);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        // The program's text, to read and copy: typing never changes it.
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->verticalScrollBarPolicy(),
                 scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->palette().color(QPalette::Text), Text(program));
    }

    void report_boxes_take_the_core_reports_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Report>("report");
        QTest::newRow("Calculation") << "CalculationMemo" << Report::Calculation;
        QTest::newRow("Targeting attacker") << "TargetAttMemo" << Report::TargetAtt;
        QTest::newRow("Targeting defender") << "TargetDefMemo" << Report::TargetDef;
        QTest::newRow("Resources attacker") << "ResourcesAttMemo" << Report::ResourcesAtt;
        QTest::newRow("Resources defender") << "ResourcesDefMemo" << Report::ResourcesDef;
        QTest::newRow("Basic Stats attacker") << "BasicStatsAttMemo" << Report::BasicStatsAtt;
        QTest::newRow("Basic Stats defender") << "BasicStatsDefMemo" << Report::BasicStatsDef;
    }

    // The window stays hidden: the boxes follow the core whether they are seen or not.
    void report_boxes_take_the_core_reports() {
        QFETCH(QString, box);
        QFETCH(Report, report);
        DetailsProgram program;
        const auto* memo = program.Find<QPlainTextEdit>(box);

        program.Calculate(0, 1, "100");
        const QString first = memo->toPlainText();
        QCOMPARE(first, DetailsProgram::Joined(program.State().Reports[report]));
        program.Calculate(5, 12, "2500");

        QCOMPARE(memo->toPlainText(), DetailsProgram::Joined(program.State().Reports[report]));
    }

    void count_change_rewrites_calculation_and_resources_only() {
        DetailsProgram program;
        program.Calculate(0, 1, "100");
        auto* basicStats = program.Find<QPlainTextEdit>(QStringLiteral("BasicStatsAttMemo"));
        basicStats->setPlainText(QStringLiteral("typed by the user"));
        auto* calculation = program.Find<QPlainTextEdit>(QStringLiteral("CalculationMemo"));
        calculation->setPlainText(QStringLiteral("typed by the user"));

        program.Core().SetCountText("300");

        QCOMPARE(basicStats->toPlainText(), QStringLiteral("typed by the user"));
        QCOMPARE(calculation->toPlainText(),
                 DetailsProgram::Joined(program.State().Reports.Calculation));
    }

    void missing_stats_file_is_reported_at_creation_data() {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("quit");
        QTest::newRow("OK") << QMessageBox::Ok << false;
        QTest::newRow("Abort") << QMessageBox::Abort << true;
    }

    void missing_stats_file_is_reported_at_creation() {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, quit);
        ModalWatchdog watchdog;
        watchdog.ExpectMessage(answer);

        DetailsProgram program(DetailsProgram::StatsFile::Missing);

        QVERIFY(watchdog.Unexpected().isEmpty());
        QCOMPARE(watchdog.Messages(),
                 QStringList{QStringLiteral("Warning... ") +
                             program.Dir().File(QStringLiteral("ShipStats.txt")) +
                             QStringLiteral(" file not found. Proceed with default values ???")});
        QCOMPARE(program.QuitRequested(), quit);
        QVERIFY(!program.State().Stats.StatsFileFound);
        QCOMPARE(program.Window().SelectedSection(), QStringLiteral("Calculation"));
        QVERIFY(!program.Window().isVisible());
    }

    void header_box_shows_both_lines_after_a_start_without_file() {
        ModalWatchdog watchdog;
        watchdog.ExpectMessage(QMessageBox::Ok);
        DetailsProgram program(DetailsProgram::StatsFile::Missing);
        QVERIFY(program.ShowAndWait());
        PressTab(program, QStringLiteral("StatsFileBtn"));
        auto* box = program.Find<QPlainTextEdit>(QStringLiteral("FileHeaderText"));
        QCOMPARE(box->width(), program.Window().width());

        const QTextDocument& text = *box->document();
        QCOMPARE(text.blockCount(), 2);
        QCOMPARE(text.findBlockByNumber(0).text(), ToQString(kDefaultFileHeader));
        QCOMPARE(text.findBlockByNumber(0).layout()->lineCount(), 1);
        QCOMPARE(text.findBlockByNumber(1).layout()->lineCount(), 1);
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(box->cursorRect(end).bottom() < box->viewport()->height());
        QVERIFY(!box->horizontalScrollBar()->isVisible());
    }

    void present_stats_file_asks_nothing() {
        ModalWatchdog watchdog;
        // Start-up asks its questions while the program is built, so any would be on record.
        DetailsProgram program;
        QVERIFY(watchdog.Unexpected().isEmpty());
        QVERIFY(watchdog.Messages().isEmpty());
        QVERIFY(program.State().Stats.StatsFileFound);
        QCOMPARE(program.State().Ui, static_cast<Frontend*>(&program.Window()));
    }

    void destroyed_window_leaves_the_core_without_frontend() {
        Engine engine;
        SilentMainWindow mainWindow;
        {
            TDetailsForm window(engine, mainWindow);
            QCOMPARE(engine.State().Ui, static_cast<Frontend*>(&window));
        }
        QCOMPARE(engine.State().Ui, nullptr);
        engine.SetCountText("10");
        QVERIFY(!engine.State().Combat.ResultLine.empty());
    }

    void current_result_box_shows_the_result_line_from_its_start() {
        DetailsProgram program;
        program.Calculate(0, 1, "100");
        const auto* memo = program.Find<QPlainTextEdit>(QStringLiteral("CurrentResultMemo"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("Current Result...\n") +
                                          ToQString(program.State().Combat.ResultLine));
        QVERIFY(!program.State().Combat.ResultLine.empty());
        QCOMPARE(memo->textCursor().position(), 0);
    }

    void details_text_preview_leaves_the_setup_tab_highlighted() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        PressTab(program, kTabNames[5]);
        program.Core().SetColor(ColorRole::DetailsText, 0x00FFFFFF);

        program.Window().PreviewColor(ColorRole::DetailsText);

        for (int i = 0; i < 5; ++i) {
            QCOMPARE(LabelColor(program, kTabNames[i]), QColor(Qt::white));
        }
        QCOMPARE(LabelColor(program, kTabNames[5]), Highlight(program));
        QCOMPARE(program.Window().palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(program.Find(QStringLiteral("CalculationMemo"))->palette().color(QPalette::Text),
                 QColor(Qt::white));
        QCOMPARE(program.Find(QStringLiteral("ResultsMemo"))->palette().color(QPalette::Text),
                 QColor(Qt::white));
    }

    void background_preview_recolours_window_and_results_log_only() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        program.Core().SetColor(ColorRole::DetailsBackground, 0x00008080);

        program.Window().PreviewColor(ColorRole::DetailsBackground);

        QCOMPARE(program.Window().palette().color(QPalette::Window), QColor(128, 128, 0));
        QCOMPARE(program.Find(QStringLiteral("ResultsMemo"))->palette().color(QPalette::Base),
                 QColor(128, 128, 0));
        QVERIFY(program.Find(QStringLiteral("StatsFilePanel"))->palette().color(QPalette::Window) !=
                QColor(128, 128, 0));
        QCOMPARE(program.Find(QStringLiteral("Panel1"))->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
    }

    void highlight_preview_recolours_the_setup_tab_only() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        PressTab(program, kTabNames[5]);
        program.Core().SetColor(ColorRole::DetailsHighlight, 0x0000FF00);

        program.Window().PreviewColor(ColorRole::DetailsHighlight);
        program.Window().PreviewColor(ColorRole::MainText);

        QCOMPARE(LabelColor(program, kTabNames[5]), QColor(Qt::green));
        QCOMPARE(LabelColor(program, kTabNames[0]), Text(program));
    }

    void reapplying_colours_restores_every_details_colour() {
        DetailsProgram program;
        QVERIFY(program.ShowAndWait());
        PressTab(program, kTabNames[5]);
        constexpr ColorRole kDetailsRoles[] = {ColorRole::DetailsBackground, ColorRole::DetailsText,
                                               ColorRole::DetailsHighlight};
        for (ColorRole role : kDetailsRoles) {
            program.Core().SetColor(role, 0x00FFFFFF);
        }
        program.Window().ReapplyColors();
        for (ColorRole role : kDetailsRoles) {
            program.Core().SetColor(role, ColorOf(DisplaySettings{}, role));
        }

        program.Window().ReapplyColors();

        QCOMPARE(program.Window().palette().color(QPalette::Window), QColor(0xA6, 0xCA, 0xF0));
        QCOMPARE(LabelColor(program, kTabNames[0]), QColor(0, 0, 0x80));
        QCOMPARE(LabelColor(program, kTabNames[5]), QColor(0, 0, 0xFF));
    }

    void date_and_time_follow_the_locale_without_time_zone_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("English (US)") << QLocale(QLocale::English, QLocale::UnitedStates)
                                      << R"(^\d{1,2}/\d{1,2}/\d{2} \d{1,2}:\d{2}:\d{2} [AP]M$)";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                                << R"(^\d{2}\.\d{2}\.\d{2} \d{2}:\d{2}:\d{2}$)";
        QTest::newRow("C") << QLocale::c() << R"(^\d{1,2} \w{3} \d{4} \d{2}:\d{2}:\d{2}$)";
    }

    void date_and_time_follow_the_locale_without_time_zone() {
        QFETCH(QLocale, locale);
        QFETCH(QString, pattern);
        QLocale::setDefault(locale);
        const QString text = ToQString(CurrentDateTimeText());
        QLocale::setDefault(QLocale::system());
        QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(), qPrintable(text));
    }
};

QTEST_MAIN(DetailsWindowTest)
#include "details_window_test.moc"
