#!/usr/bin/env bash
# Checks that every tracked C++ file is as clang-format (with the repository's
# .clang-format) would write it. Prints each file that differs and exits non-zero when
# there is one; `clang-format -i <file>` mends it.
set -uo pipefail
cd "$(dirname "$0")/.."

format=${CLANG_FORMAT:-clang-format}
status=0
while IFS= read -r file; do
    if ! "$format" --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file"
        status=1
    fi
done < <(git ls-files '*.cpp' '*.h')
exit $status
