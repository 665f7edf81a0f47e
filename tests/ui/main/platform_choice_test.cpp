#include <QTest>

#include "ui/main/platform_choice.h"

// Which window system the program asks Qt for, and when it finds none at all.
class PlatformChoiceTest : public QObject {
    Q_OBJECT

  private slots:
    void chooses_x11_over_wayland_unless_the_user_chose_data();
    void chooses_x11_over_wayland_unless_the_user_chose();
    void finds_a_display_only_where_qt_can_open_one_data();
    void finds_a_display_only_where_qt_can_open_one();
};

namespace {

// Columns shared by both tables: the four environment values.
void AddEnvironmentColumns() {
    QTest::addColumn<QString>("qpaPlatform");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("sessionType");
}

PlatformEnvironment FetchedEnvironment() {
    QFETCH(QString, qpaPlatform);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, display);
    QFETCH(QString, sessionType);
    return {qpaPlatform.toStdString(), waylandDisplay.toStdString(), display.toStdString(),
            sessionType.toStdString()};
}

}  // namespace

void PlatformChoiceTest::chooses_x11_over_wayland_unless_the_user_chose_data() {
    AddEnvironmentColumns();
    QTest::addColumn<QString>("chosen");  // "" = leave Qt's own choice

    // clang-format off
    QTest::newRow("Wayland session with XWayland")   << "" << "wayland-0" << ":0" << "wayland" << "xcb";
    QTest::newRow("both, no session type")           << "" << "wayland-0" << ":0" << ""        << "xcb";
    QTest::newRow("XWayland, Wayland socket unnamed") << "" << ""          << ":0" << "wayland" << "xcb";
    QTest::newRow("Wayland only")                    << "" << "wayland-1" << ""   << "wayland" << "wayland";
    QTest::newRow("Wayland only, no session type")   << "" << "wayland-1" << ""   << ""        << "wayland";
    QTest::newRow("plain X11 session")               << "" << ""          << ":0" << "x11"     << "";
    QTest::newRow("X server, no session type")       << "" << ""          << ":1" << ""        << "";
    QTest::newRow("user chose wayland")              << "wayland" << "wayland-0" << ":0" << "wayland" << "";
    QTest::newRow("user chose offscreen")            << "offscreen" << "" << "" << ""          << "";
    QTest::newRow("no display at all")               << "" << ""          << ""   << "tty"     << "";
    // clang-format on
}

void PlatformChoiceTest::chooses_x11_over_wayland_unless_the_user_chose() {
    QFETCH(QString, chosen);
    const std::optional<std::string> platform = ChoosePlatform(FetchedEnvironment());
    QCOMPARE(QString::fromStdString(platform.value_or("")), chosen);
    QCOMPARE(platform.has_value(), !chosen.isEmpty());
}

void PlatformChoiceTest::finds_a_display_only_where_qt_can_open_one_data() {
    AddEnvironmentColumns();
    QTest::addColumn<bool>("available");

    // clang-format off
    QTest::newRow("X server")                 << "" << ""          << ":0" << ""        << true;
    QTest::newRow("Wayland")                  << "" << "wayland-0" << ""   << "wayland" << true;
    QTest::newRow("nothing")                  << "" << ""          << ""   << ""        << false;
    QTest::newRow("session type alone")       << "" << ""          << ""   << "wayland" << false;
    QTest::newRow("offscreen needs nothing")  << "offscreen" << ""  << ""   << ""        << true;
    QTest::newRow("vnc needs nothing")        << "vnc:size=800x600" << "" << "" << ""     << true;
    QTest::newRow("xcb without X server")     << "xcb" << "wayland-0" << "" << ""        << false;
    QTest::newRow("wayland without socket")   << "wayland" << ""   << ":0" << ""        << false;
    QTest::newRow("fallback list, 2nd works") << "wayland;xcb" << "" << ":0" << ""       << true;
    QTest::newRow("fallback list, none")      << "wayland;xcb" << "" << "" << ""         << false;
    QTest::newRow("empty list entries")       << ";;" << ""        << ""   << ""        << false;
    // clang-format on
}

void PlatformChoiceTest::finds_a_display_only_where_qt_can_open_one() {
    QFETCH(bool, available);
    QCOMPARE(DisplayAvailable(FetchedEnvironment()), available);
}

QTEST_APPLESS_MAIN(PlatformChoiceTest)
#include "platform_choice_test.moc"
