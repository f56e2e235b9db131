#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>

class QAction;
class QMenu;

// The Settings menu and its items as screen readers see them. Qt 6.4 tells that an item is
// checked but never that an unchecked one could be, so that Orca reads an unchecked setting as
// a plain command; here each item is a check box, checked or not, within a menu that counts
// check boxes among its items.
class SettingsMenuAccessible : public QAccessibleWidget {
public:
    explicit SettingsMenuAccessible(QMenu *menu);

    // Makes the Settings menu, by the form's name for it, and its items, accessible through these
    // classes.
    static QAccessibleInterface *Factory(const QString &className, QObject *object);

    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    QMenu *menu() const;
};

class SettingItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SettingItemAccessible(QMenu *menu, QAction *item);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text which) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> item_;
};
