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


def wait_for(condition, seconds=20):
    """Whether `condition` comes true within `seconds`: a busy machine's allowance, for a tree
    that a program still builds as it appears on the bus, and for events on their way."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.1)
    return True


def find_application(name):
    def named():
        return next((app for app in pyatspi.Registry.getDesktop(0)
                     if app is not None and app.name == name), None)
    if not wait_for(lambda: named() is not None):
        sys.exit(f"no application {name} on the accessibility bus")
    return named()


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

    def seen():
        return [(node.getRoleName(), node.name) for node in controls(app)]
    if not wait_for(lambda: seen() == EXPECTED):
        sys.exit(f"accessible tree:\n{seen()}\nexpected:\n{EXPECTED}")
    nodes = controls(app)

    make = next(n for n in nodes if n.getRoleName() == "push button" and n.name == "Make")
    text = next(n for n in nodes if n.getRoleName() == "text").queryText()
    make.queryAction().doAction(0)

    def described():
        epithet = text.getText(0, -1)
        return epithet != "verbose, splendiferous generator" and make.description == epithet
    if not wait_for(described):
        sys.exit(f"Make's description is \"{make.description}\", the text "
                 f"\"{text.getText(0, -1)}\"")
    print(f"roles and names as expected; Make describes itself as \"{text.getText(0, -1)}\"")


main()
