#!/usr/bin/env bash
# Start-up timing under Wine, not a test: Tallowick against Wine's own regedit.exe in the
# same private prefix, each started RUNS times in turn (default 7) and timed from
# CreateProcess until its main window is shown and answers messages; then the pages'
# one-time initialisation (the 10001-number combo among it) timed on its own.
# Needs the Windows tree: bash scripts/test.sh (or scripts/run.sh) builds it.
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
runs=${1:-7}

# shellcheck source=scripts/common.sh
source "$here/scripts/common.sh"
ensure_wine_prefix "$build/wine-prefix" || exit 1
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all

windows="$build/windows"
for exe in "$windows/program/tallowick.exe" "$windows/tools/drive/tallowick_drive.exe" \
    "$windows/tallowick_page_timing.exe"; do
    [ -f "$exe" ] || { echo "missing $exe: build the Windows tree first"; exit 1; }
done

program=$(windows_path "$windows/program/tallowick.exe")
echo "== start until shown and idle, $runs runs each, alternating"
run_headless wine "$windows/tools/drive/tallowick_drive.exe" time "$runs" \
    "$program" "#32770" 'C:\windows\regedit.exe' RegEdit_RegEdit
echo
echo "== pages' one-time initialisation inside that start-up"
run_headless wine "$windows/tallowick_page_timing.exe" "$runs"
