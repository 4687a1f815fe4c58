# Shared by the scripts that run the Windows programs under Wine (sourced):
# private locales, a screen of their own and one Wine prefix per system
# language and display DPI, all under the build folder.
#
#   . tests/win32/wine_env.sh
#   wine_env_init BUILD_DIR LOG_DIR   # locales, Xvfb, DISPLAY; cleans up on exit
#   prefix=$(prefix_for en_US [DPI])

wine_env_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

wine_env_init() {
  wine_env_build=$1
  wine_env_log=$2
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Private locales, so that the system language can be chosen per run
  # without touching the machine's locale setup.
  export LOCPATH="$wine_env_build/locales"
  mkdir -p "$LOCPATH"
  local loc
  for loc in zh_CN en_US; do
    [ -d "$LOCPATH/$loc.UTF-8" ] || localedef -i "$loc" -f UTF-8 "$LOCPATH/$loc.UTF-8"
  done

  local n display=""
  for n in $(seq 91 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "wine: no free X display" >&2; return 1; }
  Xvfb "$display" -screen 0 1536x1152x24 -nolisten tcp >"$wine_env_log/xvfb.log" 2>&1 &
  wine_env_xvfb=$!
  trap wine_env_cleanup EXIT
  export DISPLAY="$display"
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
  done
}

wine_env_cleanup() {
  local p
  for p in "$wine_env_build"/wineprefix-*; do
    [ -d "$p" ] && WINEPREFIX="$p" timeout 20 wineserver -k >/dev/null 2>&1 || true
  done
  kill "$wine_env_xvfb" 2>/dev/null || true
  wait "$wine_env_xvfb" 2>/dev/null || true
}

# The prefix of a system language (and a display DPI, 96 unless given),
# made once per build folder (Wine rewrites its font settings for the code
# page of the locale it runs in, so the languages do not share one): the
# WenQuanYi font linked to the dialog fonts, and a desktop drawn by Wine.
# Another DPI starts from a copy of the language's 96-dpi prefix. Remade
# when the registry settings change.
prefix_for() {
  local lang=$1 dpi=${2:-96}
  local stamp prefix dpi_reg=""
  if [ "$dpi" != 96 ]; then
    # The same screen at the higher DPI has as many more pixels.
    dpi_reg=$(printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"LogPixels"=dword:%08x\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="%dx%d"\n' \
      "$dpi" $((1024 * dpi / 96)) $((768 * dpi / 96)))
  fi
  stamp="$(cat "$wine_env_here/wine_prefix.reg" - <<<"$dpi_reg" | sha1sum | cut -c1-40)"
  if [ "$dpi" = 96 ]; then prefix="$wine_env_build/wineprefix-$lang"; else prefix="$wine_env_build/wineprefix-$lang-${dpi}dpi"; fi
  if [ "$(cat "$prefix/.trailset-ready" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$prefix"
    if [ "$dpi" = 96 ]; then
      WINEPREFIX="$prefix" LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" timeout 300 wineboot -i >>"$wine_env_log/wineboot.log" 2>&1
      WINEPREFIX="$prefix" LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" timeout 60 wine regedit "$wine_env_here/wine_prefix.reg" \
        >>"$wine_env_log/wineboot.log" 2>&1
    else
      local base
      base=$(prefix_for "$lang")
      WINEPREFIX="$base" timeout 60 wineserver -w
      cp -a "$base" "$prefix"
      rm -f "$prefix/.trailset-ready"
      echo "$dpi_reg" >"$prefix/dpi.reg"
      WINEPREFIX="$prefix" LANG="$lang.UTF-8" LC_ALL="$lang.UTF-8" timeout 60 wine regedit "$prefix/dpi.reg" \
        >>"$wine_env_log/wineboot.log" 2>&1
    fi
    WINEPREFIX="$prefix" timeout 60 wineserver -w
    echo "$stamp" >"$prefix/.trailset-ready"
  fi
  echo "$prefix"
}
