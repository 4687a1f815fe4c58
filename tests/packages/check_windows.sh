#!/usr/bin/env bash
# The Windows packages as a user meets them, under Wine and Xvfb, in a Wine
# prefix of their own (a new Windows user):
#   the installer, run silently (/S), installs for this user and adds the
#   Start menu entry and the uninstaller's entry; the installed program
#   starts from that entry to its main window and ends when it is closed;
#   "trailset.exe --version" prints the version where it was started; the
#   uninstaller, run silently, leaves neither the folder nor the entries;
#   the zip unpacks into the programs, the guide and the licence, and the
#   unpacked trailset-cli.exe runs.
#
#   tests/packages/check_windows.sh PACKAGES_DIR VERSION MINGW_BUILD_DIR
set -euo pipefail
packages=$(cd "$1" && pwd)
version=$2
build=$(cd "$3" && pwd)
check="$build/apps/trailset/trailset_install_check.exe"
setup="$packages/trailset-$version-win64-setup.exe"
zip="$packages/trailset-$version-win64.zip"
for f in "$check" "$setup" "$zip"; do [ -f "$f" ] || { echo "windows packages: $f is missing" >&2; exit 1; }; done

work="$build/packages-check"
rm -rf "$work"
mkdir -p "$work/shots"
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all
# No Gecko or Mono prompts, and no menu entries written into this
# machine's desktop from the Start menu of the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export TRAILSET_E2E_SHOTS="$work/shots" TRAILSET_E2E_LOG="$work/check.log"

# shellcheck source=tests/packages/xvfb.sh
. "$(dirname "$0")/xvfb.sh"
start_xvfb 121 140 "$work/xvfb.log"
cleanup() {
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

fail() { echo "windows packages: $*" >&2; [ -f "$work/check.log" ] && cat "$work/check.log" >&2; exit 1; }
step() { echo "windows packages: $*"; }

timeout 300 wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot failed"
timeout 60 wineserver -w

# The folders of this Windows user, as Linux paths.
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
installed=$(unix_path "$(wine cmd /c 'echo %LOCALAPPDATA%\Programs\trailset' 2>/dev/null | tr -d '\r')")
menu=$(unix_path "$(wine cmd /c 'echo %APPDATA%\Microsoft\Windows\Start Menu\Programs\trailset.lnk' 2>/dev/null | tr -d '\r')")
[ -n "$installed" ] && [ -n "$menu" ] || fail "the user's folders of the prefix are not known"

step "installer /S"
timeout 120 wine "$setup" /S || fail "the silent installer failed (exit $?)"
timeout 60 wineserver -w
[ -f "$installed/trailset.exe" ] || fail "nothing installed in $installed"
[ -f "$menu" ] || fail "no Start menu entry $menu"
step "installed into $installed, Start menu entry $menu"

step "installed program from its Start menu entry"
timeout 120 wine "$check" installed >"$work/installed.out" 2>&1 || fail "the installed program failed its checks"
grep -q "RESULT: PASS" "$work/check.log" || fail "the checks did not finish"
grep "main window" "$work/check.log" | tr -d '\r' | sed 's/^/  /'

got=$(timeout 60 wine "$installed/trailset.exe" --version | tr -d '\r')
[ "$got" = "trailset $version" ] || fail "installed trailset.exe --version printed \"$got\""
step "trailset.exe --version in a terminal: $got"
timeout 60 wine "$check" console "$(winepath -w "$installed/trailset.exe" | tr -d '\r')" >"$work/console.out" 2>&1 || fail "trailset.exe --version did not print into its starter's console"
step "trailset.exe --version in a console window: printed there"

step "uninstaller /S"
timeout 120 wine "$installed/uninstall.exe" /S || fail "the silent uninstaller failed"
# The uninstaller runs on from a copy of itself; it is done when every
# program of the prefix has ended.
timeout 120 wineserver -w
[ ! -e "$installed" ] || fail "$installed is still there after uninstalling: $(ls -A "$installed")"
[ ! -e "$menu" ] || fail "the Start menu entry is still there after uninstalling"
if timeout 60 wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\trailset' >/dev/null 2>&1; then
  fail "the uninstaller's entry is still there after uninstalling"
fi
step "uninstalled: no folder, no Start menu entry, no uninstaller's entry"

step "zip"
mkdir -p "$work/zip"
(cd "$work/zip" && unzip -q "$zip")
folder="$work/zip/trailset-$version-win64"
listing=$(cd "$folder" && ls | tr '\n' ' ')
[ "$listing" = "LICENSE.txt README.txt trailset-cli.exe trailset.exe " ] || fail "the zip holds: $listing"
cmp -s "$folder/trailset.exe" "$build/apps/trailset/trailset.exe" || fail "the zip's trailset.exe is not the build's"
got=$(cd "$work" && timeout 60 wine "$folder/trailset-cli.exe" --version | tr -d '\r')
[ "$got" = "trailset $version" ] || fail "the zip's trailset-cli.exe --version printed \"$got\""
step "zip: $listing; trailset-cli.exe --version: $got"
echo "windows packages: screenshots in $work/shots: $(ls "$work/shots" | tr '\n' ' ')"
