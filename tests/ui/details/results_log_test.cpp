#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "details_program.h"
#include "ui/common/colors.h"
#include "ui/common/spoken_notice.h"

namespace {

// The Results section of a shown Details window, driven as the user does it.
class ResultsSection {
  public:
    ResultsSection() {
        QVERIFY(m_program.ShowAndWait());
        QTest::mouseClick(m_program.Find(QStringLiteral("ResultsBtn")), Qt::LeftButton);
        m_list = m_program.Find<QListWidget>(QStringLiteral("ResultsMemo"));
        QVERIFY(m_list != nullptr && m_list->isVisible());
    }

    DetailsProgram& Program() { return m_program; }
    QListWidget* List() const { return m_list; }

    void Press(const char* button) {
        auto* widget = m_program.Find<QToolButton>(QString::fromLatin1(button));
        QVERIFY2(widget != nullptr, button);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    // The log as the engine restores a copied one, "" a blank row, shown when the user comes
    // back to the section; the last entry selected, as after adding it.
    void Fill(const QStringList& entries) {
        QString copied;
        for (const QString& entry : entries) {
            copied += entry + QStringLiteral("\r\n");
        }
        m_program.Core().RestoreLog(ToBytes(copied));
        QTest::mouseClick(m_program.Find(QStringLiteral("CalculationBtn")), Qt::LeftButton);
        QTest::mouseClick(m_program.Find(QStringLiteral("ResultsBtn")), Qt::LeftButton);
        Select(static_cast<int>(entries.size()) - 1);
    }

    // -1 clears the selection as the user can: a Ctrl+click on the selected row.
    void Select(int row) {
        if (row >= 0) {
            QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, RowCentre(row));
            return;
        }
        const int selected = Selected();
        if (selected >= 0) {
            QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              RowCentre(selected));
        }
    }

    QStringList Entries() const {
        QStringList entries;
        for (int row = 0; row < m_list->count(); ++row) {
            entries << m_list->item(row)->text();
        }
        return entries;
    }

    int Selected() const {
        const QList<QListWidgetItem*> selected = m_list->selectedItems();
        return selected.isEmpty() ? -1 : m_list->row(selected.first());
    }

    QPoint RowCentre(int row) const { return m_list->visualItemRect(m_list->item(row)).center(); }

  private:
    DetailsProgram m_program;
    QListWidget* m_list = nullptr;
};

const QStringList kThree = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};

}  // namespace

class ResultsLogTest : public QObject {
    Q_OBJECT

  private slots:
    void buttons_are_flat_focusless_and_in_place() {
        struct Button {
            const char* name;
            const char* caption;
            int left;
            int width;
        };
        const Button buttons[] = {
            {"ResultsAddBtn", "Add", 3, 37},
            {"ResultsDeleteBtn", "Delete", 44, 57},
            {"ResultsClearBtn", "Clear", 105, 46},
            {"ResultsInsertBtn", "Insert", 155, 51},
            {"ResultsInsertSpaceBtn", "Insert Space", 210, 94},
            {"ResultsCopyBtn", "Copy", 308, 45},
            {"ResultsMoveDownBtn", "Move Down", 357, 89},
            {"ResultsMoveUpBtn", "Move Up", 450, 70},
        };
        ResultsSection log;
        for (const Button& button : buttons) {
            const auto* widget = log.Program().Find<QToolButton>(QLatin1String(button.name));
            QVERIFY2(widget != nullptr, button.name);
            QCOMPARE(widget->parentWidget()->objectName(), QStringLiteral("Panel1"));
            QCOMPARE(widget->text(), QLatin1String(button.caption));
            QCOMPARE(widget->geometry(), QRect(button.left, 3, button.width, 18));
            QVERIFY(widget->autoRaise());
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
            QCOMPARE(widget->font().pixelSize(), 13);
        }
    }

