// The "Files and Shortcuts" group: how shortcuts whose target moved are resolved, long
// and short (8.3) file names, the "Shortcut to" prefix and web files kept with their
// folders.
#include <optional>

#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/filesystem/filesystem.h"

namespace tallowick {

using namespace filesystem;

void RegisterFilesAndShortcuts(HandlerTable& table) {
    Register(table, Check(126, "Disable Search for Broken Shortcuts .",
                          kPolicies.Named("NoResolveSearch"), gate::NtFamily, kRestartNoStopNote));
    // Win31FileSystem 1 keeps FAT volumes to 8.3 names, as Windows 3.1 did.
    Register(table, Declared{.id = 127,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Long Filename Support:",
                                               .items = IndexItems({"Enable Long Filenames",
                                                                    "Disable Long Filenames"}),
                                               .at = {kFileSystem.Named("Win31FileSystem")}}},
                             .note = kWindowsNote});
    // The policy ignores the link information when it is 1, which turns resolution off.
    Register(table, Declared{.id = 128,
                             .fields = BothScopes(
                                 "Disable Automatic Network Shortcut Resolution (Current User) .",
                                 "Disable Automatic Network Shortcut Resolution (All Users) .",
                                 kPolicies.Named("LinkResolveIgnoreLinkInfo"), Dword(1), Dword(0)),
                             .note = kRestartNoStopNote});
    Register(table, Check(129, "Disable Tracking of Broken Shortcut Links .",
                          kPolicies.Named("NoResolveTrack"), gate::Win2000Xp, kRestartNoStopNote));
    Register(table, Check(130, "Enable Extended Characters in Short Filenames .",
                          kFileSystem.Named("NtfsAllowExtendedCharacterIn8dot3Name"),
                          gate::NtFamily, kRestartNoStopNote));
    // Windows cuts a long extension to three letters in the short name while this is 1.
    Register(
        table,
        Declared{.id = 131,
                 .fields = {Box{.caption = "Disable Truncated Extensions in Short File Names .",
                                .at = {kFileSystem.Named("Win95TruncatedExtensions")},
                                .on = Dword(0),
                                .off = Dword(1)}},
                 .gate = gate::NtFamily,
                 .note = kWindowsNote});
    // Explorer counts new shortcuts in these four bytes; zero leaves the prefix off.
    Register(table, Declared{.id = 133,
                             .fields = BothScopes("Prefix 'Shortcut to...'to Shortcuts (Current "
                                                  "User) .",
                                                  "Prefix 'Shortcut to...'to Shortcuts (All "
                                                  "Users) .",
                                                  kExplorer.Named("link"),
                                                  Binary({0x00, 0x00, 0x00, 0x00}), DeleteValue()),
                             .note = kRestartNoStopNote});
    Register(table, Check(134, "Disable Short File Name Creation on NTFS Partitions .",
                          kFileSystem.Named("NtfsDisable8dot3NameCreation"), gate::NtFamily,
                          kWindowsNote));
    Register(table, Check(136, "Disable Connected Web Files and Folders .",
                          kExplorer.Named("NoFileFolderConnection"), gate::Win2000MeXp,
                          kLowerRestartNote));
}

}  // namespace tallowick
