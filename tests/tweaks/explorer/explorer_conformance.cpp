// Desktop and Explorer tweaks against a real registry: the handwritten handlers that work
// through HKEY_CLASSES_ROOT (a mask of bits, a key with its command, the programs listed
// below Applications), natively on the in-memory registry and under Wine on the real one.
// Every value they change is put back, and every key they make removed.
#include <gtest/gtest.h>

#include <string>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kRecycleBin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder";
const std::string kExplore = "Directory\\shell\\Explore";
const std::string kProgram = "Applications\\tallowick-conformance.exe";

class DesktopExplorerConformance : public TweakConformance {
  protected:
    DesktopExplorerConformance()
        : TweakConformance(
              {{hive::ClassesRoot, kRecycleBin, "Attributes"},
               {hive::ClassesRoot, kRecycleBin, "CallForAttributes"}},
              {{hive::ClassesRoot, kExplore, nullptr}, {hive::ClassesRoot, kProgram, nullptr}}) {
        Make(hive::ClassesRoot, "Directory\\shell");
        Start();
    }
};

TEST_F(DesktopExplorerConformance, RecycleBinSetsItsBitsOfTheMask) {
    ASSERT_EQ(WriteValue(registry_, hive::ClassesRoot, kRecycleBin, "Attributes",
                         RegValue{regtype::Binary, {0x41, 0x02, 0x03, 0x04}}),
              err::Success);
    Show(91, PageId::MultiCheckPage);
    Check(true, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kRecycleBin, "Attributes"),
              (RegValue{regtype::Binary, {0x61, 0x02, 0x03, 0x04}}));
    EXPECT_EQ(Get(hive::ClassesRoot, kRecycleBin, "CallForAttributes"), DwordValue(0));
}

TEST_F(DesktopExplorerConformance, ExploreFromHereAndOpenWithPrograms) {
    Show(104, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kExplore + "\\command", ""),
              SzValue("explorer.exe /e,/root,\"%1\""));
    Show(104, PageId::MultiCheckPage);
    EXPECT_TRUE(Checked());
    Check(false);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::ClassesRoot, kExplore));

    Make(hive::ClassesRoot, kProgram + "\\shell");
    Show(119, PageId::ValueListPage);
    int row = -1;
    for (int i = 0; i < pages_.ListGetItemCount(page_, ctl::ValueList); ++i) {
        if (pages_.ListGetItemText(page_, ctl::ValueList, i, 0) == "tallowick-conformance.exe")
            row = i;
    }
    ASSERT_GE(row, 0);
    EXPECT_TRUE(pages_.ListGetCheckState(page_, ctl::ValueList, row));
    pages_.ListSetCheckState(page_, ctl::ValueList, row, false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kProgram, "NoOpenWith"), (RegValue{regtype::Sz, {}}));
    EXPECT_TRUE(host_.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
