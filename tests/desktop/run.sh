#!/usr/bin/env bash
# Runs desktop_test.py against the real program as a user meets it: on an X server of its own
# (Xvfb) with a window manager (openbox), and a session bus of its own, on which the desktop's
# accessibility bus starts when it is asked for.
# Usage: tests/desktop/run.sh path/to/tallaro
set -euo pipefail
here=$(dirname "$0")
tallaro=$1

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
# Waits up to a minute for a file that a started program writes once it is ready.
await() {
    for _ in $(seq 600); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    echo "desktop test: $2 did not start" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
await "$work/display" Xvfb
export DISPLAY=":$(head -n 1 "$work/display")"
# The test command runs the other window tests offscreen; this one is on the X server.
export QT_QPA_PLATFORM=xcb
openbox --startup "sh -c 'echo up >$work/wm'" >/dev/null 2>&1 &
pids+=($!)
await "$work/wm" openbox
# The Python of the system, where the accessibility client is installed.
dbus-run-session -- /usr/bin/python3 "$here/desktop_test.py" "$tallaro"
