#pragma once

// Lets SIGTERM (kill, a shutdown) and SIGHUP (the session's end) end the program as Exit does,
// through the event loop, so that what the program does as it ends still happens: the clip is
// passed on. Call once the application exists.
void QuitOnTerminationSignals();

// Runs the application's event loop and returns its status, or 0 at once where a signal has
// already asked the program to end: as the window first showed, or while a message was open.
// The application's own loop forgets a quit asked before it starts.
int ExecUntilTerminated();
