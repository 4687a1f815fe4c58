#!/usr/bin/env bash
# Runs the end-to-end sessions of trailset_e2e.exe under Wine and Xvfb, in
# Chinese and in English, and measures the start-up time of the program.
#
#   tests/win32/run_e2e.sh BUILD_DIR
#
# Leaves the screenshots in BUILD_DIR/screenshots and the logs and files of
# each run in BUILD_DIR/e2e. Fails on any failed check or on a time-out.
set -euo pipefail
build=$(cd "$1" && pwd)
exe="$build/apps/trailset/trailset_e2e.exe"
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$exe" ] || { echo "e2e: $exe is missing" >&2; exit 1; }

out="$build/e2e"
shots="$build/screenshots"
rm -rf "$out" "$shots"
mkdir -p "$out" "$shots"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Private locales, so that the system language can be chosen per run
# without touching the machine's locale setup.
export LOCPATH="$build/locales"
mkdir -p "$LOCPATH"
for loc in zh_CN en_US; do
  [ -d "$LOCPATH/$loc.UTF-8" ] || localedef -i "$loc" -f UTF-8 "$LOCPATH/$loc.UTF-8"
done

# A screen of our own.
display=""
for n in $(seq 91 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "e2e: no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
cleanup() {
  for p in "$build"/wineprefix-*; do
    [ -d "$p" ] && WINEPREFIX="$p" timeout 20 wineserver -k >/dev/null 2>&1 || true
  done
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  for card in "$out"/*-readonly-card; do
    mountpoint -q "$card" 2>/dev/null && umount "$card"
  done
  return 0
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done

# One Wine prefix per system language, made once per build folder (Wine
# rewrites its font settings for the code page of the locale it runs in,
# so the languages do not share one): the WenQuanYi font linked to the
# dialog fonts, and a desktop drawn by Wine. Remade when the registry
# settings change.
stamp=$(sha1sum "$here/wine_prefix.reg" | cut -c1-40)
prefix_for() {
  local lang=$1 prefix="$build/wineprefix-$1"
  if [ "$(cat "$prefix/.trailset-ready" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$prefix"
    WINEPREFIX="$prefix" LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" timeout 300 wineboot -i >>"$out/wineboot.log" 2>&1
    WINEPREFIX="$prefix" LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" timeout 60 wine regedit "$here/wine_prefix.reg" \
      >>"$out/wineboot.log" 2>&1
    WINEPREFIX="$prefix" timeout 60 wineserver -w
    echo "$stamp" >"$prefix/.trailset-ready"
  fi
  echo "$prefix"
}

failed=0

# One session per system language: first start, model and language choice,
# Camera Setup with Default and Generate, and the wireless pages where they
# exist in this build.
for lang in en_US zh_CN; do
  run="$out/$lang"
  mkdir -p "$run"
  log="$run/driver.log"
  echo "e2e: session in $lang"
  export WINEPREFIX
  WINEPREFIX=$(prefix_for "$lang")
  set +e
  (cd "$run" && LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" TRAILSET_E2E_SESSION=full \
    TRAILSET_E2E_LOG="$log" TRAILSET_E2E_SHOTS="$shots" \
    timeout 240 wine "$exe" >"$run/stdout.log" 2>"$run/stderr.log")
  rc=$?
  set -e
  timeout 20 wineserver -w || true
  if [ $rc -ne 0 ] || ! grep -q "RESULT: PASS" "$log" 2>/dev/null; then
    echo "e2e: session $lang FAILED (exit $rc)"
    [ -f "$log" ] && grep -E "FAIL" "$log" | head -50
    [ $rc -eq 124 ] && echo "e2e: session $lang timed out"
    failed=1
  else
    echo "e2e: session $lang passed ($(grep -c "screenshot" "$log") screenshots)"
  fi
done

# A write-protected card in each language: the program starts in a
# read-only file system, its save folder, where this machine lets one be
# mounted.
for lang in en_US zh_CN; do
  card="$out/$lang-readonly-card"
  mkdir -p "$card"
  if ! mount -t tmpfs -o ro,size=64k tmpfs "$card" 2>/dev/null; then
    echo "e2e: write-protected card in $lang skipped: no read-only mount here"
    continue
  fi
  WINEPREFIX=$(prefix_for "$lang")
  set +e
  (cd "$card" && LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" TRAILSET_E2E_SESSION=readonly \
    TRAILSET_E2E_LOG="$out/$lang-readonly.log" TRAILSET_E2E_SHOTS="$shots" \
    timeout 120 wine "$exe" >/dev/null 2>&1)
  rc=$?
  set -e
  timeout 20 wineserver -w || true
  umount "$card"
  if [ $rc -ne 0 ] || ! grep -q "RESULT: PASS" "$out/$lang-readonly.log" 2>/dev/null; then
    echo "e2e: write-protected card in $lang FAILED (exit $rc)"
    grep -E "FAIL" "$out/$lang-readonly.log" 2>/dev/null | head -20
    failed=1
  else
    echo "e2e: write-protected card in $lang passed"
  fi
done

# Start-up time: from starting the program to its main window being shown,
# five times with Wine's server already running (warm) and five times
# with it stopped first (cold, as the first start after logging in).
WINEPREFIX=$(prefix_for en_US)
measure() {
  local kind=$1 times=() i run start rc shown sorted median
  for i in 1 2 3 4 5; do
    run="$out/startup-$kind-$i"
    mkdir -p "$run"
    if [ "$kind" = cold ]; then timeout 20 wineserver -k >/dev/null 2>&1 || true; timeout 20 wineserver -w || true; fi
    start=$(date +%s%3N)
    set +e
    (cd "$run" && LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 TRAILSET_E2E_SESSION=startup \
      TRAILSET_E2E_LOG="$run/driver.log" timeout 60 wine "$exe" >/dev/null 2>&1)
    rc=$?
    set -e
    shown=$(sed -n 's/^MAIN_SHOWN_UNIX_MS=//p' "$run/driver.log" 2>/dev/null | tr -d '\r' | head -1)
    if [ $rc -ne 0 ] || [ -z "$shown" ]; then
      echo "e2e: start-up run $kind $i FAILED (exit $rc)"
      failed=1
      continue
    fi
    times+=($((shown - start)))
  done
  [ ${#times[@]} -gt 0 ] || return 0
  sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (${#times[@]} + 1) / 2 ))p")
  echo "e2e: start to main window ($kind): median ${median} ms (runs: ${sorted% })" | tee -a "$out/startup.txt"
}
timeout 20 wineserver -w || true
wineserver -p
measure warm
measure cold

exit $failed
