#!/usr/bin/env bash
# Checks that every tracked C++ file is as clang-format (with the repository's
# .clang-format) would write it. Prints each file that differs and exits non-zero when
# there is one; `clang-format -i <file>` mends it.
set -uo pipefail
cd "$(dirname "$0")/.."

format=${CLANG_FORMAT:-clang-format}
if ! out=$(git ls-files -z '*.cpp' '*.h' | xargs -0 "$format" --dry-run --Werror 2>&1); then
    printf '%s\n' "$out" | grep -oE '^[^: ]+\.(cpp|h):' | sort -u | sed 's/:$//; s/^/not formatted: /'
    exit 1
fi
