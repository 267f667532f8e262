#!/usr/bin/env bash
# Starts the real desktop program on an Xvfb display as `numbrel divide 1 97`
# and reads its window as a screen reader does, over the accessibility bus:
# the result field must hold what numbrel-cli answers to the same words.
#   tests/qt/opens_a_command.sh NUMBREL NUMBREL-CLI
set -euo pipefail
program=$1 cli=$2
if [ "${3:-}" != --inside ]; then
  exec xvfb-run -a -n $((200 + RANDOM % 500)) -s "-screen 0 640x480x24" dbus-run-session -- bash "$0" "$program" "$cli" --inside
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" divide 1 97 &
window=$!
trap 'kill "$window" "$launcher" 2>/dev/null || true' EXIT

EXPECTED=$("$cli" divide 1 97) timeout 60 /usr/bin/python3 - <<'PY'
import os, sys, time
import pyatspi

def find(node, role, name):
    if node is None:
        return None
    if node.getRoleName() == role and node.name == name:
        return node
    for child in node:
        found = find(child, role, name)
        if found is not None:
            return found
    return None

expected = os.environ["EXPECTED"]
shown = None
for _ in range(100):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "numbrel":
            result = find(app, "text", "Result")
            if result is not None:
                text = result.queryText()
                shown = text.getText(0, text.characterCount)
    if shown == expected:
        print("numbrel divide 1 97: the window shows the answer")
        sys.exit(0)
    time.sleep(0.2)
print(f"numbrel divide 1 97: the window's result is {shown!r}, numbrel-cli's {expected!r}")
sys.exit(1)
PY
