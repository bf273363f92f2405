#!/usr/bin/env bash
# Builds the program folder and packs it for Windows users into build/dist:
#   Tallowick-<version>.msi           installs per machine into Program Files\Tallowick
#   Tallowick-<version>-portable.zip  the program folder, to run from wherever unpacked
# The version is the one in app/version.h. Options, for the tests:
#   --version X.Y.Z  package the same program under another version number
#   --dist DIR       write the packages into DIR instead of build/dist
#   --no-build       pack the program folder as it is (the test command has built it)
# On a fresh Debian machine it first installs what it needs. Nothing is signed.
set -uo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
jobs=$(nproc 2>/dev/null || echo 2)

# shellcheck source=scripts/common.sh
source "$here/scripts/common.sh"

version_part() {
    sed -nE "s/^#define TALLOWICK_VERSION_$1 ([0-9]+)\$/\\1/p" "$here/app/version.h"
}
version="$(version_part MAJOR).$(version_part MINOR).$(version_part PATCH)"
dist="$build/dist"
build_first=1
while [ $# -gt 0 ]; do
    case $1 in
    --version) version=${2:-}; shift 2 ;;
    --dist) dist=${2:-}; shift 2 ;;
    --no-build) build_first=0; shift ;;
    *) echo "usage: $0 [--version X.Y.Z] [--dist DIR] [--no-build]" >&2; exit 2 ;;
    esac
