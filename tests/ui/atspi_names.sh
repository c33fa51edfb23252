#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs atspi_names.py on a display and an accessibility bus of its own.
#   atspi_names.sh path/to/quorlink
set -e
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# The server picks a free display and says which; no other run can take it meanwhile.
# Without -noreset it resets when its first client leaves, refusing the next meanwhile.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/server.log" &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
# Debian's Python has the accessibility bindings; another one on the PATH may not.
dbus-run-session -- /usr/bin/python3 "$here/atspi_names.py" "$1" 2> >(grep -v "dbus-daemon\|XDG_RUNTIME" >&2)