    void panel_stacks_current_result_strip_and_log() {
        ResultsSection log;
        const QWidget* current = log.Program().Find(QStringLiteral("CurrentResultMemo"));
        const QWidget* strip = log.Program().Find(QStringLiteral("Panel1"));
        const int width = log.Program().Find(QStringLiteral("ResultsPanel"))->width();
        QCOMPARE(current->geometry(), QRect(0, 0, width, 53));
        QCOMPARE(strip->geometry(), QRect(0, 53, width, 26));
        QCOMPARE(log.List()->geometry().top(), 79);
        QCOMPARE(log.List()->geometry().bottom(),
                 log.Program().Find(QStringLiteral("ResultsPanel"))->height() - 1);
        QCOMPARE(log.Program().Find(QStringLiteral("Shape1"))->geometry(), QRect(0, 0, 1, 26));
        QCOMPARE(log.Program().Find(QStringLiteral("Shape2"))->geometry(),
                 QRect(width - 1, 0, 1, 26));
        QCOMPARE(current->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(current->font().pixelSize(), 13);
    }

    void add_appends_the_result_line_and_selects_it() {
        ResultsSection log;
        log.Program().Calculate(0, 1, "100");
        const QString line = ToQString(log.Program().State().Combat.ResultLine);
        log.Press("ResultsAddBtn");
        QCOMPARE(log.Entries(), QStringList{line});
        QCOMPARE(log.Selected(), 0);

        log.Select(0);
        log.Program().Calculate(0, 1, "200");
        log.Press("ResultsAddBtn");
        QCOMPARE(log.Entries(),
                 (QStringList{line, ToQString(log.Program().State().Combat.ResultLine)}));
        QCOMPARE(log.Selected(), 1);
    }

    // Each button applies its rule to the log the list shows, reading the selection from the
    // list; the rules case by case are tabled without a window in results_log_rules_test.
    void buttons_change_the_shown_log_by_their_rules() {
        struct Step {
            const char* button;
            int select;  // the row clicked first; -1 clears the selection, kKeep clicks none
            QStringList after;
            int selectedAfter;
        };
        constexpr int kKeep = -2;
        ResultsSection log;
        log.Fill(kThree);
        log.Program().Calculate(0, 1, "100");
        const QString fresh = ToQString(log.Program().State().Combat.ResultLine);
        const Step steps[] = {
            {"ResultsMoveUpBtn", kKeep, {"a", "c", "b"}, 1},
            {"ResultsMoveDownBtn", 0, {"c", "a", "b"}, 1},
            {"ResultsInsertBtn", 0, {fresh, "c", "a", "b"}, 0},
            {"ResultsInsertSpaceBtn", -1, {fresh, "c", "a", "b", ""}, -1},
            {"ResultsDeleteBtn", 4, {fresh, "c", "a", "b"}, 3},
            {"ResultsDeleteBtn", 1, {fresh, "a", "b"}, 1},
            {"ResultsCopyBtn", 2, {fresh, "a", "b"}, 2},
            {"ResultsClearBtn", 0, {}, -1},
            {"ResultsAddBtn", kKeep, {fresh}, 0},
        };
        QGuiApplication::clipboard()->setText(QStringLiteral("old contents"));
        for (const Step& step : steps) {
            if (step.select != kKeep) {
                log.Select(step.select);
            }
            log.Press(step.button);
            QCOMPARE(log.Entries(), step.after);
            QCOMPARE(log.Selected(), step.selectedAfter);
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), fresh + QStringLiteral("\r\na\r\nb\r\n"));
    }

    void rows_are_25_pixels_and_long_entries_do_not_scroll() {
        ResultsSection log;
        log.Fill({QStringLiteral("short"), QString(), QString(300, QLatin1Char('W'))});
        for (int row = 0; row < 3; ++row) {
            const QRect rect = log.List()->visualItemRect(log.List()->item(row));
            QCOMPARE(rect.height(), 25);
            QCOMPARE(rect.top(), 25 * row);
            QCOMPARE(rect.width(), log.List()->viewport()->width());
        }
        QCOMPARE(log.List()->horizontalScrollBar()->maximum(), 0);
    }

