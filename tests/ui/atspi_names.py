#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the editor as a screen reader does, through the desktop's
# accessibility bus: walks every page of the tree and fails on a control that
# takes the focus but has no name to be read.
#   xvfb-run -a dbus-run-session -- atspi_names.py path/to/quorlink
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

KEYS = {"Left": 0xFF51, "Right": 0xFF53, "Down": 0xFF54}
# Their items carry the values as names; the control itself is checked.
LEAVES = {"combo box", "tree", "table", "list"}


def wait_for(find, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit("quorlink did not appear on the accessibility bus")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quorlink" and app.childCount > 0:
            return app
    return None


def unnamed(node, found, path=""):
    role = node.getRoleName()
    states = node.getState()
    # Pages behind the one in front are shown but disabled: nothing on them takes the focus.
    if not states.contains(pyatspi.STATE_SHOWING) or not states.contains(pyatspi.STATE_ENABLED):
        return
    here = f"{path}/{role}"
    if states.contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip():
        found.append(f"{here} after '{label_before(node)}'")
    if role in LEAVES:
        return
    for index, child in enumerate(node):
        if child is not None:
            unnamed(child, found, f"{here}[{node.name or index}]")


def label_before(node):
    # What a sighted user reads just before the control: the way to find it.
    parent = node.parent
    index = node.getIndexInParent()
    for i in range(index - 1, -1, -1):
        sibling = parent.getChildAtIndex(i)
        if sibling is not None and sibling.name.strip():
            return sibling.name
    return ""


def press(key, pause=0.05):
    pyatspi.Registry.generateKeyboardEvent(KEYS[key], None, pyatspi.KEY_SYM)
    time.sleep(pause)


def moved(tree, key, seconds=3.0):
    """Presses key and waits for the selection to move; False when it stays (a busy machine is slow)."""
    before = selected(tree)
    press(key, 0)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        time.sleep(0.05)
        if selected(tree) != before:
            return True
    return False


def selected(tree):
    for cell in tree:
        if cell is not None and cell.getState().contains(pyatspi.STATE_SELECTED):
            return cell.name
    return None


def main(program):
    home = tempfile.mkdtemp()
    environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home,
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    editor = subprocess.Popen([program], env=environment)
    try:
        app = wait_for(application)
        window = app.getChildAtIndex(0)
        tree = wait_for(lambda: pyatspi.findDescendant(window, lambda o: o.getRoleName() == "tree"))
        # A click on the first node gives the tree the keyboard; the arrow keys do the rest.
        first = tree.getChildAtIndex(1).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(first.x + 5, first.y + first.height // 2, "b1c")
        time.sleep(0.5)
        faults, pages, last, repeats = {}, set(), None, 0
        while True:
            node = selected(tree)
            # Pages of the same kind ("CH05A", "CH06") are read once; a long run of them is left.
            kind = re.sub(r"\d+[A-Z]?", "#", node or "")
            repeats = repeats + 1 if kind == last else 0
            last = kind
            if kind not in pages:
                pages.add(kind)
                found = []
                unnamed(window, found)
                for path in found:
                    faults.setdefault(path, set()).add(node)
            if repeats >= 2:
                moved(tree, "Left")  # to the list's own node
                press("Left", 0.2)  # which folds it
            else:
                press("Right", 0.2)  # unfolds a node that has more below
            if not moved(tree, "Down"):
                break  # the last node
        for path, nodes in sorted(faults.items()):
            print(f"no name: {path} (on {', '.join(sorted(nodes)[:3])}{'...' if len(nodes) > 3 else ''})")
        print(f"{len(pages)} kinds of page read, {len(faults)} unnamed control(s)")
        return 1 if faults or len(pages) < 8 else 0
    finally:
        editor.terminate()
        editor.wait(10)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
