"""Drives the program with keys, as a user of a screen reader would, and reads what Orca said
from the speech log: each new epithet and Auto's new name, once and within about two seconds.

screen_reader_test.py SPOKEN-LOG"""
import subprocess
import sys
import time

import pyatspi

log_path = sys.argv[1]
failures = 0


def find(node, role, name):
    if node.getRoleName() == role and node.name == name:
        return node
    for child in node:
        if child is not None:
            found = find(child, role, name)
            if found:
                return found
    return None


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "vilifex":
                return app
        time.sleep(0.1)
    sys.exit("no vilifex on the accessibility bus")


def spoken():
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return log.read()


def heard(what, text, said_before):
    """Whether Orca says `text` once, within two seconds, after `said_before` was logged."""
    global failures
    deadline = time.monotonic() + 2.0
    while time.monotonic() < deadline and text not in spoken()[len(said_before):]:
        time.sleep(0.1)
    time.sleep(0.5)  # long enough to hear it twice, were it said twice
    times = spoken()[len(said_before):].count(text)
    if times == 1:
        print(f"ok - {what}: heard {text!r}")
    else:
        failures += 1
        print(f"not ok - {what}: heard {text!r} {times} times")


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


box = find(application(), "text", "Epithet").queryText()
epithet = lambda: box.getText(0, -1)

for make in range(3):
    before = spoken()
    key("Return")
    time.sleep(0.2)
    heard(f"Enter on Make, {make + 1}", epithet(), before)

def alt(letter):
    """Alt first, then the letter: pressed at once, Qt's menu bar may take the Alt alone."""
    for action in (["keydown", "Alt_L"], ["key", letter], ["keyup", "Alt_L"]):
        subprocess.run(["xdotool", *action], check=True)
        time.sleep(0.3)


alt("f")
before = spoken()
key("Right")  # the Settings menu, its first item current
for name, mark in [("Show Stats", "not checked"), ("Use Commas", "checked"),
                   ("Length Order", "checked"), ("Single Modifier", "not checked")]:
    if name != "Show Stats":
        before = spoken()
        key("Down")
    heard(f"the setting {name}", f"{name} check box {mark}", before)
for _ in range(2):  # the menu, then the menu bar
    key("Escape")
    time.sleep(1)

for _ in range(3):  # Make, Auto, Exit, then the text box
    key("shift+Tab")
    time.sleep(0.5)
before = spoken()
time.sleep(1)
heard("the text box, whole", epithet() + " selected", "")
key("Tab")
key("Tab")  # Exit, then Auto
time.sleep(1)
before = spoken()
key("space")
heard("Auto switched on", "Auto Off", before)
heard("and its first epithet", epithet(), before)
for tick in range(2):
    before = spoken()
    first = epithet()
    deadline = time.monotonic() + 6
    while epithet() == first and time.monotonic() < deadline:
        time.sleep(0.1)
    heard(f"Auto's tick {tick + 1}", epithet(), before)
before = spoken()
key("space")
heard("Auto switched off", "Auto On", before)

if failures:
    print("what was said:\n" + spoken())
print(f"{13 - failures} passed, {failures} failed")
sys.exit(1 if failures else 0)
