// The boot file, through the boot menu's page: whatever the file holds, the page shows,
// and Apply changes no byte outside one line, where it writes only the chosen seconds.
#include <algorithm>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "tweaks/startup/startup.h"

namespace tallowick::fuzz {

void BootIni(std::string_view bytes) {
    static MemoryRegistry registry;
    static FakeHost host;
    static MemoryPages pages(PageLayouts());
    static AppCore& core = []() -> AppCore& {
        // One program serves every run, so its journal must not grow run by run.
        host.failWrites.insert(host.programFolder + "\\ChangeJournal.txt");
        static AppCore started(registry, host, pages);
        started.LoadData();
        started.OpenPages(RegisterStartup);
        return started;
    }();
    constexpr const char* kBoot = "C:\\boot.ini";
    const std::string file(bytes);
    host.files = {{kBoot, file}};
    host.messageBoxes.clear();
    core.OnSelect(222);
    // Each input size picks a tick and a number of seconds, or none.
    const int seconds = static_cast<int>(bytes.size() % 32) - 1;
    pages.SetCheck(PageId::ComboCheckPage, ctl::MainCheck, bytes.size() % 3 != 0);
    pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo1, seconds);
    core.OnApply();

    const std::string& after = host.files[kBoot];
    const auto front = std::mismatch(file.begin(), file.end(), after.begin(), after.end());
    const std::size_t prefix = front.first - file.begin();
    const std::size_t room = std::min(file.size(), after.size()) - prefix;
    const auto back = std::mismatch(file.rbegin(), file.rbegin() + room, after.rbegin());
    const std::size_t suffix = back.first - file.rbegin();
    const std::string added = after.substr(prefix, after.size() - prefix - suffix);
    const std::string removed = file.substr(prefix, file.size() - prefix - suffix);
    Require(removed.find_first_of("\r\n") == std::string::npos, "Apply keeps every line end");
    Require(added.find_first_not_of("0123456789") == std::string::npos && added.size() <= 2,
            "Apply writes only the seconds");
}

}  // namespace tallowick::fuzz
