#pragma once

// Lets SIGTERM (kill, a shutdown) and SIGHUP (the session's end) end the program as Exit does,
// through the event loop, so that what the program does as it ends still happens: the clip is
// passed on.

// Notes the signals from then on, so that one that comes while the application starts ends it
// as Exit does rather than killing it. Call first thing, before the application exists.
void NoteTerminationSignals();

// Has the event loop end on the signals, one noted before included. Call once the application
// exists.
void QuitOnTerminationSignals();

// Whether a signal has asked the program to end: start-up then does no more than it must.
bool TerminationAsked();

// Runs the application's event loop and returns its status, or 0 at once where a signal has
// already asked the program to end: as the window first showed, or while a message was open.
// The application's own loop forgets a quit asked before it starts.
int ExecUntilTerminated();
