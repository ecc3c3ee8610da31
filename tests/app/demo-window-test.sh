#!/usr/bin/env bash
# Starts the editor in demo mode on a virtual display, checks that its window
# appears, closes it as a user would, and expects a clean exit; then starts it
# again and ends it with SIGTERM, and once more has the window system destroy
# its window: both must end it, its demo folder removed.
#   demo-window-test.sh EDITOR X_CLOSE_WINDOW
set -euo pipefail

editor="$1"
closer="$2"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT

# A home of its own: the test never touches the real one.
export HOME="$home" XDG_CONFIG_HOME="$home/.config"

# In a sanitizer build, the X client libraries the framework loads at run
# time keep allocations until exit that LeakSanitizer cannot attribute (they
# are unloaded by then); everything else is still checked.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0"

xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
    "$2" --intern
    "$1" --demo &
    pid=$!
    if ! "$2" "Vandorium Editor" 30; then
        kill "$pid"
        exit 1
    fi
    for i in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            exit $?
        fi
        sleep 0.1
    done
    echo "the editor did not quit after its window was closed" >&2
    kill "$pid"
    exit 1
' _ "$editor" "$closer"

for ending in sigterm destroy; do
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
    "$1" --demo &
    pid=$!
    for i in $(seq 300); do
        folder="$(ls -d /tmp/vandorium-demo-"$pid"-* /var/tmp/vandorium-demo-"$pid"-* 2>/dev/null | head -n 1 || true)"
        [ -n "$folder" ] && break
        sleep 0.1
    done
    if [ -z "$folder" ]; then
        echo "the demo made no folder of its own" >&2
        kill -9 "$pid"
        exit 1
    fi
    if [ "$3" = sigterm ]; then
        sleep 2
        kill -TERM "$pid"
    else
        "$2" --destroy "Vandorium Editor" 30
    fi
    status=0
    for i in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the editor outlived its end by $3" >&2
        kill -9 "$pid"
        exit 1
    fi
    wait "$pid" || status=$?
    if [ "$3" = sigterm ] && [ "$status" -ne 0 ]; then
        echo "SIGTERM ended the editor with status $status" >&2
        exit 1
    fi
    if [ -e "$folder" ]; then
        echo "the demo folder $folder outlived the editor ($3)" >&2
        exit 1
    fi
' _ "$editor" "$closer" "$ending"
done

echo "3 passed, 0 failed"
