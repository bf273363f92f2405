// The Start up and Shutdown tweaks' irregular data, the boot file and the alerts, through
// the application core; what every declaration does with regular data is covered by its
// properties.
#include <gtest/gtest.h>

#include <string>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kBoot = "C:\\boot.ini";
constexpr const char* kStandard =
    "[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
    "[operating systems]\r\nmulti(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"XP\" /fastdetect\r\n";

class StartupTest : public TweakTest {
  protected:
    bool Ticked() { return pages.IsChecked(PageId::ComboCheckPage, ctl::MainCheck); }
    void Tick(bool on) { pages.SetCheck(PageId::ComboCheckPage, ctl::MainCheck, on); }
    // The boot file after showing the page, setting it and applying.
    std::string BootAfter(const std::string& file, bool ticked, int item) {
        host.files[kBoot] = file;
        Show(222);
        Tick(ticked);
        Select(item);
        Apply();
        return host.files[kBoot];
    }
};

TEST_F(StartupTest, BootMenuChangesOnlyTheTimeoutOfTheBootLoader) {
    std::string expected = kStandard;
    expected.replace(expected.find("30"), 2, "0");
    EXPECT_EQ(BootAfter(kStandard, false, -1), expected) << "one byte shorter";
    host.files[kBoot] = kStandard;
    Show(222);
    EXPECT_TRUE(Ticked());
    EXPECT_EQ(Selected(), 30);

    EXPECT_EQ(BootAfter("[boot loader]\r\ndefault=a\r\ntimeout=5\r\n", true, 2),
              "[boot loader]\r\ndefault=a\r\ntimeout=2\r\n");
    EXPECT_EQ(BootAfter("[Boot Loader]\nTimeOut = 10\n[x]\ntimeout=9", true, 3),
              "[Boot Loader]\nTimeOut = 3\n[x]\ntimeout=9");
    EXPECT_EQ(BootAfter("[boot loader]\ntimeout=7", true, 12), "[boot loader]\ntimeout=12")
        << "the value runs to the end";
    for (const char* kept : {"[operating systems]\r\ntimeout=30\r\n", "timeout=30\r\n"})
        EXPECT_EQ(BootAfter(kept, false, -1), kept) << "no time-out line";
    // Waiting for ever shows as a ticked box without a choice, which changes nothing.
    host.files[kBoot] = "[boot loader]\r\ntimeout=-1\r\n";
    Show(222);
    EXPECT_TRUE(Ticked());
    Apply();
    EXPECT_EQ(host.files[kBoot], "[boot loader]\r\ntimeout=-1\r\n");
    EXPECT_EQ(BootAfter(kStandard, true, -1), kStandard) << "no choice, no wait for ever";
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(DateOf(222), kEarlier) << "never recorded";
}

TEST_F(StartupTest, BootFileKeepsItsAttributesAndProblemsAreReported) {
    host.attributes[kBoot] = fileattr::Hidden | fileattr::System;
    EXPECT_NE(BootAfter(kStandard, false, -1), kStandard);
    EXPECT_EQ(host.AttributesOf(kBoot), fileattr::Hidden | fileattr::System);
    EXPECT_EQ(host.files["C:\\boot.ini.old"], kStandard);
    EXPECT_FALSE(host.FileExists("C:\\boot.ini.new"));

    const std::string alert =
        "Tallowick could not change the file c:\\boot.ini. It may be missing, read-only or in use.";
    host.attributes[kBoot] = fileattr::ReadOnly;
    EXPECT_EQ(BootAfter(kStandard, true, 5), kStandard);
    ExpectAlert(alert);
    host.attributes.clear();
    host.failReads.insert(kBoot);
    EXPECT_EQ(BootAfter(kStandard, true, 5), kStandard);
    ExpectAlert(alert);
    host.failReads.clear();
    host.failRenames.insert(kBoot);
    EXPECT_EQ(BootAfter(kStandard, true, 5), kStandard);
    ExpectAlert(alert);
    EXPECT_FALSE(host.FileExists("C:\\boot.ini.new"));
    host.files.clear();
    Show(222);
    Tick(true);
    Select(5);
    Apply();
    ExpectAlert(alert);
    EXPECT_FALSE(host.FileExists(kBoot)) << "not made";
}

}  // namespace
}  // namespace tallowick
