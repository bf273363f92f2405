// The Accessories category's own tweaks: Task Manager, the XP tour, Notepad, Device Manager,
// the audio CD player and Telnet.
#include "engine/tweak_engine.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

constexpr const char* kEnvironmentKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

constexpr CheckTweak kCheckTweaks[] = {
    // The policy key is made when missing: a machine that never had a policy has no System key.
    {.id = 43,
     .caption = "Disable Task Manager.",
     .where = {hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
               "System", "DisableTaskMgr"},
     .checked = Dword(1),
     .unchecked = Dword(0),
     .gate = gate::XpOnly,
     .flip = true},
    // The whole path is created, as the generic string write does.
    {.id = 45,
     .caption = "Enable Using the Notepad to Open a File.",
     .where = {hive::ClassesRoot, "shell", "shell", ""},
     .checked = Text("notepad.exe %1"),
     .unchecked = Text(""),
     .gate = std::nullopt},
    // Page and window settings are saved together; the page shows the first of the two.
    {.id = 46,
     .caption = "Enable Saving Changes to the Notepad Configuration.",
     .where = {hive::CurrentUser, "Software\\Microsoft\\Notepad", "", "fSavePageSettings"},
     .checked = Dword(1),
     .unchecked = Dword(0),
     .gate = std::nullopt,
     .alsoValue = "fSaveWindowPositions"},
    // Device Manager reads these system environment variables; "off" for hidden devices
    // is the variable's absence.
    {.id = 47,
     .caption = "Enable Showing All Hidden Devices in Device Manager.",
     .where = {hive::LocalMachine, kEnvironmentKey, "", "DEVMGR_SHOW_NONPRESENT_DEVICES"},
     .checked = Text("1"),
     .unchecked = Delete(),
     .gate = gate::Win2000Xp,
     .flip = true},
    {.id = 48,
     .caption = "Enable Showing Detailed Information in Device Manager.",
     .where = {hive::LocalMachine, kEnvironmentKey, "", "DEVMGR_SHOW_DETAILS"},
     .checked = Text("1"),
     .unchecked = Text("0"),
     .gate = gate::Win2000Xp,
     .flip = true},
    {.id = 50,
     .caption = "Enable Using Smooth Scrolling in Telnet.",
     .where = {hive::CurrentUser, "Software\\Microsoft\\Telnet", "Telnet", "SmoothScroll"},
     .checked = Dword(1),
     .unchecked = Dword(0),
     .gate = std::nullopt},
};

// Windows offers the tour at logon while RunCount is not 0.
constexpr DualCheckTweak kXpTour{
    .id = 44,
    .userCaption = "Disable The WindowXP Tour.(Current User)",
    .machineCaption = "Disable The WindowXP Tour.(All Users)",
    .path = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Tour",
    .create = "Tour",
    .value = "RunCount",
    .checked = Dword(0),
    .unchecked = Dword(1),
    .gate = gate::XpOnly};

}  // namespace

void RegisterAccessoriesOwn(HandlerTable& table) {
    for (const CheckTweak& tweak : kCheckTweaks)
        Register(table, tweak);
    Register(table, kXpTour);
    // The player's command line: the program, then the switch that plays the inserted disc.
    // Show takes the switch off again, so the edit holds the program alone.
    Register(table,
             EditTweak{.id = 49,
                       .fields = {EditField{
                           "The Program Path:",
                           Location{hive::ClassesRoot, "AudioCD\\Shell\\Play\\Command", "", ""}}},
                       .gate = std::nullopt,
                       .whenEmpty = kStringSetProgramPath,
                       .suffix = "  /play %1"});
}

}  // namespace tallowick
