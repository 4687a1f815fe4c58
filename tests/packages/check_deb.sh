#!/usr/bin/env bash
# The Debian package as a user meets it: lintian finds no error or warning;
# installed with dpkg, trailset-cli and trailset answer from PATH, one
# camera run writes the same menu.dat as the build's trailset-cli, the
# desktop entry, metainfo, icons and shell completion are in place and
# valid, the installed trailset opens its main window under Xvfb (a
# screenshot is kept); removed with dpkg, nothing of it is left.
#
#   tests/packages/check_deb.sh DEB VERSION NATIVE_BUILD_DIR WORK_DIR
set -euo pipefail
deb=$(readlink -f "$1")
version=$2
build=$(cd "$3" && pwd)
work=$(mkdir -p "$4" && cd "$4" && pwd)
app_id=org.trailset.trailset
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
rm -rf "$work"
mkdir -p "$work/out" "$work/want" "$work/shots"

fail() { echo "deb: $*" >&2; exit 1; }
step() { echo "deb: $*"; }

if dpkg-query -W -f='${Status}' trailset 2>/dev/null | grep -q "ok installed"; then
  fail "a trailset package is installed on this machine already; remove it first (dpkg -r trailset)"
fi

lint=0
report=$(lintian --fail-on error,warning "$deb" 2>&1) || lint=$?
report=$(grep -v "running with root privileges" <<<"$report" || true)
[ "$lint" = 0 ] || { echo "$report" >&2; fail "lintian reports errors or warnings"; }
step "lintian: no errors, no warnings${report:+; }$report"

files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^$')
remove() { "${sudo_cmd[@]}" dpkg -r trailset >"$work/dpkg-r.log" 2>&1; }
trap 'remove || true' EXIT
"${sudo_cmd[@]}" dpkg -i "$deb" >"$work/dpkg-i.log" 2>&1 || { cat "$work/dpkg-i.log" >&2; fail "dpkg -i failed"; }
step "installed $(dpkg-query -W -f='${Package} ${Version}' trailset)"

[ "$(command -v trailset-cli)" = /usr/bin/trailset-cli ] || fail "trailset-cli is not /usr/bin/trailset-cli on PATH"
[ "$(command -v trailset)" = /usr/bin/trailset ] || fail "trailset is not /usr/bin/trailset on PATH"
for program in trailset-cli trailset; do
  got=$(cd "$work" && "$program" --version)
  [ "$got" = "trailset $version" ] || fail "$program --version printed \"$got\""
done
step "trailset-cli --version and trailset --version: trailset $version"

run=(camera -m VORN-P2 --clock "2026-03-14 15:09:26" --timezone +8 --set CapMode=Video --set PirInterval=30s)
(cd "$work" && trailset-cli "${run[@]}" -o "$work/out" >"$work/camera.out") || fail "trailset-cli camera failed"
"$build/apps/cli/trailset-cli" "${run[@]}" -o "$work/want" >/dev/null
cmp "$work/out/menu.dat" "$work/want/menu.dat" || fail "the installed trailset-cli wrote another menu.dat than the build's"
step "trailset-cli camera: menu.dat of $(stat -c %s "$work/out/menu.dat") bytes, as the build's trailset-cli writes it"

desktop-file-validate "/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "/usr/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
step "desktop entry and metainfo valid"
for size in 16 22 24 32 48 64 128 256; do
  png=/usr/share/icons/hicolor/${size}x${size}/apps/trailset.png
  [ "$(identify -format '%m %wx%h' "$png" 2>/dev/null)" = "PNG ${size}x${size}" ] || fail "$png is not a ${size}x${size} PNG"
done
step "icons 16 to 256 pixels"
for page in trailset trailset-cli; do
  [ -f "/usr/share/man/man1/$page.1.gz" ] || fail "no manual page $page(1)"
done
completion=$(bash -c 'source /usr/share/bash-completion/bash_completion
  source /usr/share/bash-completion/completions/trailset-cli
  COMP_WORDS=(trailset-cli camera --set CapM); COMP_CWORD=3; COMP_LINE="${COMP_WORDS[*]}"; COMP_POINT=${#COMP_LINE}
  _trailset_cli trailset-cli CapM --set 2>/dev/null; echo "${COMPREPLY[*]}"')
[ "$completion" = "CapMode=" ] || fail "the shell completion of 'trailset-cli camera --set CapM' gave \"$completion\""
step "manual pages; shell completion completes setting names"

# The installed program to its main window, on a screen of its own.
# shellcheck source=tests/packages/xvfb.sh
. "$(dirname "$0")/xvfb.sh"
start_xvfb 171 199 "$work/xvfb.log" || fail "no screen for the program"
gui=""
trap 'kill $gui 2>/dev/null || true; kill $XVFB_PID 2>/dev/null || true; remove || true' EXIT
(cd "$work" && LANG=C.UTF-8 LC_ALL=C.UTF-8 exec trailset >"$work/trailset.log" 2>&1) &
gui=$!
window=""
for _ in $(seq 1 200); do
  window=$(xdotool search --name '^Setup$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  kill -0 "$gui" 2>/dev/null || fail "trailset ended before showing its main window: $(cat "$work/trailset.log")"
  sleep 0.1
done
[ -n "$window" ] || fail "the main window \"Setup\" did not appear"
wm_class=$(xprop -id "$window" WM_CLASS)
[[ $wm_class == *'"trailset"'* ]] || fail "the main window's class is not the desktop entry's StartupWMClass: $wm_class"
sleep 0.5
import -window root "$work/shots/installed-main.png"
step "installed trailset shows its main window \"Setup\" (screenshot $work/shots/installed-main.png)"
kill "$gui"
wait "$gui" 2>/dev/null || true
gui=""

remove || { cat "$work/dpkg-r.log" >&2; fail "dpkg -r failed"; }
trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
status=$(dpkg-query -W -f='${db:Status-Abbrev}' trailset 2>/dev/null || true)
case $status in "" | un*) ;; *) fail "after dpkg -r the package is in state \"$status\"" ;; esac
left=()
while IFS= read -r path; do
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    # Folders the system shares stay; the package's own ones must go.
    case $path in /usr/share/doc/trailset) left+=("$path") ;; esac
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done <<<"$files"
[ ${#left[@]} -eq 0 ] || fail "left after dpkg -r: ${left[*]}"
step "removed: none of its $(grep -c . <<<"$files") paths is left"
