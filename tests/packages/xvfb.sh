# Sourced by the package checks: start_xvfb FIRST LAST LOG starts Xvfb on
# the first free display number from FIRST to LAST, waits until it takes
# connections, and sets DISPLAY and XVFB_PID.
start_xvfb() {
  local n
  DISPLAY=""
  for n in $(seq "$1" "$2"); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then DISPLAY=":$n"; break; fi
  done
  [ -n "$DISPLAY" ] || { echo "no free X display from :$1 to :$2" >&2; return 1; }
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$3" 2>&1 &
  XVFB_PID=$!
  export DISPLAY
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}
