#!/usr/bin/env bash
# Start-up timing under Wine, not a test. In one run:
#  - Tallowick, Wine's own regedit.exe and the floor (tallowick_bare_window.exe: the same
#    imports, one plain window), each started RUNS times in turn (default 7) and timed from
#    CreateProcess until its main window is shown and answers messages; medians and the
#    ratios of Tallowick's median to the others';
#  - the first selection of a node of each page kind, and a later one, timed from the
#    selection until handled and painted (each page is made when a node first needs it);
#  - what making each page and its one-time set-up cost on their own.
# The machine's load goes beside the figures. Needs the Windows tree: bash scripts/test.sh
# (or scripts/run.sh) builds it.
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
    "$windows/tallowick_page_timing.exe" "$windows/tallowick_bare_window.exe"; do
    [ -f "$exe" ] || { echo "missing $exe: build the Windows tree first"; exit 1; }
done

# One node per page kind.
nodes=(
    1=ListPage:group
    11=MultiCheckPage
    12=PathEditPage
    39=ComboCheckPage
    80=ValueListPage
    82=CheckComboPage
    210=SixComboPage
    249=EditComboPage
    306=SixPathPage
    311=DriveHidePage
)

drive="$windows/tools/drive/tallowick_drive.exe"
program=$(windows_path "$windows/program/tallowick.exe")
floor=$(windows_path "$windows/tallowick_bare_window.exe")
echo "== $(date -u '+%F %T UTC'), load: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
echo "== start until shown and idle, $runs runs each, alternating"
run_headless wine "$drive" time "$runs" "$program" "#32770" 'C:\windows\regedit.exe' \
    RegEdit_RegEdit "$floor" TallowickBareWindow
echo
echo "== first and later selection of each page kind, $runs starts; load: $(cut -d' ' -f1-3 /proc/loadavg)"
run_headless wine "$drive" select "$runs" "$program" "${nodes[@]}"
echo
echo "== making each page and its one-time set-up, in a process of their own"
run_headless wine "$windows/tallowick_page_timing.exe" "$runs"
echo "== load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
