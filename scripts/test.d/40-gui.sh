# The portable GUI under Xvfb: the FLTK host's own tests, then a user's
# session of trailset in each language, with a screenshot of every window
# kept in build/native/screenshots-gui. Uses a display number of its own.
set -euo pipefail
cd "$TRAILSET_ROOT"
build="$TRAILSET_ROOT/build/native"
cmake --preset native -G Ninja >/dev/null
cmake --build --preset native -j "$TRAILSET_JOBS" --target trailset test_gui_host trailset-gui-session

# Without a display the program says so in one line and fails.
if out=$(env -u DISPLAY "$build/apps/trailset/trailset" 2>&1); then
  echo "trailset started without a display"; exit 1
fi
if [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || ! grep -q "no display" <<<"$out"; then
  echo "unexpected message without a display: $out"; exit 1
fi
echo "without a display: $out"

disp=""
for n in $(seq 141 199); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then disp=$n; break; fi
done
[ -n "$disp" ] || { echo "no free display number"; exit 1; }
Xvfb ":$disp" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=":$disp"
for _ in $(seq 1 300); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY"; exit 1; }

# The user's locales, made privately (the machine may have none but C):
# the program keeps the one it runs in for its input method.
export LOCPATH="$build/locales"
mkdir -p "$LOCPATH"
for loc in zh_CN en_US; do
  [ -d "$LOCPATH/$loc.UTF-8" ] || localedef -i "$loc" -f UTF-8 "$LOCPATH/$loc.UTF-8"
done

# The host tests under a Chinese user's locale and input method choice.
LC_ALL= LANG=zh_CN.UTF-8 XMODIFIERS=@im=none timeout 120 "$build/tests/gui/test_gui_host"

shots="$build/screenshots-gui"
rm -rf "$shots"
mkdir -p "$shots"
for lang in en_US zh_CN; do
  work="$build/gui-session/$lang"
  rm -rf "$work"
  mkdir -p "$work"
  echo "--- session in $lang"
  (cd "$work" && LC_ALL= LC_MESSAGES= LANG="$lang.UTF-8" timeout 180 "$build/tests/gui/trailset-gui-session" "$shots") \
    >"$build/gui-session/$lang.log" 2>&1 || { cat "$build/gui-session/$lang.log"; exit 1; }
  grep -E "GUI_SESSION|GUI_STARTUP_MS|GUI_PEAK_RSS_KB" "$build/gui-session/$lang.log"
done
echo "screenshots: $shots ($(ls "$shots" | wc -l) files)"
