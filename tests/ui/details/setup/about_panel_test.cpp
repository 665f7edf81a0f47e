#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "setup_fixture.h"

namespace {

const QString kNotFound = QStringLiteral("\n\n       ReadMe1st.txt file not found");

void OpenAbout(SetupFixture& fixture) {
    fixture.Click("AboutBtn");
}

QString ReadMeShown(SetupFixture& fixture) {
    return fixture.Find<QPlainTextEdit>("ReadMeMemo")->toPlainText();
}

void WriteReadMe(SetupFixture& fixture, const QByteArray& bytes) {
    QFile file(fixture.PathOf(QStringLiteral("ReadMe1st.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class AboutPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void about_covers_the_editor_until_ok();
    void texts_stand_at_their_places_data();
    void texts_stand_at_their_places();
    void read_me_box_and_ok_follow_the_panel_size_data();
    void read_me_box_and_ok_follow_the_panel_size();
    void missing_read_me_shows_not_found_on_third_line();
    void read_me_is_read_again_each_time_the_panel_opens();
    void unreadable_read_me_shows_reason_and_empty_box();
};

void AboutPanelTest::about_covers_the_editor_until_ok() {
    SetupFixture fixture;
    OpenAbout(fixture);
    QVERIFY(fixture.Find<QWidget>("AboutPanel")->isVisible());
    QVERIFY(!fixture.Find<QWidget>("StatsGrid")->isVisible());
    QVERIFY(!fixture.Find<QWidget>("StatsControlPanel")->isVisible());
    QVERIFY(!fixture.Find<QWidget>("FileHeaderText")->isVisible());
    fixture.Click("CloseAboutBtn");
    QVERIFY(!fixture.Find<QWidget>("AboutPanel")->isVisible());
    QVERIFY(fixture.Find<QWidget>("StatsGrid")->isVisible());
    QVERIFY(fixture.Find<QWidget>("FileHeaderText")->isVisible());
    QVERIFY(fixture.Find<QPushButton>("AboutBtn")->isVisible());
}

void AboutPanelTest::texts_stand_at_their_places_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QColor>("color");
    QTest::newRow("name") << "Label1"
                          << "Skirmod" << QPoint(20, 16) << 19 << QColor(Qt::red);
    QTest::newRow("version") << "Label2"
                             << "v9.5  (Qo round 9.5)" << QPoint(100, 16) << 19 << QColor(Qt::red);
    QTest::newRow("release") << "Label3"
                             << "Release Date      29 May 2003" << QPoint(20, 43) << 16
                             << QColor(Qt::red);
    QTest::newRow("download") << "Label7"
                              << "The latest version of Skirmod can be downloaded from...."
                              << QPoint(20, 204) << 13 << QColor(Qt::black);
    QTest::newRow("read-me caption")
        << "Label12"
        << "The ReadMe File" << QPoint(20, 248) << 13 << QColor(Qt::black);
}

void AboutPanelTest::texts_stand_at_their_places() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPoint, place);
    QFETCH(int, pixelSize);
    QFETCH(QColor, color);
    SetupFixture fixture;
    OpenAbout(fixture);
    auto* label = fixture.Find<QLabel>(name.toLatin1().constData());
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), place);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->palette().color(QPalette::WindowText), color);
    auto* mail = fixture.Find<QLineEdit>("Edit1");
    QCOMPARE(mail->geometry(), QRect(27, 174, 133, 19));
    QVERIFY(!mail->hasFrame());
    QCOMPARE(fixture.Find<QLineEdit>("Edit2")->geometry(), QRect(28, 220, 297, 19));
}

void AboutPanelTest::read_me_box_and_ok_follow_the_panel_size_data() {
    QTest::addColumn<QSize>("window");
    QTest::newRow("first size") << QSize(534, 478);
    QTest::newRow("wider and taller") << QSize(800, 700);
    QTest::newRow("narrow") << QSize(420, 400);
}

void AboutPanelTest::read_me_box_and_ok_follow_the_panel_size() {
    QFETCH(QSize, window);
    SetupFixture fixture;
    OpenAbout(fixture);
    fixture.Window().resize(window);
    QTRY_COMPARE(fixture.Find<QWidget>("AboutPanel")->size(), window);
    const int w = window.width();
    const int h = window.height();
    QCOMPARE(fixture.Find<QWidget>("ReadMeMemo")->geometry(), QRect(20, 264, w - 40, h - 284));
    QCOMPARE(fixture.Find<QWidget>("CloseAboutBtn")->geometry(), QRect(w - 101, 20, 81, 45));
}

void AboutPanelTest::missing_read_me_shows_not_found_on_third_line() {
    SetupFixture fixture;
    OpenAbout(fixture);
    QCOMPARE(ReadMeShown(fixture), kNotFound);
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
}

void AboutPanelTest::read_me_is_read_again_each_time_the_panel_opens() {
    SetupFixture fixture;
    OpenAbout(fixture);
    QCOMPARE(ReadMeShown(fixture), kNotFound);
    fixture.Click("CloseAboutBtn");

    WriteReadMe(fixture, QByteArray("First line\r\nCaf\xe9 second\rthird\nfourth"));
    OpenAbout(fixture);
    QCOMPARE(ReadMeShown(fixture),
             QStringLiteral("First line\nCaf%1 second\nthird\nfourth").arg(QChar(0xE9)));
    fixture.Click("CloseAboutBtn");

    QVERIFY(QFile::remove(fixture.PathOf(QStringLiteral("ReadMe1st.txt"))));
    OpenAbout(fixture);
    QCOMPARE(ReadMeShown(fixture), kNotFound);
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
}

void AboutPanelTest::unreadable_read_me_shows_reason_and_empty_box() {
    SetupFixture fixture;
    WriteReadMe(fixture, QByteArray("old text"));
    OpenAbout(fixture);
    QCOMPARE(ReadMeShown(fixture), QStringLiteral("old text"));
    fixture.Click("CloseAboutBtn");

    QVERIFY(QFile::remove(fixture.PathOf(QStringLiteral("ReadMe1st.txt"))));
    QVERIFY(QDir().mkpath(fixture.PathOf(QStringLiteral("ReadMe1st.txt"))));
    fixture.Dialogs().ExpectMessage(QMessageBox::Ok);
    OpenAbout(fixture);
    QVERIFY(fixture.Dialogs().Unexpected().isEmpty());
    QCOMPARE(fixture.Dialogs().Messages().size(), 1);
    QVERIFY(!fixture.Dialogs().Messages()[0].isEmpty());
    QVERIFY(fixture.Find<QWidget>("AboutPanel")->isVisible());
    QCOMPARE(ReadMeShown(fixture), QString());
}

QTEST_MAIN(AboutPanelTest)
#include "about_panel_test.moc"
