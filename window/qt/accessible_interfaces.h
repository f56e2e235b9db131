#pragma once

// Gives Qt's accessibility the program's own views of the text box and the Settings items,
// where Qt's mislead a screen reader; before the window is made. Qt keeps a factory once, so a
// second call changes nothing.
void InstallAccessibleInterfaces();
