// The Accessories category's own tweaks: Task Manager, the XP tour, Notepad, Device Manager,
// the audio CD player and Telnet.
#include "engine/declarations.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

constexpr const char* kEnvironmentKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

// A checkbox on the MultiCheckPage with the restart note.
Declared Check(TweakId id, const char* caption, std::vector<Target> at, Data on, Data off,
               std::optional<Gate> gate = std::nullopt, Refusal refusal = Refusal::FlipMainCheck) {
    return Declared{.id = id,
                    .fields = {Box{.caption = caption, .at = std::move(at), .on = on, .off = off}},
                    .gate = gate,
                    .refusal = refusal};
}

}  // namespace

void RegisterAccessoriesOwn(HandlerTable& table) {
    // The policy key is made when missing: a machine that never had a policy has no System key.
    Register(table, Check(43, "Disable Task Manager.",
                          {{hive::CurrentUser,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                            "DisableTaskMgr", CreateTail(1)}},
                          Dword(1), Dword(0), gate::XpOnly));
    // Windows offers the tour at logon while RunCount is not 0.
    Register(table, Declared{.id = 44,
                             .fields = BothScopes(
                                 "Disable The WindowXP Tour.(Current User)",
                                 "Disable The WindowXP Tour.(All Users)",
                                 {hive::CurrentUser,
                                  "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Tour",
                                  "RunCount", CreateTail(1)},
                                 Dword(0), Dword(1)),
                             .gate = gate::XpOnly});
    // The whole path is created, as the generic string write does.
    Register(table, Check(45, "Enable Using the Notepad to Open a File.",
                          {{hive::ClassesRoot, "shell", "", kCreateAll}}, Text("notepad.exe %1"),
                          Text("")));
    // Page and window settings are saved together; the page shows the first of the two.
    constexpr Target kNotepad{hive::CurrentUser, "Software\\Microsoft\\Notepad",
                              "fSavePageSettings"};
    Register(table, Check(46, "Enable Saving Changes to the Notepad Configuration.",
                          {kNotepad, kNotepad.Named("fSaveWindowPositions")}, Dword(1), Dword(0)));
    // Device Manager reads these system environment variables; "off" for hidden devices
    // is the variable's absence.
    constexpr Target kEnvironment{hive::LocalMachine, kEnvironmentKey, ""};
    Register(table, Check(47, "Enable Showing All Hidden Devices in Device Manager.",
                          {kEnvironment.Named("DEVMGR_SHOW_NONPRESENT_DEVICES")}, Text("1"),
                          DeleteValue(), gate::Win2000Xp));
    Register(table, Check(48, "Enable Showing Detailed Information in Device Manager.",
                          {kEnvironment.Named("DEVMGR_SHOW_DETAILS")}, Text("1"), Text("0"),
                          gate::Win2000Xp));
    // The player's command line: the program, then the switch that plays the inserted disc.
    // Show takes the switch off again, so the edit holds the program alone.
    Register(table, Declared{.id = 49,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{
                                 .label = "The Program Path:",
                                 .at = {{hive::ClassesRoot, "AudioCD\\Shell\\Play\\Command", ""}},
                                 .empty = AlertWhenEmpty(kStringSetProgramPath),
                                 .suffix = "  /play %1"}}});
    Register(
        table,
        Check(50, "Enable Using Smooth Scrolling in Telnet.",
              {{hive::CurrentUser, "Software\\Microsoft\\Telnet", "SmoothScroll", CreateTail(1)}},
              Dword(1), Dword(0)));
}

}  // namespace tallowick