    void selected_row_is_drawn_in_the_selection_colours() {
        ResultsSection log;
        log.Fill({QStringLiteral("a"), QStringLiteral("b")});
        log.Select(1);
        const QImage image = log.List()->viewport()->grab().toImage();
        const int right = log.List()->viewport()->width() - 10;
        const QColor background =
            ToQColor(log.Program().State().Settings.Display.DetailsBackground);
        QCOMPARE(image.pixelColor(right, 12), background);
        QCOMPARE(image.pixelColor(right, 25 + 12),
                 log.List()->palette().color(QPalette::Active, QPalette::Highlight));
        QCOMPARE(log.List()->palette().color(QPalette::Text),
                 ToQColor(log.Program().State().Settings.Display.DetailsText));
    }

    void row_text_starts_two_pixels_in_and_is_cut_at_the_edge() {
        ResultsSection log;
        log.Fill({QString(300, QLatin1Char('W'))});
        const QImage image = log.List()->viewport()->grab().toImage();
        const QColor fill = log.List()->palette().color(QPalette::Active, QPalette::Highlight);
        // Rows 3 to 21 stay clear of a focus frame on the row's edges.
        const auto inkInColumn = [&](int x) {
            for (int y = 3; y <= 21; ++y) {
                if (image.pixelColor(x, y) != fill) {
                    return true;
                }
            }
            return false;
        };
        int firstInk = 1;
        while (firstInk < image.width() && !inkInColumn(firstInk)) {
            ++firstInk;
        }
        QVERIFY2(firstInk >= 2 && firstInk <= 4, qPrintable(QString::number(firstInk)));
        bool inkAtRightEdge = false;
        for (int x = image.width() - 12; x < image.width() - 1; ++x) {
            inkAtRightEdge = inkAtRightEdge || inkInColumn(x);
        }
        QVERIFY(inkAtRightEdge);
    }

    void row_with_the_keyboard_focus_gets_a_dotted_frame() {
        ResultsSection log;
        log.Fill({QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY(QTest::qWaitForWindowActive(&log.Program().Window()));
        log.Select(0);
        QTRY_VERIFY(log.List()->hasFocus());
        const QImage image = log.List()->viewport()->grab().toImage();
        const QColor fill = log.List()->palette().color(QPalette::Active, QPalette::Highlight);
        int inked = 0;
        for (int x = 20; x < 40; ++x) {
            inked += image.pixelColor(x, 0) != fill ? 1 : 0;
        }
        QVERIFY2(inked > 5 && inked < 15, qPrintable(QString::number(inked)));
        QCOMPARE(image.pixelColor(30, 12), fill);
    }

    // The notice is read by its name alone; words in its description would be read after the
    // word "notification", on a line of their own.
    void emptied_log_says_so_in_a_notice_named_by_its_words() {
        ResultsSection log;
        log.Fill(kThree);
        log.Press("ResultsClearBtn");
        auto* notice =
            log.Program().Find(QStringLiteral("ResultsPanel"))->findChild<SpokenNotice*>();
        QVERIFY(notice != nullptr);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(notice);
        QCOMPARE(spoken->role(), QAccessible::Notification);
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Results log empty"));
        QCOMPARE(spoken->text(QAccessible::Description), QString());
    }

    void log_survives_switching_sections_and_hiding() {
        ResultsSection log;
        log.Fill(kThree);
        log.Select(1);
        QTest::mouseClick(log.Program().Find(QStringLiteral("CalculationBtn")), Qt::RightButton);
        log.Program().Window().hide();
        QVERIFY(log.Program().ShowAndWait());
        QTest::mouseClick(log.Program().Find(QStringLiteral("ResultsBtn")), Qt::LeftButton);
        QCOMPARE(log.Entries(), kThree);
        QCOMPARE(log.Selected(), 1);
    }
};

QTEST_MAIN(ResultsLogTest)
#include "results_log_test.moc"
