# The Windows program: cross-built with MinGW-w64 (preset mingw), checked
# to need no DLL beyond those of Windows, then played end to end under Wine
# and Xvfb in Chinese and English, on a 96-dpi and a 144-dpi display
# (tests/win32/run_e2e.sh).
set -euo pipefail
cd "$TRAILSET_ROOT"
cmake --preset mingw -G Ninja >/dev/null
cmake --build --preset mingw -j "$TRAILSET_JOBS" --target trailset trailset_e2e startup_baseline startup_probe

exe=build/mingw/apps/trailset/trailset.exe
echo "trailset.exe: $(stat -c %s "$exe") bytes"
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -f)
echo "imports:" $dlls
# Only DLLs that every Windows installation has.
allowed='^(kernel32|user32|gdi32|comctl32|shell32|ole32|advapi32|msvcrt|comdlg32|shlwapi|oleaut32)\.dll$'
for dll in $dlls; do
  if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
    echo "trailset.exe needs $dll, which Windows does not bring" >&2
    exit 1
  fi
done

timeout 2400 bash tests/win32/run_e2e.sh build/mingw
