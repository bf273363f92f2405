#include "shell/app_core.h"
#include "tweaks/categories.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "platform/page_layouts.h"
#include "support/registry_test_support.h"
#include "support/returning_user.h"

namespace tallowick {
namespace {

constexpr const char* kProgramKey = "Software\\Quenby Manager";

class AppCoreTest : public ::testing::Test {
  protected:
    // Starts with the categories' handlers, or with only the test's own.
    void Start(const RegisterHandlers& handlers = RegisterAllCategories) {
        core.LoadData();
        core.OpenPages(handlers);
    }
    // Starts once on an earlier day, then again today, as a returning user would.
    void StartOnEarlierDayThenToday(const RegisterHandlers& handlers) {
        StartAsReturningUser(registry, host, core, handlers);
    }
    std::string DateFile() { return host.files[host.programFolder + "\\DateFile.txt"]; }
    // Registers a handler pair for `id` that writes `value` under HKLM\`path`.
    static void WritingHandler(HandlerTable& table, TweakId id, const std::string& path) {
        table.Register(
            id, [](TweakContext&, TweakId) {},
            [path](TweakContext& ctx) {
                ctx.RecordDate();
                KeyHandle key(ctx.registry);
                if (ctx.registry.OpenKey(hive::LocalMachine, path.c_str(), access::AllAccess,
                                         key.out()) != err::Success) {
                    return;
                }
                const std::uint8_t one[] = {1, 0, 0, 0, 0};
                ctx.registry.SetValue(key.get(), "v", regtype::Dword, one, 4);
            });
    }

    MemoryRegistry registry;
    FakeHost host;  // today is 5 March 2007
    MemoryPages pages{PageLayouts()};
    AppCore core{registry, host, pages};
};

const char* const kAccessoriesPage =
    "MainDialog (102)\n"
    "ListPage (106)\n"
    "  1006 static \"Accessories:\\nTweak and Settings for Windows Accessories and Components.\"\n"
    "  1007 list columns \"Name\" 295, \"Data Modified\" 99\n"
    "    0 \"Disable Task Manager\" | \"3/5/2007\"\n"
    "    1 \"Disable the Windows XP Tour\" | \"3/5/2007\"\n"
    "    2 \"Easily Use the Notepad to Open a File\" | \"3/5/2007\"\n"
    "    3 \"Save Changes to Notepad Configuration\" | \"3/5/2007\"\n"
    "    4 \"Show All Hidden Devices in Device Manager\" | \"3/5/2007\"\n"
    "    5 \"Show Detailed Information in Device Manager\" | \"3/5/2007\"\n"
    "    6 \"Specify the Program to Play Inserted Audio CDs\" | \"3/5/2007\"\n"
    "    7 \"Use Smooth Scrolling in Telnet\" | \"3/5/2007\"\n";

TEST_F(AppCoreTest, FirstStartWritesTheDateFileAndShowsAccessoriesWithNothingSelected) {
    Start();
    const std::string file = DateFile();
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 312);
    EXPECT_EQ(file.substr(0, 36), "quenby(\"Accessories\",3/5/2007)\r\nquen");
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kProgramKey, "DateModefiedFlage"),
              DwordValue(1));
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kProgramKey, "Language"), SzValue("English"));
    EXPECT_EQ(pages.Describe(), kAccessoriesPage);
    EXPECT_FALSE(core.Current());

    // Nothing is selected, so Apply has nothing to run.
    registry.ClearCalls();
    core.OnApply();
    EXPECT_TRUE(registry.Calls().empty());
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(AppCoreTest, TreeItemsTakeTheirDataFromTheTranslatedRecords) {
    host.files[host.programFolder + "\\Language\\English.ini"] = "[1004]\n251=30\n";
    Start();
    const auto items = core.TreeItems();
    ASSERT_EQ(items.size(), 260u);
    auto byLabel = [&](const std::string& label) {
        return *std::find_if(items.begin(), items.end(),
                             [&](const TreeItem& item) { return item.label == label; });
    };
    EXPECT_TRUE(byLabel("Accessories").bold);
    EXPECT_EQ(byLabel("Quick Edit the Command Prompt").data, 11u);
    EXPECT_FALSE(byLabel("Quick Edit the Command Prompt").bold);
    EXPECT_EQ(byLabel("Quick Edit the Command Prompt").image, 2u);
    EXPECT_EQ(items[byLabel("Quick Edit the Command Prompt").parent].label, "Command Processor");

    // The translated record makes "Registry Editor" dispatch as Task Scheduler.
    const TreeItem registryEditor = byLabel("Registry Editor");
    EXPECT_EQ(registryEditor.data, 30u);
    core.OnSelect(registryEditor.data);
    EXPECT_NE(pages.Describe().find("Task Scheduler:\\n"), std::string::npos) << pages.Describe();
}

