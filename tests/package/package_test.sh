#!/usr/bin/env bash
# The Debian package: built, unpacked into a throwaway root, and its programs run from there.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
deb=$("$root/tools/package" | tail -n 1)
[ -f "$deb" ] || { echo "no package at $deb" >&2; exit 1; }
[ "$(basename "$deb")" = pelmark_1.0.0_amd64.deb ] || { echo "unexpected name $deb" >&2; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 fonts-liberation qt6-translations-l10n; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends" >&2; exit 1; }
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg -x "$deb" "$unpacked"
for file in usr/bin/pelmark usr/bin/pelmark-convert usr/share/pelmark/Help.rtf \
    usr/share/applications/pelmark.desktop usr/share/icons/hicolor/scalable/apps/pelmark.svg \
    usr/share/man/man1/pelmark.1.gz usr/share/man/man1/pelmark-convert.1.gz \
    usr/share/doc/pelmark/copyright usr/share/doc/pelmark/changelog.gz \
    usr/share/metainfo/org.pelmark.Pelmark.metainfo.xml; do
    [ -e "$unpacked/$file" ] || { echo "the package lacks $file" >&2; exit 1; }
done
desktop-file-validate "$unpacked/usr/share/applications/pelmark.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.pelmark.Pelmark.metainfo.xml"
# Lintian's errors and warnings fail the test; it is not meant to run as root, which it says.
lintian_out=$(lintian --fail-on error,warning "$deb" 2>&1) || { echo "$lintian_out" >&2; exit 1; }
grep -q '^Exec=pelmark %F$' "$unpacked/usr/share/applications/pelmark.desktop"
grep -q '^MimeType=application/rtf;' "$unpacked/usr/share/applications/pelmark.desktop"

# The installed programs.
"$unpacked/usr/bin/pelmark" --version | grep -qx 'Pelmark 1.0.0'
QT_QPA_PLATFORM=offscreen "$unpacked/usr/bin/pelmark" --help | grep -q -- '--version'

[ "$("$unpacked/usr/bin/pelmark-convert" --list | wc -l)" -eq 26 ]
[ "$(printf 'A\n' | "$unpacked/usr/bin/pelmark-convert" --model mnuWab04RK)" = \
  "$(printf 'Код для WAB 04RK\r\nA\r\nстрока: 032_032_032_032_032_032_032_032_032_032_032_065_\r\nстрока: ')" ]

# The installed program, started from a folder without Help.rtf, finds its own: one window
# titled Pelmark and no message box beside it.
cd "$unpacked"
export HOME="$unpacked/home" XDG_RUNTIME_DIR="$unpacked/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
xvfb-run -a bash -s "$unpacked/usr/bin/pelmark" <<'SCRIPT'
set -euo pipefail
"$1" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    xdotool search --name '^Pelmark$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1.5
windows=$(xdotool search --onlyvisible --name '^Pelmark$' | wc -l)
[ "$windows" -eq 1 ] || { echo "expected the main window alone, found $windows windows" >&2; exit 1; }
SCRIPT
echo "package test passed"
