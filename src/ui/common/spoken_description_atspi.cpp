#include "ui/common/spoken_description_atspi.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace atspi {

// The application an AT-SPI event comes from, as every event carries it: its bus name and
// the path of its root object.
struct ApplicationReference {
    QString busName;
    QDBusObjectPath root;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ApplicationReference& reference) {
    argument.beginStructure();
    argument << reference.busName << reference.root;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ApplicationReference& reference) {
    argument.beginStructure();
    argument >> reference.busName >> reference.root;
    argument.endStructure();
    return argument;
}

}  // namespace atspi

Q_DECLARE_METATYPE(atspi::ApplicationReference)

namespace {

const char* const kObjectPathPrefix = "/org/a11y/atspi/accessible/";

// Qt's bridge answers readers on a connection of its own named "a11y"; the event must come
// from there, where a reader finds the object that the path names.
QDBusConnection AccessibilityBus() {
    return QDBusConnection(QStringLiteral("a11y"));
}

QDBusMessage DescriptionChangeSignal(const QString& path, const QString& description,
                                     const QString& busName) {
    static const QMetaType registered = qDBusRegisterMetaType<atspi::ApplicationReference>();
    Q_UNUSED(registered);
    QDBusMessage event = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    event << QStringLiteral("accessible-description") << 0 << 0
          << QVariant::fromValue(QDBusVariant(description))
          << QVariant::fromValue(atspi::ApplicationReference{
                 busName, QDBusObjectPath(QLatin1String(kObjectPathPrefix) + "root")});
    return event;
}

}  // namespace

bool SendDescriptionOverAtspi(QWidget& control) {
    const QDBusConnection bus = AccessibilityBus();
    if (!bus.isConnected()) {
        return false;
    }
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    if (accessible == nullptr) {
        return false;
    }
    const QString path =
        QLatin1String(kObjectPathPrefix) + QString::number(QAccessible::uniqueId(accessible));
    if (bus.objectRegisteredAt(path) == nullptr) {
        return false;
    }
    return bus.send(DescriptionChangeSignal(path, accessible->text(QAccessible::Description),
                                            bus.baseService()));
}
