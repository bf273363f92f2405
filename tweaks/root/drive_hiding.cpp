// The "Privacy" page: the fixed and network drives, each with a tick that hides it from
// Explorer, and whether the folder options may offer to show hidden files. The page is
// filled once, when its window is made, and writes only when its own button is pressed.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "platform/host.h"
#include "platform/page_layouts.h"
#include "tweaks/root/root.h"

namespace tallowick {

namespace {

constexpr PageId kPage = PageId::DriveHidePage;
constexpr int kLetters = 26;

// Bit n hides drive letter n (A: is bit 0).
constexpr Target kNoDrives{hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                           "NoDrives", kCreateAll};

// The two entries the folder options build their hidden-files choice from: emptied, the
// choice is gone.
constexpr Target kShowAll{hive::LocalMachine,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Advanced\\"
                          "Folder\\Hidden\\SHOWALL",
                          "Type", kCreateAll};
constexpr Target kNoHidden{hive::LocalMachine,
                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Advanced\\"
                           "Folder\\Hidden\\NOHIDDEN",
                           "Type", kCreateAll};

struct OptionEntry {
    Target at;
    const char* allowed;  // what the value holds while the choice is offered
};
const OptionEntry kOptionEntries[] = {{kShowAll.Named("Text"), "@shell32.dll,-30500"},
                                      {kShowAll.Named("Type"), "radio"},
                                      {kShowAll.Named("ValueName"), "Hidden"},
                                      {kNoHidden.Named("Text"), "@shell32.dll,-30501"},
                                      {kNoHidden.Named("Type"), "radio"},
                                      {kNoHidden.Named("ValueName"), "Hidden"}};

enum class Access { Unknown, Denied, Allowed };

// What the page knows besides its controls.
struct DrivePage {
    std::vector<int> letters;  // the letter (0 = A:) of each tree item, in item order
    // The radio choice as last read or stored, so a press writes the entries only when the
    // user has changed it.
    Access access = Access::Unknown;
};

std::uint32_t StoredMask(TweakContext& ctx) {
    return ReadNumber(ctx.registry, kNoDrives.hive, kNoDrives.key, kNoDrives.value).value_or(0);
}

void Fill(TweakContext& ctx, DrivePage& page) {
    Pages& pages = ctx.pages;
    pages.TreeDeleteAllItems(kPage, ctl::DriveTree);
    page.letters.clear();
    const std::uint32_t inUse = ctx.host.LogicalDrives();
    for (int letter = 0; letter < kLetters; ++letter) {
        if (!(inUse >> letter & 1u))
            continue;
        const std::string root = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        const std::uint32_t type = ctx.host.DriveType(root);
        if (type != drive::Fixed && type != drive::Remote)
            continue;
        const std::string label = ctx.host.VolumeName(root).value_or("");
        pages.TreeInsertItem(kPage, ctl::DriveTree, root + " [ " + label + " ] ");
        page.letters.push_back(letter);
    }
    const std::uint32_t hidden = StoredMask(ctx);
    for (std::size_t item = 0; item < page.letters.size(); ++item) {
        pages.TreeSetCheckState(kPage, ctl::DriveTree, static_cast<int>(item),
                                (hidden >> page.letters[item] & 1u) != 0);
    }
    // Anything but the exact "radio" counts as denied, as Explorer then offers no choice.
    const bool allowed =
        ReadText(ctx.registry, kShowAll.hive, kShowAll.key, "Type").value_or("") == "radio";
    page.access = allowed ? Access::Allowed : Access::Denied;
    pages.SetCheck(kPage, ctl::DenyHiddenOptions, !allowed);
    pages.SetCheck(kPage, ctl::AllowHiddenOptions, allowed);
}

void Press(TweakContext& ctx, DrivePage& page, int id) {
    if (id != ctl::DriveApply)
        return;
    // Letters the page does not list (floppies, CD-ROMs, the bits past Z:) keep their bits.
    std::uint32_t hidden = StoredMask(ctx);
    for (std::size_t item = 0; item < page.letters.size(); ++item) {
        const std::uint32_t bit = 1u << page.letters[item];
        if (ctx.pages.TreeGetCheckState(kPage, ctl::DriveTree, static_cast<int>(item)))
            hidden |= bit;
        else
            hidden &= ~bit;
    }
    StoreData(ctx, kNoDrives, Dword(hidden), false);

    const Access access = ctx.pages.IsChecked(kPage, ctl::AllowHiddenOptions)  ? Access::Allowed
                          : ctx.pages.IsChecked(kPage, ctl::DenyHiddenOptions) ? Access::Denied
                                                                               : Access::Unknown;
    if (access == Access::Unknown || access == page.access)
        return;
    bool stored = true;
    for (const OptionEntry& entry : kOptionEntries) {
        const std::string text = access == Access::Allowed ? entry.allowed : "";
        stored = StoreData(ctx, entry.at, Text(text), false) == err::Success && stored;
    }
    // A refused write is tried again at the next press.
    if (stored)
        page.access = access;
}

}  // namespace

void RegisterDriveHiding(HandlerTable& table) {
    auto page = std::make_shared<DrivePage>();
    table.RegisterPage(kPage,
                       PageHandlers{[page](TweakContext& ctx) { Fill(ctx, *page); },
                                    [page](TweakContext& ctx, int id) { Press(ctx, *page, id); }});
    // Selecting the node only shows the page as it was left; "Apply Changes" stays hidden.
    table.Register(kDriveHiding,
                   [](TweakContext& ctx, TweakId) { ctx.pages.ShowPage(kPage, true); });
}

}  // namespace tallowick
