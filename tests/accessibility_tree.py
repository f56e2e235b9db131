"""Reads the running program's accessible tree over AT-SPI, as a screen reader does: every
control and menu item with its role and name; then presses Enter on Make and hears the new
epithet as the focused button's description."""
import sys
import time

import pyatspi

EXPECTED = [
    ("frame", "Zestive Vilifex"),
    ("push button", "Auto On"),
    ("push button", "Clip"),
    ("frame", "Statistics"),
    ("push button", "Save"),
    ("text", "Epithet"),
    ("push button", "Make"),
    ("push button", "Exit"),
    ("menu bar", ""),
    ("menu item", "File"),
    ("menu item", "Exit"),
    ("menu item", "Settings"),
    ("check box", "Show Stats"),
    ("check box", "Use Commas"),
    ("check box", "Length Order"),
    ("check box", "Single Modifier"),
]


def find_application(name):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"no application {name} on the accessibility bus")


def controls(node):
    """The nodes below `node` that a user reaches, in tree order."""
    found = []
    for child in node:
        if child is None:
            continue
        if child.getRoleName() not in ("filler", "popup menu", "label"):
            found.append(child)
        found.extend(controls(child))
    return found


def main():
    app = find_application("vilifex")
    nodes = controls(app)
    seen = [(node.getRoleName(), node.name) for node in nodes]
    if seen != EXPECTED:
        sys.exit(f"accessible tree:\n{seen}\nexpected:\n{EXPECTED}")

    make = next(n for n in nodes if n.getRoleName() == "push button" and n.name == "Make")
    text = next(n for n in nodes if n.getRoleName() == "text").queryText()
    make.queryAction().doAction(0)
    for _ in range(50):
        epithet = text.getText(0, -1)
        if epithet != "verbose, splendiferous generator" and make.description == epithet:
            print(f"roles and names as expected; Make describes itself as \"{epithet}\"")
            return
        time.sleep(0.1)
    sys.exit(f"Make's description is \"{make.description}\", the text \"{text.getText(0, -1)}\"")


main()
