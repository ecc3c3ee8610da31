#!/usr/bin/env bash
# Checks a built package as a user would meet it: lintian reports no error,
# the unpacked files hold what the package promises, the desktop entry is
# valid, and the unpacked editor, started through its link on the PATH,
# finds its resources, opens in demo mode under Xvfb and closes cleanly.
#   package-test.sh PACKAGE.deb X_CLOSE_WINDOW
set -euo pipefail

deb="$1"
closer="$2"
root="$(mktemp -d)"
home="$(mktemp -d)"
trap 'rm -rf "$root" "$home"' EXIT

fail () { echo "package test: $*" >&2; exit 1; }

echo "== lintian"
# Errors fail the test; warnings are shown.
lintian_output="$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)"
[ -n "$lintian_output" ] && echo "$lintian_output"
if grep -q '^E:' <<<"$lintian_output"; then
    fail "lintian reports errors"
fi

echo "== contents"
dpkg-deb -x "$deb" "$root"
for path in usr/lib/vandorium-editor/vandorium-editor usr/lib/vandorium-editor/vandorium-tool \
            usr/lib/vandorium-editor/Resources/Knob.png "usr/lib/vandorium-editor/Resources/EDITOR FACTORY.vandorium" \
            usr/lib/vandorium-editor/Resources/LCDFont.LICENSE.txt usr/lib/vandorium-editor/Resources/BetecknaGS.LICENSE.txt \
            usr/lib/vandorium-editor/Resources/Caption.LICENSE.txt usr/lib/vandorium-editor/Resources/LCDFont.jucefont \
            usr/share/applications/vandorium-editor.desktop usr/share/icons/hicolor/48x48/apps/vandorium-editor.png \
            usr/share/icons/hicolor/256x256/apps/vandorium-editor.png usr/share/doc/vandorium-editor/copyright; do
    [ -e "$root/$path" ] || fail "missing from the package: /$path"
done
for link in vandorium-editor vandorium-tool; do
    [ -L "$root/usr/bin/$link" ] || fail "/usr/bin/$link is not a link"
    [ -x "$root/usr/bin/$link" ] || fail "/usr/bin/$link does not lead to a program"
done
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
grep -q 'libc6' <<<"$depends" || fail "the dependencies were not computed from the binaries"

echo "== desktop entry"
desktop-file-validate "$root/usr/share/applications/vandorium-editor.desktop"

echo "== commands"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" PATH="$root/usr/bin:$PATH"
vandorium-editor --version | grep -qx "Vandorium Editor [0-9.]*" || fail "--version"
vandorium-editor --help | grep -qF "Resources:  $root/usr/lib/vandorium-editor/Resources" \
    || fail "started through its link, the editor does not find the resources beside it"
vandorium-tool --help >/dev/null || fail "vandorium-tool --help"

echo "== the editor, unpacked, in demo mode"
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
    "$1" --intern
    vandorium-editor --demo &
    pid=$!
    # The quick start guide shows first on a fresh start: closed like any window.
    "$1" "Quick Start Guide" 30 || { kill "$pid"; exit 1; }
    sleep 0.5
    "$1" "Vandorium Editor" 30 || { kill "$pid"; exit 1; }
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
' _ "$closer"

echo "package test: passed"
