#pragma once

class QWidget;

// Tells screen readers on the accessibility bus (AT-SPI) of a widget's new accessible name or
// description. Qt 6.4 announces such a change itself, but with a reference to the widget where
// the new text belongs, and Orca then says nothing; there this sends the announcement as the
// protocol has it. Qt versions that send it right are left to do so.
class AtSpiAnnouncer {
public:
    static void nameChanged(QWidget *widget);
    static void descriptionChanged(QWidget *widget);
};
