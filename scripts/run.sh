#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine from its program folder.
# On a fresh Debian machine it first installs what it needs. With a display the program
# runs until you close it; without one it runs on a private Xvfb screen, a screenshot of
# the main window is saved as a PNG, and the program is closed again.
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
jobs=$(nproc 2>/dev/null || echo 2)

# shellcheck source=scripts/common.sh
source "$here/scripts/common.sh"

ensure_packages cmake make g++-mingw-w64-x86-64-posix googletest fp-utils wine wine64 \
    xvfb xauth || exit 1

echo "building the Windows program"
cmake -S "$here" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    >/dev/null || exit 1
cmake --build "$build/windows" -j"$jobs" --target tallowick tallowick_help tallowick_drive \
    >"$build/run-build.log" 2>&1 || { tail -n 30 "$build/run-build.log"; exit 1; }

ensure_wine_prefix "$build/wine-prefix" || exit 1
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
program="$build/windows/program"

if [ -n "${DISPLAY:-}" ]; then
    echo "starting $program/tallowick.exe"
    cd "$program" && exec wine tallowick.exe
fi

shot="$build/screenshots/main-window.png"
mkdir -p "$(dirname "$shot")"
echo "no display: starting $program/tallowick.exe on a private Xvfb screen"
touch "$shot"
run_headless wine "$build/windows/tools/drive/tallowick_drive.exe" shot \
    "$(windows_path "$program/tallowick.exe")" "$(windows_path "$shot")" || exit 1
echo "screenshot of the main window: $shot"
