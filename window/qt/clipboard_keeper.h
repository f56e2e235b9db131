#pragma once

// On X the clipboard's contents live in the program that copied them, and go with it. So that
// a clip outlives the window, as it does on Windows, a program that still owns the clipboard
// when it ends starts a copy of itself that only keeps offering the clip, until something else
// is copied or the display closes; the program itself ends at once. A clipboard manager, where
// one runs, then takes the clip from that copy as it would from the program.

// The argument that starts a copy of the program as the clip's keeper.
inline constexpr char kKeepClipboardArgument[] = "--keep-clipboard";

// Called as the program ends, while QGuiApplication still lives.
void PassOnClipboard();

// The keeper's whole life: reads the clip as UTF-8 from standard input, then offers it.
int KeepClipboard(int argc, char *argv[]);