done
if ! [[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
    echo "not a version X.Y.Z: '$version'" >&2
    exit 2
fi

ensure_packages cmake make g++-mingw-w64-x86-64-posix fp-utils wixl msitools zip || exit 1

if [ "$build_first" -eq 1 ]; then
    echo "building the Windows program"
    cmake -S "$here" -B "$build/windows" \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" >/dev/null || exit 1
    cmake --build "$build/windows" -j"$jobs" --target tallowick tallowick_help \
        >"$build/package-build.log" 2>&1 || { tail -n 30 "$build/package-build.log"; exit 1; }
fi

program="$build/windows/program"
work="$build/package/$version"
rm -rf "$work"
mkdir -p "$work/Tallowick" "$dist" || exit 1

# What ships: the program and its three folders, as the build makes them. Files the
# program writes beside itself when it runs (the date file) stay out.
cp -p "$program/tallowick.exe" "$work/Tallowick/" &&
    cp -rp "$program/Skin" "$program/Help" "$program/Language" "$work/Tallowick/" || exit 1

# ids_of PATH: sets `id` (hex digits for identifiers the MSI tables accept) and `guid` (a
# name-based GUID, version 5 layout) from PATH, the same in every build: a component keeps
# its GUID from one version to the next, as Windows Installer requires.
ids_of() {
    local h
    h=$(printf 'tallowick-msi:%s' "${1,,}" | sha1sum)
    h=${h^^}
    id=${h:0:16}
    printf -v guid '%s-%s-5%s-%X%s-%s' "${h:0:8}" "${h:8:4}" "${h:13:3}" \
        $(((0x${h:16:1} & 3) | 8)) "${h:17:3}" "${h:20:12}"
}
# xml_text TEXT: sets `xml` to TEXT escaped for an attribute.
xml_text() {
    xml=${1//&/"&amp;"}
    xml=${xml//</"&lt;"}
    xml=${xml//>/"&gt;"}
    xml=${xml//\"/"&quot;"}
}

# files_wxs DIR RELATIVE INDENT: the Directory, Component and File elements of DIR (the
# program folder when RELATIVE is empty). Every file is a component of its own. A folder
# without files is created by a component of its own, so that Language\ exists even
# before it holds a translation; it is removed with the rest (Wine's installer leaves
# such a folder, and with it the program folder, unless told).
component_ids=()
files_wxs() {
    local dir=$1 rel=$2 pad=$3 entry name path id guid xml empty=1
    for entry in "$dir"/*; do
        [ -e "$entry" ] || continue
        name=${entry##*/}
        path=${rel:+$rel\\}$name
        ids_of "$path"
        if [ -d "$entry" ]; then
            xml_text "$name"
            printf '%s<Directory Id="d_%s" Name="%s">\n' "$pad" "$id" "$xml"
            files_wxs "$entry" "$path" "$pad  "
            printf '%s</Directory>\n' "$pad"
            continue
        fi
        empty=0
        component_ids+=("c_$id")
        xml_text "${entry#"$work/"}"
        printf '%s<Component Id="c_%s" Guid="%s" Win64="yes">\n' "$pad" "$id" "$guid"
        if [ "$path" = tallowick.exe ]; then
            printf '%s  <File Id="TallowickExe" Source="%s" KeyPath="yes">\n' "$pad" "$xml"
            printf '%s    <Shortcut Id="StartMenuShortcut" Directory="ProgramMenuFolder"' "$pad"
            printf ' Name="Tallowick" Description="Windows settings utility"'
            printf ' WorkingDirectory="INSTALLDIR" Icon="tallowick.ico"/>\n'
            printf '%s  </File>\n' "$pad"
        else
            printf '%s  <File Id="f_%s" Source="%s" KeyPath="yes"/>\n' "$pad" "$id" "$xml"
        fi
        printf '%s</Component>\n' "$pad"
    done
    if [ "$empty" -eq 1 ] && [ -n "$rel" ]; then
        ids_of "$rel\\"
        component_ids+=("c_$id")
        printf '%s<Component Id="c_%s" Guid="%s" Win64="yes">\n' "$pad" "$id" "$guid"
        printf '%s  <CreateFolder/>\n%s  <RemoveFolder Id="r_%s" On="uninstall"/>\n' \
            "$pad" "$pad" "$id"
        printf '%s</Component>\n' "$pad"
    fi
}

{
    printf '<?xml version="1.0" encoding="utf-8"?>\n'
    printf '<!-- Written by scripts/package.sh from the program folder. -->\n'
    printf '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">\n  <Fragment>\n'
    printf '    <DirectoryRef Id="INSTALLDIR">\n'
    files_wxs "$work/Tallowick" "" "      "
    printf '    </DirectoryRef>\n    <ComponentGroup Id="ProgramFolder">\n'
    printf '      <ComponentRef Id="%s"/>\n' "${component_ids[@]}"
    printf '    </ComponentGroup>\n  </Fragment>\n</Wix>\n'
} >"$work/files.wxs"

msi="$dist/Tallowick-$version.msi"
echo "writing $msi"
rm -f "$msi"
# wixl finds the files by paths relative to where it runs.
cp "$here/app/res/tallowick.ico" "$here/package/tallowick.wxs" "$work/" &&
    (cd "$work" && wixl -a x64 -D Version="$version" -o "$msi" tallowick.wxs files.wxs) || exit 1

# What wixl cannot say, written into its tables:
# - the shortcut starts the program itself (wixl writes only advertised shortcuts);
# - a package of the same version replaces an installed one too, so that a rebuild never
#   leaves two entries in Add or Remove Programs (both version bounds inclusive);
# - an installed older version is removed before the newer one is installed (right after
#   InstallValidate, where WiX puts it by default), so every file is laid down afresh;
# - removing the product for good deletes what the program wrote into its folder: the
#   date file and the change journal by name, and any other file by wildcard (Windows;
#   Wine's installer takes no wildcard). The rows name the folder by CLEANUPDIR, which
#   tallowick.wxs sets only then, not when a newer version replaces this one.
ids_of tallowick.exe
exe_component=c_$id
upgrade_code=$(msiinfo export "$msi" Property | tr -d '\r' | sed -nE 's/^UpgradeCode\t(.*)$/\1/p')
removes="INSERT INTO RemoveFile (FileKey, Component_, FileName, DirProperty, InstallMode)"
msibuild "$msi" -q "UPDATE Shortcut SET Target = '[#TallowickExe]'" \
    -q "DELETE FROM Upgrade WHERE ActionProperty = 'WIX_UPGRADE_DETECTED'" \
    -q "INSERT INTO Upgrade (UpgradeCode, VersionMax, Attributes, ActionProperty)
        VALUES ('$upgrade_code', '$version', 769, 'WIX_UPGRADE_DETECTED')" \
    -q "UPDATE InstallExecuteSequence SET Sequence = 1401 WHERE Action = 'RemoveExistingProducts'" \
    -q "$removes VALUES ('RemoveDateFile', '$exe_component', 'DATEFI~1.TXT|DateFile.txt',
        'CLEANUPDIR', 2)" \
    -q "$removes VALUES ('RemoveChangeJournal', '$exe_component',
        'CHANGE~1.TXT|ChangeJournal.txt', 'CLEANUPDIR', 2)" \
    -q "$removes VALUES ('RemoveWrittenFiles', '$exe_component', '*.*', 'CLEANUPDIR', 2)" ||
    exit 1

zip_file="$dist/Tallowick-$version-portable.zip"
echo "writing $zip_file"
rm -f "$zip_file"
(cd "$work" && zip -qrX9 "$zip_file" Tallowick) || exit 1
