#include "accessible_interfaces.h"

#include "epithet_accessible.h"
#include "setting_item_accessible.h"

#include <QAccessible>

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(&EpithetAccessible::Factory);
    QAccessible::installFactory(&SettingsMenuAccessible::Factory);
}
