// Start Menu and Start up tweaks against a real registry and a real boot file, natively on
// the in-memory seams and under Wine on the real ones: the handwritten handlers that list
// the programs below HKEY_CLASSES_ROOT\Applications, remove the saved sort orders with
// their subkeys and rewrite the boot file in place. Every key they make is removed, and
// the boot file put back.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kProgram = "Applications\\tallowick-conformance.exe";
constexpr const char* kBoot = "C:\\boot.ini";
constexpr const char* kBootFiles[] = {"C:\\boot.ini", "C:\\boot.ini.old", "C:\\boot.ini.new"};

class StartMenuStartupConformance : public TweakConformance {
  protected:
    StartMenuStartupConformance()
        : TweakConformance({},
                           {{hive::CurrentUser, kExplorer + "\\MenuOrder", nullptr},
                            {hive::ClassesRoot, kProgram, nullptr}},
                           "C:\\boot.in") {
        for (const char* file : kBootFiles) {
            bootFiles_.push_back(seams_.host->ReadWholeFile(file));
            bootAttributes_.push_back(seams_.host->AttributesOf(file));
        }
        Make(hive::ClassesRoot, "Applications");
        Start();
    }
    ~StartMenuStartupConformance() override {
        Host& disk = *seams_.host;
        for (std::size_t i = 0; i < std::size(kBootFiles); ++i) {
            disk.ChangeAttributes(kBootFiles[i], fileattr::Normal);
            if (bootFiles_[i]) {
                disk.WriteWholeFile(kBootFiles[i], *bootFiles_[i]);
                disk.ChangeAttributes(kBootFiles[i], bootAttributes_[i].value_or(fileattr::Normal));
            } else {
                disk.RemoveFile(kBootFiles[i]);
            }
        }
    }

    std::vector<std::optional<std::string>> bootFiles_;
    std::vector<std::optional<std::uint32_t>> bootAttributes_;
};

TEST_F(StartMenuStartupConformance, ProgramsSortOrdersAndBootFile) {
    Make(hive::ClassesRoot, kProgram);
    Show(208, PageId::ValueListPage);
    const int rows = pages_.ListGetItemCount(page_, ctl::ValueList);
    int row = 0;
    while (row < rows &&
           pages_.ListGetItemText(page_, ctl::ValueList, row, 0) != "tallowick-conformance.exe")
        ++row;
    ASSERT_LT(row, rows);
    EXPECT_TRUE(pages_.ListGetCheckState(page_, ctl::ValueList, row));
    pages_.ListSetCheckState(page_, ctl::ValueList, row, false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kProgram, "NoStartPage"), (RegValue{regtype::Sz, {}}));

    Make(hive::CurrentUser, kExplorer + "\\MenuOrder\\Start Menu\\Programs");
    Show(209, PageId::MultiCheckPage);
    EXPECT_FALSE(Checked());
    EXPECT_TRUE(Checked(ctl::SecondCheck));
    Check(true);
    Check(false, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::CurrentUser, kExplorer + "\\MenuOrder\\Start Menu"));
    EXPECT_TRUE(KeyExists(registry_, hive::CurrentUser, kExplorer + "\\MenuOrder\\Favorites"));

    const std::string boot =
        "[boot loader]\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\ntimeout=30\r\n";
    Host& disk = *seams_.host;
    disk.ChangeAttributes(kBoot, fileattr::Normal);
    ASSERT_TRUE(disk.WriteWholeFile(kBoot, boot));
    ASSERT_TRUE(disk.ChangeAttributes(kBoot, fileattr::Hidden | fileattr::System));
    Show(222, PageId::ComboCheckPage);
    EXPECT_TRUE(Checked());
    EXPECT_EQ(Selected(), 30);
    Select(5);
    core_.OnApply();
    std::string changed = boot;
    changed.replace(changed.find("30"), 2, "5");
    EXPECT_EQ(disk.ReadWholeFile(kBoot), changed);
    EXPECT_EQ(disk.AttributesOf(kBoot).value_or(0) & (fileattr::Hidden | fileattr::System),
              fileattr::Hidden | fileattr::System);
    EXPECT_EQ(disk.ReadWholeFile("C:\\boot.ini.old"), boot);
    EXPECT_TRUE(host_.messageBoxes.empty());

    ASSERT_TRUE(disk.ChangeAttributes(kBoot, fileattr::ReadOnly));
    Check(false);
    core_.OnApply();
    EXPECT_EQ(host_.messageBoxes.size(), 1u);
    EXPECT_EQ(disk.ReadWholeFile(kBoot), changed) << "a read-only file is left alone";
}

}  // namespace
}  // namespace tallowick
