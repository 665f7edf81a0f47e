#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include "ui/common/spoken_description.h"

namespace {

const char* const kPathPrefix = "/org/a11y/atspi/accessible";
const char* const kEventInterface = "org.a11y.atspi.Event.Object";
const char* const kMarkerInterface = "org.skirmod.Test";
const char* const kResult = "will kill 240, resource efficiency 24%";

// Stands in for Qt's bridge, which serves every accessible object under one path.
class StandInBridge : public QDBusVirtualObject {
  public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage&, const QDBusConnection&) override { return false; }
};

QString PathOf(QWidget& control) {
    return QLatin1String(kPathPrefix) + QLatin1Char('/') +
           QString::number(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&control)));
}

}  // namespace

// What a screen reader on Linux learns when the result it reads changes: AT-SPI's event that
// the control's description changed, with the new text, from the control's object on the
// connection Qt's bridge serves readers on; nothing over that connection when the object is
// not on it (Qt's own event goes out instead, which only a running bridge would show). A
// private dbus-daemon stands in for the accessibility bus.
class SpokenDescriptionTest : public QObject {
    Q_OBJECT

  public slots:
    void Heard(const QDBusMessage& message) { m_heard << message; }

  private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void on_the_bus_the_event_names_the_description_and_carries_the_text();
    void without_the_control_on_the_bus_nothing_goes_out_over_it();

  private:
    QDBusConnection ConnectAccessibilityBus() {
        return QDBusConnection::connectToBus(m_address, QStringLiteral("a11y"));
    }
    // Tells of `control`'s change, then waits for a marker sent after it on the same
    // connection, so that whatever the change sent has been heard.
    bool TellAndListen(QWidget& control, const QDBusConnection& bus);

    QProcess m_daemon;
    QString m_address;
    QList<QDBusMessage> m_heard;
    StandInBridge m_bridge;
};

void SpokenDescriptionTest::initTestCase() {
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
    QVERIFY2(m_daemon.waitForReadyRead(10000), "dbus-daemon did not start");
    m_address = QString::fromLatin1(m_daemon.readLine().trimmed());
    QDBusConnection listener = QDBusConnection::connectToBus(m_address, QStringLiteral("listener"));
    QVERIFY2(listener.isConnected(), qPrintable(m_address));
    // QtDBus connects bus signals only by the slot's signature.
    for (const char* interface : {kEventInterface, kMarkerInterface}) {
        QVERIFY(listener.connect(QString(), QString(), QLatin1String(interface), QString(), this,
                                 SLOT(Heard(QDBusMessage))));
    }
}

void SpokenDescriptionTest::cleanup() {
    QDBusConnection::disconnectFromBus(QStringLiteral("a11y"));
}

void SpokenDescriptionTest::cleanupTestCase() {
    QDBusConnection::disconnectFromBus(QStringLiteral("listener"));
    m_daemon.terminate();
    m_daemon.waitForFinished(10000);
}

bool SpokenDescriptionTest::TellAndListen(QWidget& control, const QDBusConnection& bus) {
    m_heard.clear();
    TellDescriptionChanged(control);
    bus.send(QDBusMessage::createSignal(QStringLiteral("/marker"), QLatin1String(kMarkerInterface),
                                        QStringLiteral("Marker")));
    const bool marked = QTest::qWaitFor(
        [this] { return !m_heard.isEmpty() && m_heard.constLast().member() == "Marker"; });
    if (marked) {
        m_heard.removeLast();
    }
    return marked;
}

void SpokenDescriptionTest::on_the_bus_the_event_names_the_description_and_carries_the_text() {
    QDBusConnection bus = ConnectAccessibilityBus();
    QVERIFY(
        bus.registerVirtualObject(QLatin1String(kPathPrefix), &m_bridge, QDBusConnection::SubPath));
    QLineEdit control;
    control.setAccessibleDescription(QLatin1String(kResult));
    QVERIFY(TellAndListen(control, bus));

    QCOMPARE(m_heard.size(), 1);
    const QDBusMessage& event = m_heard.constFirst();
    QCOMPARE(event.path(), PathOf(control));
    QCOMPARE(event.interface(), QLatin1String(kEventInterface));
    QCOMPARE(event.member(), QStringLiteral("PropertyChange"));
    QCOMPARE(event.signature(), QStringLiteral("siiv(so)"));
    QCOMPARE(event.arguments().at(0).toString(), QStringLiteral("accessible-description"));
    QCOMPARE(event.arguments().at(3).value<QDBusVariant>().variant().toString(),
             QLatin1String(kResult));
    bus.unregisterObject(QLatin1String(kPathPrefix));
}

void SpokenDescriptionTest::without_the_control_on_the_bus_nothing_goes_out_over_it() {
    const QDBusConnection bus = ConnectAccessibilityBus();
    QVERIFY(bus.isConnected());
    QLineEdit control;
    control.setAccessibleDescription(QLatin1String(kResult));
    QVERIFY(TellAndListen(control, bus));
    QCOMPARE(m_heard.size(), 0);
}

QTEST_MAIN(SpokenDescriptionTest)
#include "spoken_description_test.moc"
