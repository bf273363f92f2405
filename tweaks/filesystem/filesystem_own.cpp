// The File System category's own tweaks: CD AutoRun, permissions kept on copy and move,
// CD burning, the Recycle Bin, the Encrypting File System and the letter case of names.
#include <optional>

#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/filesystem/filesystem.h"

namespace tallowick {

using namespace filesystem;

void RegisterFileSystemOwn(HandlerTable& table) {
    Register(table,
             Check(142, "Automatically Start CD-R and DVD-R Disks .",
                   {hive::LocalMachine, "SYSTEM\\CurrentControlSet\\Services\\Cdrom", "AutoRun"},
                   std::nullopt, kWindowsNote));
    Register(table, Check(143, "Force Windows to preserve the current permissions instead.",
                          kPolicies.Named("ForceCopyAclwithFile"), gate::NtFamily, kRestartNote));
    Register(table,
             Declared{.id = 146,
                      .fields = BothScopes("Disable CD Burning (Current User) .",
                                           "Disable CD Burning (All Users) .",
                                           kPolicies.Named("NoCDBurning"), Dword(1), Dword(0)),
                      .gate = gate::XpOnly,
                      .note = kRestartNoStopNote});
    // With NukeOnDelete 1 on the global settings every drive deletes files at once.
    Register(table, Check(148, "Disable the Recycle Bin (Delete Files Immediately) .",
                          {hive::LocalMachine,
                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\BitBucket",
                           "NukeOnDelete"},
                          gate::NtFamily, kRestartNote));
    // EfsConfiguration 1 turns the Encrypting File System off.
    Register(table,
             Check(151, "Disable the Encrypting File System .",
                   {hive::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\EFS",
                    "EfsConfiguration"},
                   gate::Win2000Xp, kWindowsNote));
    // With DontPrettyPath 1 Explorer shows names as they are stored, capitals included.
    Register(table, Check(154, "Show File and Folder Names Using the Correct Case .",
                          {hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                           "DontPrettyPath"},
                          gate::AllButNt4, kRestartNote));
}

}  // namespace tallowick
