// The icon cache repair against real files under Wine: a cache file held open by another
// process is reported and kept; the native cases are in troubleshooting_test.cpp.
#include <gtest/gtest.h>

#include <string>

#include "support/file_host.h"
#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

#ifdef _WIN32
// Keeps `path` open, without leave to delete it, in a second process that never runs.
struct HeldByAnotherProcess {
    explicit HeldByAnotherProcess(const std::string& path) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, &inherit,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        STARTUPINFOA start{};
        start.cb = sizeof start;
        held = file != INVALID_HANDLE_VALUE &&
               CreateProcessA(self, nullptr, nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                              nullptr, &start, &process);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    ~HeldByAnotherProcess() {
        if (!held)
            return;
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    PROCESS_INFORMATION process{};
    bool held = false;
};

TEST(IconCacheConformance, AFileInUseIsReportedAndKeptAMissingOneIsNothingToRepair) {
    Seams seams;
    ASSERT_FALSE(seams.folder.empty());
    SavedKey saved(*seams.registry, hive::CurrentUser, "Software\\Quenby Manager");
    FakeHost fake;
    fake.windowsDirectory = seams.folder;
    FileHost host(*seams.host, fake, seams.folder);
    MemoryPages pages{PageLayouts()};
    AppCore core(*seams.registry, host, pages);
    core.LoadData();
    core.OpenPages(RegisterAllCategories);
    const std::string cache = seams.folder + "\\ShellIconCache";
    ASSERT_TRUE(host.WriteWholeFile(cache, "icons"));
    core.OnSelect(291);
    pages.SetCheck(PageId::MultiCheckPage, ctl::MainCheck, true);
    {
        HeldByAnotherProcess holder(cache);
        ASSERT_TRUE(holder.held);
        core.OnApply();
    }
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_NE(fake.messageBoxes[0].text.find(cache), std::string::npos);
    EXPECT_TRUE(host.FileExists(cache));
    for (int time = 0; time < 2; ++time)
        core.OnApply();
    EXPECT_FALSE(host.FileExists(cache));
    EXPECT_EQ(fake.messageBoxes.size(), 1u);
}
#endif

}  // namespace
}  // namespace tallowick
