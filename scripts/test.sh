#!/usr/bin/env bash
# Builds both trees and runs every test: natively, each fuzz target for 10 seconds, then
# the Windows tests under Wine.
# On a fresh Debian machine it first installs what it needs.
# Ends with one line "N passed, N failed" and exits non-zero on any failure.
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
jobs=$(nproc 2>/dev/null || echo 2)

# shellcheck source=scripts/common.sh
source "$here/scripts/common.sh"

ensure_packages cmake make g++ libgtest-dev googletest libbenchmark-dev clang-format python3 \
    g++-mingw-w64-x86-64-posix fp-utils wine wine64 xvfb xauth \
    wixl msitools zip unzip || exit 1

failed_build=0
phase() { printf '\n== %s\n' "$*"; }
# timed LABEL LOG COMMAND...: runs COMMAND with its output in LOG ("-" for none) and
# says how long it took.
timed() {
    local label=$1 log=$2; shift 2
    local start=$SECONDS rc
    if [ "$log" = - ]; then "$@"; else "$@" >"$log" 2>&1; fi
    rc=$?
    printf -- '-- %s: %ds\n' "$label" $((SECONDS - start))
    return $rc
}

phase "native build"
timed "native build" - bash -c "cmake -S '$here' -B '$build/native' -DTALLOWICK_WERROR=ON >/dev/null &&
    cmake --build '$build/native' -j$jobs" || failed_build=1

phase "Windows build"
timed "Windows build" - bash -c "cmake -S '$here' -B '$build/windows' -DTALLOWICK_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE='$here/cmake/mingw-w64-x86_64.cmake' >/dev/null &&
    cmake --build '$build/windows' -j$jobs" || failed_build=1

native_passed=0 native_failed=0
if [ -x "$build/native/tallowick_tests" ]; then
    phase "native tests"
    log="$build/native-tests.log"
    timed "native tests" "$log" ctest --test-dir "$build/native" -j"$jobs" --output-on-failure
    grep -E '^[0-9]+% tests passed|\*\*\*|Failed +[0-9.]+ sec|^ +[0-9]+ - ' "$log" | tail -n 40
    summary=$(grep -E '^[0-9]+% tests passed' "$log" | tail -n 1)
    if [[ $summary =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
        native_failed=${BASH_REMATCH[1]}
        native_passed=$((BASH_REMATCH[2] - native_failed))
    else
        native_failed=1
    fi
fi

# Every reader of files from disk, under the fuzzer for a short while; a crash fails the run.
phase "fuzz targets, 10 s each"
fuzz_failed=0
timed "fuzz targets" - bash "$here/scripts/fuzz.sh" 10 || fuzz_failed=1

wine_passed=0 wine_failed=0
# wine_tests LABEL EXE: runs a GoogleTest program under Wine, headless, in the private
# prefix, and adds its counts to the Wine totals.
wine_tests() {
    local label=$1 exe=$2 log passed failed
    log="$build/$label.log"
    if [ ! -f "$exe" ]; then
        echo "$exe was not built"
        wine_failed=$((wine_failed + 1))
        return
    fi
    timed "$label" "$log" run_headless env WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all \
        wine "$exe"
    grep -E '^\[  (FAILED|PASSED)|Failure|^\[==========\]' "$log" | tail -n 40
    passed=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' "$log" | tail -n 1)
    failed=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below:.*/\1/p' "$log" | tail -n 1)
    passed=${passed:-0}
    failed=${failed:-0}
    if [ "$passed" -eq 0 ] && [ "$failed" -eq 0 ]; then
        echo "$label reported nothing; see $log"
        failed=1
    fi
    wine_passed=$((wine_passed + passed))
    wine_failed=$((wine_failed + failed))
}

# package_tests: builds the packages and runs their install, upgrade and uninstall cycle
# and the portable zip under Wine, in a prefix of their own; adds to the Wine totals.
package_tests() {
    local log="$build/package-tests.log" summary
    timed "package tests" "$log" run_headless bash "$here/tests/package/package_test.sh" "$build"
    grep -E '^\[|failed:' "$log" | tail -n 40
    summary=$(grep -E '^package: [0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1)
    if [[ $summary =~ ([0-9]+)\ passed,\ ([0-9]+)\ failed ]]; then
        wine_passed=$((wine_passed + BASH_REMATCH[1]))
        wine_failed=$((wine_failed + BASH_REMATCH[2]))
    else
        echo "the package tests reported nothing; see $log"
        wine_failed=$((wine_failed + 1))
    fi
}

if [ -d "$build/windows" ]; then
    phase "Windows tests under Wine"
    ensure_wine_prefix "$build/wine-prefix" || exit 1
    wine_tests "wine-tests" "$build/windows/tallowick_win_tests.exe"
    wine_tests "driver-tests" "$build/windows/tools/drive/tallowick_drive_tests.exe"
    phase "the program, driven from outside under Wine"
    wine_tests "program-tests" "$build/windows/tallowick_app_tests.exe"
    echo "screenshots: $build/windows/screenshots"
    phase "the MSI and the portable zip, installed and run under Wine"
    package_tests
fi

printf '\nnative: %d passed, %d failed; Wine: %d passed, %d failed\n' \
    "$native_passed" "$native_failed" "$wine_passed" "$wine_failed"
[ "$failed_build" -eq 0 ] || echo "a build failed"
[ "$fuzz_failed" -eq 0 ] || echo "a fuzz target failed"
passed=$((native_passed + wine_passed))
failed=$((native_failed + wine_failed + failed_build + fuzz_failed))
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$native_passed" -gt 0 ] && [ "$wine_passed" -gt 0 ]
