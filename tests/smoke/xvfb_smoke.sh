#!/usr/bin/env bash
# The real program in a real X server: the main window appears, F2 brings up the input window,
# and leaving through the File menu stores the four settings and ends the process.
set -euo pipefail
pelmark=$(readlink -f "$1")
data=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
unset QT_QPA_PLATFORM
cd "$data"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$pelmark" <<'SCRIPT'
set -euo pipefail
pelmark=$1
wait_for() { # a window by its exact title
    for _ in $(seq 100); do
        xdotool search --name "^$1\$" 2>/dev/null | head -n 1 && return 0
        sleep 0.1
    done
    echo "window \"$1\" did not appear" >&2
    return 1
}
"$pelmark" >"$HOME/pelmark.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
ended() { # within five seconds
    for _ in $(seq 50); do
        kill -0 $pid 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
main=$(wait_for "Pelmark")
sleep 1
# On a busy machine a key may come before the window takes it: each step is tried up to
# three times before the test gives up.
input=
for _ in 1 2 3; do
    # Without a window manager a click gives the window the keyboard.
    xdotool mousemove --window "$main" 300 200 click 1
    sleep 0.5
    xdotool key F2
    input=$(wait_for "ВВод клише" 2>/dev/null) && break
done
[ -n "$input" ] || { echo 'window "ВВод клише" did not appear' >&2; exit 1; }
sleep 0.5
xdotool windowmove "$input" 700 0 # out of the way of the main window's menu bar
sleep 0.3
for _ in 1 2 3; do
    # Файл, then the last item, Выход; Escape first closes a menu a lost key left open.
    xdotool key Escape
    sleep 0.2
    xdotool mousemove --window "$main" 15 10 click 1
    sleep 1
    xdotool key Up
    sleep 0.3
    xdotool key Return
    ended && break
done
if kill -0 $pid 2>/dev/null; then
    echo "Pelmark did not end after Выход" >&2
    cat "$HOME/pelmark.log" >&2
    exit 1
fi
wait $pid
SCRIPT

settings="$work/config/Pelmark/Pelmark.conf"
for key in MainLeft MainTop MainWidth MainHeight; do
    if ! grep -q "^$key=[0-9.]" "$settings"; then
        echo "$key was not stored in $settings" >&2
        cat "$settings" >&2 || true
        exit 1
    fi
done
echo "smoke test passed"