TEST_F(AppCoreTest, SelectionShowsOnePageAndNothingOfThePreviousOne) {
    Start();
    core.OnSelect(25);
    EXPECT_EQ(
        pages.Describe(),
        "MainDialog (102)\n"
        "ListPage (106)\n"
        "  1006 static \"Registry Editor:\\nSettings to manage the Windows Registry Editor\"\n"
        "  1007 list columns \"Name\" 280, \"Data Modified\" 115\n"
        "    0 \"Avoid Accidental Registry Imports with Regedit\" | \"3/5/2007\"\n"
        "    1 \"Disable Registry Editing Tools\" | \"3/5/2007\"\n");
    EXPECT_EQ(core.Current(), 25u);

    // A tweak whose handlers are not built yet says so, and offers no Apply.
    TweakId unbuilt = 26;
    for (const TreeNode& node : TreeNodes()) {
        if (node.kind == NodeKind::Tweak && node.id != 311 && !core.Handlers().Find(node.id)) {
            unbuilt = node.id;
            core.OnSelect(unbuilt);
            EXPECT_EQ(pages.Describe(), "MainDialog (102)\nMultiCheckPage (170)\n  1006 static \"" +
                                            core.Catalogue()[unbuilt].name + ":\\n" +
                                            kNotAvailableDescription + "\"\n");
            break;
        }
    }
    core.OnSelect(unbuilt);

    // No selected item changes nothing; data past the last node leaves every page hidden.
    core.OnSelect(std::nullopt);
    EXPECT_EQ(core.Current(), unbuilt);
    EXPECT_NE(pages.Describe().find("MultiCheckPage"), std::string::npos);
    core.OnSelect(400);
    EXPECT_EQ(pages.Describe(), "MainDialog (102)\n");

    core.OnSelect(311);
    EXPECT_TRUE(pages.IsPageVisible(PageId::DriveHidePage));
    EXPECT_FALSE(pages.IsControlVisible(PageId::MainDialog, kApplyChangesButton));
}

// The program makes each page when it is first needed. A start then makes only the first
// category's page, and every node still shows what it showed with all pages made at once:
// each page gets its one-time set-up (the numbers, the colours) when it comes into being.
TEST_F(AppCoreTest, PagesMadeWhenFirstNeededShowWhatPagesMadeAtOnceShow) {
    MemoryRegistry lazyRegistry;
    FakeHost lazyHost;
    MemoryPages lazyPages(PageLayouts(), MemoryPages::Creation::OnFirstUse);
    AppCore lazy(lazyRegistry, lazyHost, lazyPages);
    Start();
    lazy.LoadData();
    lazy.OpenPages(RegisterAllCategories);
    for (const PageSpec& layout : PageLayouts()) {
        const bool made = layout.page == PageId::MainDialog || layout.page == PageId::ListPage;
        EXPECT_EQ(lazyPages.PageExists(layout.page), made) << static_cast<int>(layout.page);
    }
    EXPECT_EQ(lazyPages.Describe(), pages.Describe());

    // Twice over, so that pages made by an earlier node are set up once and stay right.
    for (int round = 0; round < 2; ++round) {
        for (const TreeNode& node : TreeNodes()) {
            core.OnSelect(node.id);
            lazy.OnSelect(node.id);
            ASSERT_EQ(lazyPages.Describe(), pages.Describe()) << node.id << " round " << round;
        }
    }
}

TEST_F(AppCoreTest, ANodeRegisteredTwiceStopsTheStart) {
    core.LoadData();
    EXPECT_THROW(core.OpenPages([](HandlerTable& table) {
        RegisterAllCategories(table);
        table.Register(11, [](TweakContext&, TweakId) {});
    }),
                 std::logic_error);
}

