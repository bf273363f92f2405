// The "Search" group: the search companion's default options, Active Directory results,
// the search button, unknown file types and the classic search.
#include <optional>

#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/explorer/explorer.h"

namespace tallowick {

namespace {

constexpr Target kExplorer{hive::CurrentUser, explorer::kKey, ""};
// The Directory UI policy key is made below the opened Windows policies key.
constexpr Target kDirectoryUi{hive::CurrentUser, explorer::kDirectoryUiKey, "", CreateTail(1)};

Box Search(const char* caption, const char* value) {
    return Box{.caption = caption, .at = {kExplorer.Named(value)}, .on = Dword(1), .off = Dword(0)};
}

}  // namespace

void RegisterSearch(HandlerTable& table) {
    Register(table, Declared{.id = 97,
                             .fields = {Search("Case sensitive ", "CaseSensitive"),
                                        Search("Search subfolders ", "IncludeSubFolders"),
                                        Search("Search hidden files and folders ", "SearchHidden"),
                                        Search("Search tape backup ", "SearchSlowFiles"),
                                        Search("Search system folders ", "SearchSystemDirs")},
                             .gate = gate::XpOnly,
                             .note = nullptr});
    Register(table, Declared{.id = 98,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{.label = "Maximum Number of Results:",
                                                .at = {kDirectoryUi.Named("QueryLimit")},
                                                .store = Store::Number,
                                                .browse = false}},
                             .gate = gate::Win2000Xp,
                             .note = nullptr});
    Register(table, Declared{.id = 99,
                             .fields = BothScopes(
                                 "Hide the Search Button (Current User) .",
                                 "Hide the Search Button (All Users) .",
                                 {hive::CurrentUser, explorer::kPoliciesKey, "NoShellSearchButton"},
                                 Dword(1), Dword(0)),
                             .gate = gate::Win2000Xp,
                             .note = nullptr});
    // The indexing service's filter for files of types it has no filter for.
    Register(table,
             Declared{.id = 100,
                      .fields = {Box{.caption = "Search for All File Types .",
                                     .at = {{hive::LocalMachine,
                                             "SYSTEM\\CurrentControlSet\\Control\\ContentIndex",
                                             "FilterFilesWithUnknownExtensions"}},
                                     .on = Dword(1),
                                     .off = Dword(0)}},
                      .gate = gate::XpOnly,
                      .note = kRestartNoStopNote});
    Register(table,
             Declared{.id = 101,
                      .fields = {Box{.caption = "Show Filter in Active Directory Search Results .",
                                     .at = {kDirectoryUi.Named("EnableFilter")},
                                     .on = Dword(1),
                                     .off = Dword(0)}},
                      .gate = gate::Win2000Xp,
                      .note = nullptr});
    // Explorer reads the text in any letter case; only "no" turns the assistant off.
    Register(table,
             Declared{.id = 102,
                      .page = PageId::ComboCheckPage,
                      .fields = {Choice{.label = "Use Search Assistant:",
                                        .items = {{"Yes", Text("yes")}, {"No", Text("no")}},
                                        .at = {{hive::CurrentUser,
                                                "Software\\Microsoft\\Windows\\CurrentVersion\\"
                                                "Explorer\\CabinetState",
                                                "Use Search Asst", CreateTail(1)}},
                                        .none = Text("no"),
                                        .preselect = 0,
                                        .otherwise = 0,
                                        .match = Match::IgnoreCase}},
                      .gate = gate::XpOnly,
                      .note = kRestartNoStopNote});
}

}  // namespace tallowick
