#pragma once

// Lets SIGTERM (kill, a shutdown) and SIGHUP (the session's end) end the program as Exit does,
// through the event loop, so that what the program does as it ends still happens: the clip is
// passed on. Call once the application exists.
void QuitOnTerminationSignals();