// A tree tweak says it is not available exactly when no category has built it.
TEST_F(AppCoreTest, OnlyTweaksWithoutHandlersAreMarkedNotAvailable) {
    Start();
    for (const TreeNode& node : TreeNodes()) {
        if (node.kind != NodeKind::Tweak || node.id == 311)
            continue;
        const bool built = core.Handlers().Find(node.id) != nullptr;
        EXPECT_EQ(core.Catalogue()[node.id].description == kNotAvailableDescription, !built)
            << node.id;
    }
}

TEST_F(AppCoreTest, ApplyRunsOnlyTheSelectedNodesHandlerAndNeverForGroups) {
    int runs26 = 0;
    int runs27 = 0;
    Start([&](HandlerTable& table) {
        table.Register(
            26, [](TweakContext&, TweakId) {}, [&](TweakContext&) { ++runs26; });
        table.Register(
            27, [](TweakContext&, TweakId) {}, [&](TweakContext&) { ++runs27; });
    });
    core.OnSelect(26);
    core.OnApply();
    EXPECT_EQ(runs26, 1);
    EXPECT_EQ(runs27, 0);

    core.OnSelect(25);  // a group: nothing to apply
    core.OnApply();
    core.OnSelect(1);
    core.OnApply();
    EXPECT_EQ(runs26 + runs27, 1);
}

TEST_F(AppCoreTest, SharedHandlersRecordTheDateUnderEachNodesOwnName) {
    int runs = 0;
    auto show = [](TweakContext&, TweakId) {};
    auto apply = [&](TweakContext& ctx) {
        ++runs;
        ctx.RecordDate();
    };
    StartOnEarlierDayThenToday([&](HandlerTable& table) {
        table.Register(28, show, apply);
        table.Register(293, show, apply);
    });

    core.OnSelect(28);
    core.OnApply();
    EXPECT_EQ(core.Dates().LookUp("Repare The Registry Editor"), "3/5/2007");
    EXPECT_EQ(core.Dates().LookUp("Repair the Registry Editor"), "6/19/2006");
    core.OnSelect(293);
    core.OnApply();
    EXPECT_EQ(core.Dates().LookUp("Repair the Registry Editor"), "3/5/2007");
    EXPECT_EQ(runs, 2);

    // The group list shows the new date beside the unchanged ones.
    core.OnSelect(288);
    EXPECT_NE(pages.Describe().find("\"Repair the Registry Editor\" | \"3/5/2007\""),
              std::string::npos);
    EXPECT_NE(pages.Describe().find("\"Repair the Taskbar\" | \"6/19/2006\""), std::string::npos);
}

TEST_F(AppCoreTest, ARefusedWriteIsReportedOnceNamingTheFirstKey) {
    Start([](HandlerTable& table) {
        WritingHandler(table, 43, "SOFTWARE\\Policies\\A");
        table.Register(
            44, [](TweakContext&, TweakId) {},
            [](TweakContext& ctx) {
                for (const char* path : {"SOFTWARE\\Policies\\A", "SOFTWARE\\Policies\\B"}) {
                    KeyHandle key(ctx.registry);
                    ctx.registry.OpenKey(hive::LocalMachine, path, access::AllAccess, key.out());
                }
            });
    });
    ASSERT_TRUE(
        registry.LoadRegText("REGEDIT4\n[HKLM\\SOFTWARE\\Policies\\A]\n"
                             "[HKLM\\SOFTWARE\\Policies\\B]\n"));
    registry.FailOn(RegOp::Open, hive::LocalMachine, "SOFTWARE\\Policies", err::AccessDenied);

    core.OnSelect(43);
    core.OnApply();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].owner, 0u);
    EXPECT_EQ(host.messageBoxes[0].caption, "A L E R T");
    EXPECT_EQ(host.messageBoxes[0].text,
              "Tallowick could not change the registry key "
              "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\A. You may need administrator rights to "
              "change this setting.");
    EXPECT_EQ(host.messageBoxes[0].style, mb::IconHand);
    // The handler itself ran as before: the date was recorded.
    EXPECT_EQ(core.Dates().LookUp("Disable Task Manager"), "3/5/2007");

    core.OnSelect(44);
    core.OnApply();
    ASSERT_EQ(host.messageBoxes.size(), 2u);
    EXPECT_NE(host.messageBoxes[1].text.find("Policies\\A."), std::string::npos);
}

TEST_F(AppCoreTest, AMissingKeyIsSkippedSilently) {
    Start([](HandlerTable& table) { WritingHandler(table, 43, "SOFTWARE\\Nowhere"); });
    core.OnSelect(43);
    core.OnApply();
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
