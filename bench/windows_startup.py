#!/usr/bin/python3
"""Start-up of the Windows program under Wine: from launching vilifex.exe to its window being
mapped on the X server, beside a bare Win32 window with the same menu bar and client size,
launched the same way, taking turns. Needs DISPLAY and WINEPREFIX with a running wineserver.

windows_startup.py FOLDER-OF-VILIFEX.EXE-AND-WORDLIST BARE_WINDOW.EXE [RUNS]"""
import statistics
import subprocess
import sys
import time

from Xlib import X, display


def time_to_map(command, cwd, title):
    screen = display.Display()
    root = screen.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen.sync()
    start = time.monotonic()
    program = subprocess.Popen(command, cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    elapsed = None
    while elapsed is None:
        event = screen.next_event()
        # A window manager maps its own frame; the program's window is watched from its creation.
        if event.type == X.CreateNotify:
            event.window.change_attributes(event_mask=X.StructureNotifyMask)
        elif event.type == X.MapNotify and event.window.get_wm_name() == title:
            elapsed = time.monotonic() - start
    program.kill()  # under Wine the launched process is the program itself
    program.wait()
    screen.close()
    return elapsed


def main():
    folder, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    times = {"bare": [], "vilifex": []}
    for _ in range(runs):
        times["bare"].append(time_to_map(["wine", bare], folder, "Bare Window"))
        times["vilifex"].append(time_to_map(["wine", "vilifex.exe"], folder, "Zestive Vilifex"))
    bare_median = statistics.median(times["bare"])
    vilifex_median = statistics.median(times["vilifex"])
    print(f"bare window {bare_median * 1000:.0f} ms, vilifex {vilifex_median * 1000:.0f} ms, "
          f"ratio {vilifex_median / bare_median:.2f} (medians of {runs})")


if __name__ == "__main__":
    main()
