#!/usr/bin/env bash
# Checks that every include of the program's own headers points down the layers:
#   platform (seams, layout table) < model < engine < tweaks < shell < app
# platform/memory and platform/win32 sit on platform and not on each other; a category
# under tweaks/ includes no other category; only platform/win32 and app see Windows
# headers. Prints each offending include and exits non-zero when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

# Sets `rank` and `name` to the layer of a path inside the repository; rank is empty for
# folders outside the layers (tests, tools, benchmarks).
layer_of() {
    rank='' name=''
    case $1 in
        platform/memory/*) rank=1 name=platform/memory ;;
        platform/win32/*) rank=1 name=platform/win32 ;;
        platform/*) rank=0 name=platform ;;
        model/*) rank=2 name=model ;;
        engine/*) rank=3 name=engine ;;
        tweaks/categories.*) rank=4 name=tweaks ;;
        tweaks/*/*)
            rank=4 name=${1#tweaks/}
            name=tweaks/${name%%/*} ;;
        shell/*) rank=5 name=shell ;;
        app/*) rank=6 name=app ;;
    esac
}

windows_header='^(windows|winreg|shlwapi|shlobj|commctrl|commdlg|htmlhelp|ole2|olectl)\.h$'
include='^([^:]+):[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"]'
bad=0
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.h' '*.cpp' '*.rc')
while IFS= read -r line; do
    [[ $line =~ $include ]] || continue
    file=${BASH_REMATCH[1]} header=${BASH_REMATCH[2]}
    layer_of "$file"
    from_rank=$rank from=$name
    [ -n "$from_rank" ] || continue
    if [[ ${header,,} =~ $windows_header ]]; then
        if [ "$from" != platform/win32 ] && [ "$from" != app ]; then
            echo "$file: <$header>: a Windows header outside platform/win32 and app"
            bad=1
        fi
        continue
    fi
    [ -f "$header" ] || continue  # a system or standard header
    layer_of "$header"
    [ -n "$rank" ] || continue
    if [ "$rank" -gt "$from_rank" ] ||
        { [ "$rank" -eq "$from_rank" ] && [ "$name" != "$from" ] && [ "$from" != tweaks ]; }; then
        echo "$file: \"$header\": $from may not include $name"
        bad=1
    fi
done < <(grep -HnE '^[[:space:]]*#[[:space:]]*include' "${files[@]}")
exit $bad
