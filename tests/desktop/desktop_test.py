"""The calculator window as a desktop user and a screen reader meet it, on a real X server:
its accessibility tree names every field by its caption and holds no hidden button, the
keyboard alone computes, and a middle click pastes the X selection into no output field.

Usage: desktop_test.py path/to/tallaro   (with DISPLAY and a session bus; see run.sh)
"""
import os
import subprocess
import sys
import time

import pyatspi

FIELDS = ["(A)=", "(B)=", "(答)=", "整数桁数", "少数桁数", "所要時間", "先頭", "後尾", "少数部の桁数"]
OUTPUTS = ["(答)=", "整数桁数", "少数桁数", "所要時間", "先頭", "後尾"]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL", what)


def wait_for(condition, what, seconds=60):
    """Polls until condition() holds: the program answers in its own time, more slowly under
    the sanitizers and on a loaded machine."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise SystemExit(f"FAIL {what}: not within {seconds} s")


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def text(field):
    return field.queryText().getText(0, -1)


def states(node):
    node.clear_cache()  # states and names come from the client's cache otherwise
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def names(dialog):
    dialog.clear_cache()
    for child in dialog:
        child.clear_cache()
    return [child.name for child in dialog]


def click(field, button=1, repeat=1):
    box = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", box.x + box.width // 2, box.y + box.height // 2,
            "click", "--repeat", repeat, button)


def find_dialog():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "Tallaro" and application.childCount:
            return application[0]
    return None


def main(program):
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program], env=environment)
    try:
        dialog = wait_for(find_dialog, "the window in the accessibility tree")
        children = list(dialog)
        # The captions are labels with the same names as their fields; fields come first.
        by_name = {}
        for child in children:
            by_name.setdefault(child.name, child)

        fields = [child.name for child in children if child.getRoleName() == "text"]
        labels = [child.name for child in children if child.getRoleName() == "label"]
        check(fields == FIELDS, f"fields named: {fields}")
        check(set(fields) <= set(labels), "each field named by a caption the window shows")
        buttons = [child.name for child in children if child.getRoleName() == "push button"]
        check("OK" not in buttons and "ｷｬﾝｾﾙ" not in buttons, f"no hidden button: {buttons}")
        check(all("showing" in states(child) for child in children), "only shown controls")
        check({"(A)の桁数 0", "(B)の桁数 0"} <= set(by_name), "counters read with what they count")
        check(all("read only" in states(by_name[name]) for name in OUTPUTS), "output fields read only")

        # The keyboard alone, from start-up: "12", Tab, "30", Tab, Space is A＋B.
        wait_for(lambda: "focused" in states(by_name["(A)="]), "the focus in (A) at start-up")
        xdotool("type", "12")
        xdotool("key", "Tab")
        xdotool("type", "30")
        xdotool("key", "Tab", "space")
        wait_for(lambda: text(by_name["(答)="]).strip() == "42", "A＋B from the keyboard")
        check("(A)の桁数 2" in names(dialog), "the counter follows the operand")

        # A double click selects "12" in (A), which makes it the X selection. A middle click
        # into (B) pastes it; into an output field, nothing. The paste into (B) after them
        # shows that every click before it has been handled.
        shown = {name: text(by_name[name]) for name in OUTPUTS}
        click(by_name["(A)="], repeat=2)
        click(by_name["(B)="], button=2)
        wait_for(lambda: len(text(by_name["(B)="])) == 4, "a middle click pastes into (B)")
        for name in OUTPUTS:
            click(by_name[name], button=2)
        click(by_name["(B)="], button=2)
        wait_for(lambda: len(text(by_name["(B)="])) == 6, "the clicks handled")
        for name in OUTPUTS:
            check(text(by_name[name]) == shown[name], f"a middle click left {name} as it was")
    finally:
        process.terminate()
        process.wait()
    print(f"desktop test: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
