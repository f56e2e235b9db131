#include "setting_item_accessible.h"

#include "window/scoffle_form.h"

#include <QAction>
#include <QMenu>
#include <QWindow>

namespace {

bool IsSettingsMenu(const QObject *object) {
    return qobject_cast<const QMenu *>(object) &&
           object->objectName() == QStringView(form::kSettingsMenu.name);
}

} // namespace

SettingsMenuAccessible::SettingsMenuAccessible(QMenu *menu)
    : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

QAccessibleInterface *SettingsMenuAccessible::Factory(const QString &, QObject *object) {
    if (IsSettingsMenu(object))
        return new SettingsMenuAccessible(static_cast<QMenu *>(object));
    auto *item = qobject_cast<QAction *>(object);
    if (!item)
        return nullptr;
    for (QObject *owner : item->associatedObjects())
        if (IsSettingsMenu(owner))
            return new SettingItemAccessible(static_cast<QMenu *>(owner), item);
    return nullptr;
}

QMenu *SettingsMenuAccessible::menu() const {
    return static_cast<QMenu *>(widget());
}

QAccessibleInterface *SettingsMenuAccessible::parent() const {
    // The menu bar's item that opens the menu, which Qt made as it showed the menu bar.
    return QAccessible::queryAccessibleInterface(menu()->menuAction());
}

int SettingsMenuAccessible::childCount() const {
    return static_cast<int>(menu()->actions().size());
}

QAccessibleInterface *SettingsMenuAccessible::child(int index) const {
    const QList<QAction *> items = menu()->actions();
    return index >= 0 && index < items.size() ? QAccessible::queryAccessibleInterface(items[index])
                                              : nullptr;
}

int SettingsMenuAccessible::indexOfChild(const QAccessibleInterface *child) const {
    return child ? static_cast<int>(
                       menu()->actions().indexOf(qobject_cast<QAction *>(child->object())))
                 : -1;
}

QAccessibleInterface *SettingsMenuAccessible::childAt(int x, int y) const {
    QAction *item = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
    return item ? QAccessible::queryAccessibleInterface(item) : nullptr;
}

QAccessibleInterface *SettingsMenuAccessible::focusChild() const {
    QAction *item = menu()->activeAction();
    return item ? QAccessible::queryAccessibleInterface(item) : nullptr;
}

SettingItemAccessible::SettingItemAccessible(QMenu *menu, QAction *item)
    : menu_(menu), item_(item) {}

bool SettingItemAccessible::isValid() const {
    return menu_ && item_;
}

QObject *SettingItemAccessible::object() const {
    return item_;
}

QWindow *SettingItemAccessible::window() const {
    return menu_ ? menu_->windowHandle() : nullptr;
}

QAccessibleInterface *SettingItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(menu_);
}

QString SettingItemAccessible::text(QAccessible::Text which) const {
    if (which != QAccessible::Name || !item_)
        return {};
    QString name = item_->text();
    return name.remove(QLatin1Char('&')); // the access key's mark, which is not read
}

QRect SettingItemAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect item = menu_->actionGeometry(item_);
    return {menu_->mapToGlobal(item.topLeft()), item.size()};
}

QAccessible::State SettingItemAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.checkable = true;
    state.checked = item_->isChecked();
    state.disabled = !item_->isEnabled();
    state.invisible = !item_->isVisible() || !menu_->isVisible();
    state.focusable = item_->isEnabled();
    const bool current = menu_->activeAction() == item_;
    state.focused = current;
    state.selected = current;
    state.hotTracked = current;
    return state;
}

void *SettingItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

QStringList SettingItemAccessible::actionNames() const {
    return {toggleAction()};
}

void SettingItemAccessible::doAction(const QString &name) {
    if (name == toggleAction() && item_)
        item_->trigger();
}
