#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang's libFuzzer and the address and
# undefined-behaviour sanitizers, and runs each for the given seconds (default 60); names
# after the seconds run only those targets. On a fresh Debian machine it first installs
# what it needs.
#
# Each target starts from its corpus (build/fuzz/corpus/<target>, kept between runs),
# seeded with the project's sample files and the inputs under tests/fuzz. A crashing input
# is written to build/fuzz/crashes/<target>/; a fixed one belongs in tests/fuzz/crashes,
# where the native tests replay it. Each run's executions are added to build/fuzz/runs.tsv.
# Prints one line per target (this run's executions and the total of all runs kept) and
# exits non-zero when any target crashed or did not run. An input still running after
# FUZZ_TIMEOUT seconds (default 10) counts as a hang; a machine busy with other work needs
# more, or its slow turns are reported as hangs.
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build/fuzz"
jobs=$(nproc 2>/dev/null || echo 2)
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))
all=(reg_text skin splash profile_string language date_file boot_ini journal)
targets=("${@:-${all[@]}}")

# shellcheck source=scripts/common.sh
source "$here/scripts/common.sh"

ensure_packages cmake make clang libclang-rt-dev || exit 1

# The folders and files a target's corpus starts from.
seeds_of() {
    local inputs="$here/tests/fuzz"
    echo "$inputs/seeds/$1" "$inputs/crashes/$1"
    case $1 in
    skin) echo "$here/skin/skin.skn" ;;
    splash) echo "$here/skin/Splash.spl" ;;
    profile_string) echo "$inputs/seeds/language" ;;
    esac
}

# Warnings are the other builds' business: a clang-only one must not stop the fuzzing.
cmake -S "$here" -B "$build/tree" -DTALLOWICK_FUZZ=ON -DTALLOWICK_WERROR=OFF \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
cmake --build "$build/tree" -j"$jobs" --target "${targets[@]/#/fuzz_}" >"$build/build.log" 2>&1 ||
    { tail -n 40 "$build/build.log"; exit 1; }

failed=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target" crashes="$build/crashes/$target"
    mkdir -p "$corpus" "$crashes"
    for seed in $(seeds_of "$target"); do
        [ -e "$seed" ] && find "$seed" -maxdepth 1 -type f -exec cp -n {} "$corpus/" \;
    done
    log="$build/$target.log"
    before=$(find "$crashes" -type f | wc -l)
    "$build/tree/fuzz_$target" "$corpus" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-10}" \
        -print_final_stats=1 -artifact_prefix="$crashes/" >"$log" 2>&1
    rc=$?
    found=$(($(find "$crashes" -type f | wc -l) - before))
    runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log")
    added=$(sed -nE 's/^stat::new_units_added: *([0-9]+)/\1/p' "$log")
    cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -n 1)
    # Every run's executions are kept, so the total a target has run is known.
    [ -n "$runs" ] && printf '%s\t%s\t%s\n' "$(date -u +%FT%TZ)" "$target" "$runs" >>"$build/runs.tsv"
    total=$(awk -v t="$target" '$2 == t { n += $3 } END { print n + 0 }' "$build/runs.tsv" 2>/dev/null)
    printf '%-15s %s executions (%s in all), %s new inputs, %s, %s crashes\n' "$target" \
        "${runs:-?}" "${total:-0}" "${added:-?}" "${cov:-cov: ?}" "$found"
    if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ] || [ -z "$runs" ]; then
        failed=1
        grep -E '^(==[0-9]+==ERROR|SUMMARY|terminate|  what\(\))|runtime error' "$log" | head -n 5
        echo "  see $log"
    fi
done
exit "$failed"
