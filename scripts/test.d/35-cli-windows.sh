# trailset-cli.exe: cross-built with MinGW-w64 (preset mingw), checked to
# need no DLL beyond those of Windows, then run under Wine on the same
# command lines as the native trailset-cli: the files must be the same
# bytes, the exit statuses and the check messages the same.
set -euo pipefail
cd "$TRAILSET_ROOT"
mingw=${TRAILSET_CLI_MINGW_BUILD:-build/mingw}
native=${TRAILSET_CLI_NATIVE_BUILD:-build/native}
if [ "$mingw" = build/mingw ]; then cmake --preset mingw -G Ninja >/dev/null; fi
if [ "$native" = build/native ]; then cmake --preset native -G Ninja >/dev/null; fi
cmake --build "$mingw" -j "$TRAILSET_JOBS" --target trailset-cli
cmake --build "$native" -j "$TRAILSET_JOBS" --target trailset-cli

exe=$mingw/apps/cli/trailset-cli.exe
cli=$native/apps/cli/trailset-cli
echo "trailset-cli.exe: $(stat -c %s "$exe") bytes"
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -f)
echo "imports:" $dlls
allowed='^(kernel32|user32|gdi32|comctl32|shell32|ole32|advapi32|msvcrt|comdlg32|shlwapi|oleaut32)\.dll$'
for dll in $dlls; do
  if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
    echo "trailset-cli.exe needs $dll, which Windows does not bring" >&2
    exit 1
  fi
done

export WINEPREFIX="$PWD/$mingw/cli-wine" WINEDEBUG=-all
[ -d "$WINEPREFIX" ] || timeout 300 wineboot -i >/dev/null 2>&1 || true

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
clock="2026-03-14 15:09:26"
n=0
failures=0

# Runs one command line with both programs; FILE is what it writes.
same() {
  local file=$1 want=$2
  shift 2
  n=$((n + 1))
  mkdir -p "$work/$n/native" "$work/$n/windows"
  local a b
  set +e
  "$cli" "$@" -o "$work/$n/native" >"$work/$n/native.out" 2>"$work/$n/native.err"
  a=$?
  timeout 120 wine "$exe" "$@" -o "$work/$n/windows" >"$work/$n/windows.out" 2>"$work/$n/windows.err"
  b=$?
  set -e
  if [ "$a" != "$want" ] || [ "$b" != "$want" ]; then
    echo "case $n ($*): exit $a native, $b Windows, $want wanted" >&2
    cat "$work/$n/native.err" "$work/$n/windows.err" >&2
    failures=$((failures + 1))
  elif [ "$want" = 0 ] && ! cmp -s "$work/$n/native/$file" "$work/$n/windows/$file"; then
    echo "case $n ($*): $file differs between the native and the Windows program" >&2
    failures=$((failures + 1))
  elif ! diff -q <(tr -d '\r' <"$work/$n/native.err") <(tr -d '\r' <"$work/$n/windows.err") >/dev/null; then
    echo "case $n ($*): the messages differ" >&2
    diff <(tr -d '\r' <"$work/$n/native.err") <(tr -d '\r' <"$work/$n/windows.err") >&2 || true
    failures=$((failures + 1))
  else
    echo "case $n: $1 $3 ... exit $a, same on Windows"
  fi
}

same menu.dat 0 camera -m 513 --clock "$clock" --timezone +8 --set CapMode=Video --set PirInterval=30s
same menu.dat 0 camera -m VORN-P2 --clock "$clock" --timezone -5 --set Reserved0="Open terrain" --set LatitudeDeg=45
same menu.dat 0 camera -m 524 --clock "$clock" --timezone +8 --set SerialOn=On --set SerialText=CAM0042
same menu.dat 0 camera -m 523 --clock "$clock" --timezone +1 --defaults
same menu.dat 1 camera -m 515 --clock "$clock" --set ImgSize="16 MP"
same CFG.BIN 0 wireless -m 520 --clock "$clock" --set bySendBy=Email --set country=France --set operator=Orange \
  --set sSmtpSet.szServer=smtp.example.com --set sSmtpSet.iPort=465 --set szAddr=cam@example.com \
  --set sSmtpSet.szPassword=secret --set email1=me@example.org
same CFG.BIN 0 wireless -m 518 --clock "$clock" --set bySendBy="Camera Cloud System" --set szAppKey=me@example.org \
  --set szSimCardNum=13800138000 --set sGpsMail.szGpsServer=smtp.example.com --set sGpsMail.iPort=587 \
  --set sGpsMail.szGpsSmtpAccount=gps@example.com --set sGpsMail.szGpsSmtpPassword=pw --set sGpsMail.szGpsAddr=me@example.net
same CFG.BIN 0 wireless -m 520 --clock "$clock" --set bySendBy=FTP --set sFtpSet.szServer=ftp.example.com \
  --set sFtpSet.szUserName=u --set sFtpSet.szPassword=p --set byRemoteInterval="03 Hours" \
  --set szRemotePhoneNum=13800138000 --set szRemoteEmail=me@example.org --set sSmtpSet.szServer=smtp.example.com \
  --set sSmtpSet.iPort=25 --set szAddr=cam@example.com --set sSmtpSet.szPassword=pw
same CFG.BIN 1 wireless -m 514 --clock "$clock" --lang zh --set bySendBy=Email
same CFG.BIN 1 wireless -m 516 --clock "$clock" --set bySendBy=FTP --set sFtpSet.szServer=ftp.example.com

# inspect reads what the Windows program wrote, the same way.
set +e
"$cli" inspect "$work/6/windows/CFG.BIN" -m 520 --json >"$work/inspect.native"
a=$?
timeout 120 wine "$exe" inspect "$work/6/windows/CFG.BIN" -m 520 --json >"$work/inspect.windows"
b=$?
set -e
if [ "$a" != 0 ] || [ "$b" != 0 ] || ! diff -q <(grep -v '"file"' "$work/inspect.native") \
    <(tr -d '\r' <"$work/inspect.windows" | grep -v '"file"') >/dev/null; then
  echo "inspect differs between the native and the Windows program (exit $a, $b)" >&2
  failures=$((failures + 1))
fi

# A card's profile: the same text from either program, and applied by
# either, the same files.
mkdir -p "$work/card"
"$cli" camera -m 520 --clock "$clock" --timezone +8 --set CapMode=Video --set Timer1On=On -o "$work/card" >/dev/null
cp "$work/6/native/CFG.BIN" "$work/card/"
"$cli" export -m 520 --from "$work/card" --show-passwords -o "$work/profile.native"
timeout 120 wine "$exe" export -m 520 --from "$work/card" --show-passwords -o "$work/profile.windows"
if ! diff -q "$work/profile.native" <(tr -d '\r' <"$work/profile.windows") >/dev/null; then
  echo "export differs between the native and the Windows program" >&2
  failures=$((failures + 1))
fi
same menu.dat 0 apply "$work/profile.native" --clock "$clock" --timezone +8
same CFG.BIN 0 apply "$work/profile.native" --clock "$clock" --timezone +8
for file in menu.dat CFG.BIN; do
  cmp -s "$work/card/$file" "$work/$n/windows/$file" ||
    { echo "apply on Windows did not give the card's $file again" >&2; failures=$((failures + 1)); }
done

[ "$failures" = 0 ] || { echo "$failures trailset-cli.exe case(s) failed" >&2; exit 1; }
echo "trailset-cli.exe: $n command lines and inspect as the native program"
