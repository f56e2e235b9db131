#include "atspi_announcer.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>

namespace {

// Qt's own connection to the accessibility bus, under the name Qt gives it, and the object
// paths Qt gives its accessible objects: the announcement must come from where they live.
const QString kQtBusConnection = QStringLiteral("a11y");
const QString kObjectPath = QStringLiteral("/org/a11y/atspi/accessible/");

void Announce(QWidget *widget, const QString &property, QAccessible::Text which) {
    if (QLibraryInfo::version() >= QVersionNumber(6, 5) || !QAccessible::isActive())
        return;
    QDBusConnection bus(kQtBusConnection);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (!bus.isConnected() || !accessible)
        return;
    const QString path = kObjectPath + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    QDBusArgument application; // where the object lives: this program's root
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(kObjectPath + QStringLiteral("root"));
    application.endStructure();
    signal << property << 0 << 0 << QVariant::fromValue(QDBusVariant(accessible->text(which)))
           << QVariant::fromValue(application);
    bus.send(signal);
}

} // namespace

void AtSpiAnnouncer::nameChanged(QWidget *widget) {
    Announce(widget, QStringLiteral("accessible-name"), QAccessible::Name);
}

void AtSpiAnnouncer::descriptionChanged(QWidget *widget) {
    Announce(widget, QStringLiteral("accessible-description"), QAccessible::Description);
}
