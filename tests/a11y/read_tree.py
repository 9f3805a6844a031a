#!/usr/bin/python3
"""Reads the running program as a screen reader does, through AT-SPI, and checks what it hears:
the main window is a frame, every control that takes the focus has a name, the first option of
5 cm² is "3φ16", and a bad area brings up an alert named with its diacritics whose message is
there to be read exactly once.

Prints the tree (role and name of each control) it read. Exits non-zero on the first fault."""
import sys
import time

import pyatspi

TIMEOUT = 20.0


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear within {TIMEOUT:.0f} s")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower() == "vesmarot":
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def frame_of(app):
    for child in app:
        if child is not None and child.getRoleName() == "frame":
            return child
    return None


def by_role(app, role):
    for node in walk(app):
        if node.getRoleName() == role:
            return node
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    sys.exit(f"FAIL: {node.name!r} has no press action")


def control(frame, name):
    for node in walk(frame):
        if node.name == name:
            return node
    sys.exit(f"FAIL: no control named {name!r}")


def set_text(node, text):
    node.queryEditableText().setTextContents(text)


def main():
    app = wait_for("the application Vesmarot on the accessibility bus", application)
    frame = wait_for("the main window as a frame", lambda: frame_of(app))
    if frame.name != "Vesmarot":
        sys.exit(f"FAIL: the frame is named {frame.name!r}")

    print(f"{frame.getRoleName()}: {frame.name}")
    unnamed = []
    for node in walk(frame):
        if node is frame:
            continue
        states = node.getState()
        print(f"  {node.getRoleName()}: {node.name}"
              + (f"  [{node.description}]" if node.description else ""))
        if states.contains(pyatspi.STATE_FOCUSABLE) and not node.name.strip():
            # Table cells are named by their text; an empty list has none.
            unnamed.append(node.getRoleName())
    if unnamed:
        sys.exit(f"FAIL: focusable controls without a name: {unnamed}")

    area = control(frame, "Diện tích cốt thép cần (cm²)")
    set_text(area, "5")
    press(control(frame, "OK"))
    options = control(frame, "Các phương án")

    def first_option():
        cells = [n for n in walk(options) if n.getRoleName() in ("table cell", "list item")]
        return cells[0] if cells else None

    first = wait_for("the options of 5 cm²", first_option)
    print(f"first option of 5 cm²: {first.getRoleName()}: {first.name}  [{first.description}]")
    if first.name != "3φ16":
        sys.exit(f"FAIL: the first option reads {first.name!r}, not '3φ16'")

    set_text(area, "abc")
    press(control(frame, "OK"))
    alert = wait_for("an alert for a bad area", lambda: by_role(app, "alert"))
    print(f"{alert.getRoleName()}: {alert.name}  [{alert.description}]")
    if alert.name != "Thông báo lỗi":
        sys.exit(f"FAIL: the alert is named {alert.name!r}")
    read = [node.name for node in walk(alert)] + [alert.description]
    if sum("diện tích thép" in text for text in read) != 1:
        sys.exit(f"FAIL: the alert's message is not there exactly once: {read!r}")
    press(control(alert, "OK"))
    wait_for("the alert to go", lambda: None if by_role(app, "alert") else True)
    print("screen reader view: frame, names, 3φ16 and the alert all as expected")


if __name__ == "__main__":
    main()
