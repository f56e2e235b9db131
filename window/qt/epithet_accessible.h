#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class QLineEdit;

// The epithet's text box as screen readers see it. Qt 6.4's own gives text-attribute runs of
// no length, and Orca then reads the text with its last letter cut; here the whole text is one
// run, in the box's one font.
class EpithetAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit EpithetAccessible(QLineEdit *box);

    // Makes the text box with this object name accessible through this class.
    static QAccessibleInterface *Factory(const QString &className, QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text which) const override;

    void selection(int index, int *start, int *end) const override;
    int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int start, int end) override;
    QString attributes(int offset, int *start, int *end) const override;

private:
    QLineEdit *box() const;
};
