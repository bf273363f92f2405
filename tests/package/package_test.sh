#!/usr/bin/env bash
# The MSI and the portable zip, as a Windows user gets them, under Wine in a prefix of
# their own (an installer must not disturb the prefix of the other tests): install,
# start the installed program, install again, upgrade, refuse a downgrade, uninstall;
# unpack the zip into a folder with spaces and start the program there.
#   package_test.sh BUILD_DIR
# BUILD_DIR is build/ with the Windows tree built. Needs a display (scripts/test.sh runs
# it through run_headless). Ends with the line "package: N passed, N failed".
set -uo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
work="$build/package-tests"
prefix="$build/wine-package-prefix"
drive="$build/windows/tools/drive/tallowick_drive.exe"
# shellcheck source=scripts/common.sh
source "$here/scripts/common.sh"

# A run that stopped half way may have left a product installed: start from a new prefix.
[ -f "$prefix/.package-test-running" ] && rm -rf "$prefix"
ensure_wine_prefix "$prefix" || exit 1
touch "$prefix/.package-test-running"
export WINEPREFIX="$prefix" WINEDEBUG=-all

rm -rf "$work"
start=$SECONDS
bash "$here/scripts/package.sh" --no-build --dist "$work" >/dev/null || exit 1
old_msi=$(echo "$work"/Tallowick-*.msi)
old=${old_msi##*/Tallowick-}
old=${old%.msi}
new="${old%.*}.$((${old##*.} + 1))"
bash "$here/scripts/package.sh" --no-build --dist "$work" --version "$new" >/dev/null || exit 1
new_msi="$work/Tallowick-$new.msi"
# The same version built again: another product code.
bash "$here/scripts/package.sh" --no-build --dist "$work/rebuilt" >/dev/null || exit 1
rebuilt_msi="$work/rebuilt/Tallowick-$old.msi"
echo "packages built ($((SECONDS - start)) s)"
# What each package holds, as package.sh staged it.
old_files="$build/package/$old/Tallowick"
new_files="$build/package/$new/Tallowick"

installed='C:\Program Files\Tallowick'
installed_dir="$prefix/drive_c/Program Files/Tallowick"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

passed=0 failed=0 case_failed=0 current=""
begin() { current=$1; case_failed=0; case_start=$SECONDS; }
# expect WHAT COMMAND...: one check of the current case.
expect() {
    "${@:2}" && return 0
    echo "    failed: $1"
    case_failed=1
}
end() {
    if [ "$case_failed" -eq 0 ]; then
        passed=$((passed + 1)); echo "[       OK ] $current ($((SECONDS - case_start)) s)"
    else
        failed=$((failed + 1)); echo "[  FAILED  ] $current ($((SECONDS - case_start)) s)"
    fi
}

# msiexec ARGS...: its exit code (Linux keeps only the low byte: 1603 shows as 67). Each
# call leaves its log in the work folder: msiexec-1.log, msiexec-2.log...
msiexec_calls=0
msiexec() {
    msiexec_calls=$((msiexec_calls + 1))
    wine msiexec "$@" /l*v "$(windows_path "$work")\msiexec-$msiexec_calls.log" >/dev/null 2>&1
}
# The Add or Remove Programs entries named Tallowick: `entries` gets their product
# codes, `entry["CODE Name"]` their values.
declare -A entry
read_entries() {
    local line key=""
    entries=()
    entry=()
    while IFS= read -r line; do
        line=${line%$'\r'}
        if [[ $line == HKEY_* ]]; then
            key=${line##*\\}
        elif [[ -n $key && $line =~ ^\ +([A-Za-z]+)\ +REG_[A-Z_]+\ *(.*)$ ]]; then
            entry["$key ${BASH_REMATCH[1]}"]=${BASH_REMATCH[2]}
            [[ ${BASH_REMATCH[1]} == DisplayName && ${BASH_REMATCH[2]} == Tallowick ]] &&
                entries+=("$key")
        fi
    done < <(wine reg query "$uninstall_key" /s 2>/dev/null)
}
one_entry_of() {
    [ ${#entries[@]} -eq 1 ] && [ "${entry["${entries[0]} DisplayVersion"]}" = "$1" ]
}
# The Linux path of a C: path in the prefix.
in_prefix() { local p=${1#C:\\}; printf '%s/drive_c/%s' "$prefix" "${p//\\//}"; }
# The installer's own key of a product: the GUID's hex digits, each group reversed
# ({12345678-9ABC-DEF0-1122-...} -> 87654321CBA90FED1122...), the last two groups by pairs.
product_key() {
    local hex=${1//[\{\}-]/} out="" i
    out=$(rev <<<"${hex:0:8}")$(rev <<<"${hex:8:4}")$(rev <<<"${hex:12:4}")
    for ((i = 16; i < 32; i += 2)); do out+=${hex:i+1:1}${hex:i:1}; done
    printf 'HKLM\\Software\\Classes\\Installer\\Products\\%s' "$out"
}
reg_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -nE "s/^ +$2 +REG_[A-Z_]+ +//p"
}
# The Start Menu shortcuts named Tallowick, all users' or the user's own (Wine's installer
# resolves ProgramMenuFolder to the user's even for a per-machine package).
shortcuts() {
    find "$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu" \
        "$prefix/drive_c/users" -name Tallowick.lnk 2>/dev/null
}
# A shortcut's target as the names of its path, joined by '\'.
points_to_installed_exe() {
    strings -a "$1" | tr '\n' '\\' | grep -qF 'Program Files\Tallowick\tallowick.exe\'
}
same_tree() { diff -r "$@" >/dev/null; }
exists() { [ -e "$1" ]; }
absent() { [ ! -e "$1" ]; }
# shows_window EXE PNG: starts the program, waits for its main window, saves it, closes it.
shows_window() { wine "$drive" shot "$1" "$(windows_path "$2")" >/dev/null 2>&1 && [ -s "$2" ]; }

begin "the MSI installs the program folder, a shortcut and an entry in Add or Remove Programs"
expect "msiexec /i /qn succeeds" msiexec /i "$(windows_path "$old_msi")" /qn
expect "Program Files\\Tallowick holds what the package holds" \
    same_tree "$old_files" "$installed_dir"
shortcut=$(shortcuts)
expect "one Start Menu shortcut" [ "$(grep -c . <<<"$shortcut")" -eq 1 ]
expect "the shortcut starts the installed program" points_to_installed_exe "$shortcut"
read_entries
expect "one entry, of version $old" one_entry_of "$old"
code=${entries[0]:-none}
expect "publisher Tallowick" [ "${entry["$code Publisher"]:-}" = Tallowick ]
expect "help link to the installed help file" \
    [ "${entry["$code HelpLink"]:-}" = "$installed\\Help\\English.chm" ]
expect "install location" [ "${entry["$code InstallLocation"]:-}" = "$installed\\" ]
# Windows also writes the icon into the entry (DisplayIcon); Wine writes only the
# installer's own record of it (ProductIcon), so that is what is checked.
icon=$(reg_value "$(product_key "$code")" ProductIcon)
expect "the product icon is the program's" \
    cmp -s "$(in_prefix "$icon")" "$here/app/res/tallowick.ico"
end

begin "the installed program shows its main window and writes its date file beside itself"
expect "main window shown" shows_window "$installed\\tallowick.exe" "$work/installed.png"
expect "DateFile.txt in Program Files\\Tallowick" exists "$installed_dir/DateFile.txt"
cp "$installed_dir/DateFile.txt" "$work/DateFile.txt"
end

begin "the same version installed again leaves one entry"
expect "msiexec /i /qn of the same package succeeds" msiexec /i "$(windows_path "$old_msi")" /qn
read_entries
expect "the same single entry" [ "${entries[*]}" = "$code" ]
expect "msiexec /i /qn of a rebuild succeeds" msiexec /i "$(windows_path "$rebuilt_msi")" /qn
read_entries
expect "one entry, the rebuild's" one_entry_of "$old"
expect "the rebuild is installed" [ "${entries[0]:-}" != "$code" ]
end

begin "a newer package replaces the installed one"
# A shipped file gone from the folder shows that the newer package lays down its files.
rm -f "$installed_dir/Help/English.chm"
expect "msiexec /i /qn succeeds" msiexec /i "$(windows_path "$new_msi")" /qn
read_entries
expect "one entry, of version $new" one_entry_of "$new"
expect "the files of the newer package" same_tree -x DateFile.txt "$new_files" "$installed_dir"
# Windows keeps the date file here: it removes the older version with UPGRADINGPRODUCTCODE
# set, and the package then leaves the program's files alone (the next case shows it).
# Wine removes it with REMOVE=ALL alone, and the date file goes; not checked here.
end

begin "an older package is refused with a message, and the newer one stays"
answer=$(wine "$drive" answer 'C:\windows\system32\msiexec.exe' \
    "/i \"$(windows_path "$old_msi")\" /qb" 2>&1 | tr -d '\r')
expect "the message says a newer version is installed" \
    grep -q "^A newer version of Tallowick is already installed" <<<"$answer"
expect "msiexec ends with 1603 (fatal error)" grep -qx "exit code 1603" <<<"$answer"
read_entries
expect "still one entry, of version $new" one_entry_of "$new"
end

begin "removed to make way for a newer version, the package keeps the program's files"
cp "$work/DateFile.txt" "$installed_dir/DateFile.txt"
# As Windows removes the older product during a major upgrade.
expect "msiexec /x /qn UPGRADINGPRODUCTCODE=... succeeds" msiexec /x "$(windows_path "$new_msi")" \
    /qn 'UPGRADINGPRODUCTCODE={7D4E1C52-3F0A-4B8E-9C61-2A5B8D9E0F13}'
expect "the shipped program is gone" absent "$installed_dir/tallowick.exe"
expect "the date file stays" cmp -s "$work/DateFile.txt" "$installed_dir/DateFile.txt"
end

begin "uninstalling removes the program folder, what the program wrote there, and the shortcut"
expect "msiexec /i /qn succeeds" msiexec /i "$(windows_path "$new_msi")" /qn
# What the program writes beside itself: its dates, and the journal of what Apply changed.
cp "$work/DateFile.txt" "$installed_dir/DateFile.txt"
printf '; ---- Tallowick change ----\r\n' >"$installed_dir/ChangeJournal.txt"
expect "msiexec /x /qn succeeds" msiexec /x "$(windows_path "$new_msi")" /qn
expect "Program Files\\Tallowick is gone" absent "$installed_dir"
expect "no shortcut" [ -z "$(shortcuts)" ]
read_entries
expect "no entry" [ ${#entries[@]} -eq 0 ]
end

begin "the portable zip runs from a folder with spaces in its path"
unpacked="$work/Portable programs/My Tallowick"
mkdir -p "$unpacked"
expect "unzip succeeds" unzip -q "$work/Tallowick-$old-portable.zip" -d "$unpacked"
expect "it holds the program folder" same_tree "$old_files" "$unpacked/Tallowick"
expect "main window shown" shows_window "$(windows_path "$unpacked/Tallowick/tallowick.exe")" \
    "$work/portable.png"
expect "DateFile.txt beside the unpacked program" exists "$unpacked/Tallowick/DateFile.txt"
end

wineserver -w
[ "$failed" -eq 0 ] && rm -f "$prefix/.package-test-running"
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
