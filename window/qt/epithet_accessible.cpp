#include "epithet_accessible.h"

#include "window/scoffle_form.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

EpithetAccessible::EpithetAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

QAccessibleInterface *EpithetAccessible::Factory(const QString &, QObject *object) {
    auto *box = qobject_cast<QLineEdit *>(object);
    if (box && box->objectName() == QStringView(form::EntryOf(form::Control::Output).name))
        return new EpithetAccessible(box);
    return nullptr;
}

QLineEdit *EpithetAccessible::box() const {
    return static_cast<QLineEdit *>(widget());
}

void *EpithetAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State EpithetAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString EpithetAccessible::text(QAccessible::Text which) const {
    if (which == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(which);
}

void EpithetAccessible::selection(int index, int *start, int *end) const {
    *start = *end = 0;
    if (index == 0 && box()->hasSelectedText()) {
        *start = box()->selectionStart();
        *end = box()->selectionEnd();
    }
}

int EpithetAccessible::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void EpithetAccessible::addSelection(int start, int end) {
    setSelection(0, start, end);
}

void EpithetAccessible::removeSelection(int) {
    box()->deselect();
}

void EpithetAccessible::setSelection(int, int start, int end) {
    box()->setSelection(start, end - start);
}

int EpithetAccessible::cursorPosition() const {
    return box()->cursorPosition();
}

void EpithetAccessible::setCursorPosition(int position) {
    box()->setCursorPosition(position);
}

QString EpithetAccessible::text(int start, int end) const {
    return box()->text().mid(start, end - start);
}

int EpithetAccessible::characterCount() const {
    return static_cast<int>(box()->text().size());
}

QRect EpithetAccessible::characterRect(int offset) const {
    // Where the box draws the character, from the start of its contents.
    QStyleOptionFrame option;
    option.initFrom(box());
    const QRect contents =
        box()->style()->subElementRect(QStyle::SE_LineEditContents, &option, box());
    const QFontMetrics metrics(box()->font());
    const QString text = box()->text();
    const int left = contents.left() + metrics.horizontalAdvance(text.left(offset));
    const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
    return {box()->mapToGlobal(QPoint(left, contents.top())), QSize(width, contents.height())};
}

int EpithetAccessible::offsetAtPoint(const QPoint &point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void EpithetAccessible::scrollToSubstring(int start, int) {
    box()->setCursorPosition(start);
}

QString EpithetAccessible::attributes(int, int *start, int *end) const {
    *start = 0;
    *end = characterCount();
    return {};
}
