// The Login and Authentication tweaks' handwritten handlers and irregular data through the
// application core; what every declaration does with regular data is covered by its
// properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kDesktop = ".DEFAULT\\Control Panel\\Desktop";

class LoginTest : public TweakTest {
  protected:
    std::optional<RegValue> Default(const char* name) {
        return ReadValue(registry, hive::Users, kDesktop, name);
    }
    bool Ticked() { return pages.IsChecked(PageId::PathEditPage, ctl::MainCheck); }
    int Colour() { return pages.ComboGetCurSel(PageId::ComboCheckPage, ctl::ColourCombo); }
    std::string ColourText() {
        return pages.ComboGetItemText(PageId::ComboCheckPage, ctl::ColourCombo, Colour());
    }
};

TEST_F(LoginTest, ScreenSaverKeepsToTheDefaultUserAndStoresASystemSaverByName) {
    host.windowsDirectory = "C:\\WINDOWS";
    const std::string user =
        "[HKCU\\Control Panel\\Desktop]\n\"ScreenSaveActive\"=\"1\"\n"
        "\"SCRNSAVE.EXE\"=\"mine.scr\"\n";
    Load(user +
         "[HKU\\.DEFAULT\\Control Panel\\Desktop]\n\"ScreenSaveActive\"=\"0\"\n"
         "\"SCRNSAVE.EXE\"=\"logon.scr\"\n\"ScreenSaveTimeOut\"=\"600\"\n");
    const std::string before = Export(hive::CurrentUser, "Control Panel");
    Show(159);
    EXPECT_FALSE(Ticked());
    EXPECT_EQ(Edit(ctl::Edit1), "logon.scr") << "filled while the box is clear";
    EXPECT_EQ(Edit(ctl::Edit2), "600");
    EXPECT_FALSE(pages.IsControlEnabled(PageId::PathEditPage, ctl::Edit1));
    EXPECT_FALSE(pages.IsControlEnabled(PageId::PathEditPage, ctl::Browse1));
    core.OnPageButton(PageId::PathEditPage, ctl::MainCheck);
    EXPECT_FALSE(pages.IsControlEnabled(PageId::PathEditPage, ctl::Edit2)) << "still clear";
    pages.SetCheck(PageId::PathEditPage, ctl::MainCheck, true);
    core.OnPageButton(PageId::PathEditPage, ctl::MainCheck);
    EXPECT_TRUE(pages.IsControlEnabled(PageId::PathEditPage, ctl::Edit2));

    Type(ctl::Edit1, "\"C:\\WINDOWS\\System32\\ssstars.scr\"");
    Apply();
    EXPECT_EQ(Default("ScreenSaveActive"), SzValue("1"));
    EXPECT_EQ(Default("SCRNSAVE.EXE"), SzValue("ssstars.scr"));
    EXPECT_EQ(Default("ScreenSaveTimeOut"), SzValue("600"));
    EXPECT_EQ(Export(hive::CurrentUser, "Control Panel"), before);
    EXPECT_EQ(DateOf(159), kToday);

    // Switched off, the saver keeps its file and time-out; a saver elsewhere keeps its path.
    Show(159);
    pages.SetCheck(PageId::PathEditPage, ctl::MainCheck, false);
    Apply();
    EXPECT_EQ(Default("ScreenSaveActive"), SzValue("0"));
    EXPECT_EQ(Default("SCRNSAVE.EXE"), SzValue("ssstars.scr"));
    Type(ctl::Edit1, "\"D:\\Savers\\system32\\x.scr\"");
    Type(ctl::Edit2, "");
    Apply();
    EXPECT_EQ(Default("SCRNSAVE.EXE"), SzValue("D:\\Savers\\system32\\x.scr"));
    EXPECT_EQ(Default("ScreenSaveTimeOut"), std::nullopt);
    Type(ctl::Edit1, "C:\\WINDOWS\\system32\\");
    Apply();
    EXPECT_EQ(Default("SCRNSAVE.EXE"), std::nullopt) << "nothing left of the path";
    EXPECT_EQ(Export(hive::CurrentUser, "Control Panel"), before);
}

TEST_F(LoginTest, BackgroundColourShowsNamedSharedUnnamedAndMissingColours) {
    const std::string colours = ".DEFAULT\\Control Panel\\Colors";
    Load("[HKU\\.DEFAULT\\Control Panel\\Colors]\n[HKU\\.DEFAULT\\Control Panel\\Desktop]\n");
    Show(161);
    EXPECT_EQ(Colour(), -1);
    Apply();
    EXPECT_EQ(Get(kWinlogon, "Background"), std::nullopt) << "no Winlogon key, nothing there";
    EXPECT_EQ(ReadValue(registry, hive::Users, colours, "Background"), SzValue("0 0 0"));
    EXPECT_EQ(Default("Wallpaper"), SzValue("(None)"));

    const std::pair<const char*, const char*> shown[] = {
        {"255 99 71", "Tomato"}, {"0 255 255", "Aqua"}, {"0 78 152", "0 78 152"}};
    for (const auto& [stored, name] : shown) {
        Load(std::string("[HKLM\\") + kWinlogon + "]\n\"Background\"=\"" + stored + "\"\n");
        Show(161);
        EXPECT_EQ(ColourText(), name);
        Apply();
        EXPECT_EQ(Get(kWinlogon, "Background"), SzValue(stored));
        EXPECT_EQ(ReadValue(registry, hive::Users, colours, "Background"), SzValue(stored));
    }
    EXPECT_EQ(pages.ComboGetCount(PageId::ComboCheckPage, ctl::ColourCombo), 141);
    Load(std::string("[HKLM\\") + kWinlogon + "]\n\"Background\"=\"0 0 128\"\n");
    Show(161);
    EXPECT_EQ(pages.ComboGetCount(PageId::ComboCheckPage, ctl::ColourCombo), 140);
    EXPECT_EQ(ColourText(), "Navy");
}

TEST_F(LoginTest, WallpaperIsStoredWithoutQuotesAndAlwaysSetsTilingAndPattern) {
    Load(
        "[HKU\\.DEFAULT\\Control Panel\\Desktop]\n\"Wallpaper\"=\"C:\\\\old.bmp\"\n"
        "\"TileWallpaper\"=\"1\"\n");
    Show(162);
    EXPECT_TRUE(Ticked());
    EXPECT_EQ(Edit(ctl::Edit1), "C:\\old.bmp");
    Type(ctl::Edit1, "");
    pages.SetCheck(PageId::PathEditPage, ctl::MainCheck, false);
    Apply();
    EXPECT_EQ(Default("Wallpaper"), SzValue("C:\\old.bmp"));
    EXPECT_EQ(Default("TileWallpaper"), SzValue("0"));
    EXPECT_EQ(Default("Pattern"), SzValue("(None)"));
    Type(ctl::Edit1, "\"C:\\new.bmp\"");
    Apply();
    EXPECT_EQ(Default("Wallpaper"), SzValue("C:\\new.bmp"));
}

TEST_F(LoginTest, LastUserNameGoesWhereEachWindowsKeepsIt) {
    const std::string policies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
    Load(std::string("[HKLM\\") + kWinlogon + "]\n[HKLM\\" + policies +
         "]\n\"DontDisplayLastUserName\"=dword:1\n[HKLM\\Network\\Logon]\n");
    struct Case {
        OsVersion version;
        std::string key;
        std::optional<RegValue> hidden;
    };
    const Case cases[] = {{kWinNT4, kWinlogon, DwordValue(1)},
                          {kWin2000, policies, DwordValue(1)},
                          {kWinXP, policies, DwordValue(1)},
                          {kWin98, "Network\\Logon", SzValue("1")}};
    for (const Case& c : cases) {
        host.version = c.version;
        Show(169);
        Check(true);
        Apply();
        EXPECT_EQ(
            Get(c.key, c.key == "Network\\Logon" ? "DontShowLastUser" : "DontDisplayLastUserName"),
            c.hidden);
        Show(169);
        EXPECT_TRUE(Checked());
    }
    host.version = kWinMe;
    Show(169);
    Check(false);
    Apply();
    EXPECT_EQ(Get("Network\\Logon", "DontShowLastUser"), SzValue("0"));

    const std::string saved = registry.ExportRegText(hive::LocalMachine, "");
    for (OsVersion refused : {kWin95, kWinVista}) {
        host.version = refused;
        Show(169);
        Check(true);
        Apply();
        ExpectAlert("These Tweak active only on Windows 2000/XP/98/Me/NT");
    }
    EXPECT_EQ(registry.ExportRegText(hive::LocalMachine, ""), saved);
}

TEST_F(LoginTest, WelcomeScreenShowsItsPolicyOnlyOnWindows2000) {
    const std::string explorer = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    Load("[HKLM\\" + explorer + "]\n\"NoWelcomeScreen\"=dword:1\n");
    host.version = kWinXP;
    Show(170);
    EXPECT_FALSE(Checked());
    Apply();
    ExpectAlert("These Tweak active only on Windows 2000");
    EXPECT_EQ(DateOf(170), kEarlier);
    host.version = kWin2000;
    Show(170);
    EXPECT_TRUE(Checked());
    Check(false);
    Apply();
    EXPECT_EQ(Get(explorer, "NoWelcomeScreen"), DwordValue(0));
}

TEST_F(LoginTest, LegalNoticeUsesTheKeyOfTheRunningWindowsAndDatesOnlyOnNt) {
    const std::string windows9x = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
    Load(std::string("[HKLM\\") + kWinlogon + "]\n\"LegalNoticeCaption\"=\"Warning\"\n[HKLM\\" +
         windows9x + "]\n");
    WriteValue(registry, hive::LocalMachine, kWinlogon, "LegalNoticeText",
               SzValue("First line\r\nSecond line"));
    for (OsVersion nt : {kWinNT4, kWin2000, kWinXP}) {
        host.version = nt;
        Show(171);
        EXPECT_EQ(Edit(ctl::Edit1), "Warning");
        Apply();
        EXPECT_EQ(Get(kWinlogon, "LegalNoticeText"), SzValue("First line\r\nSecond line"));
    }
    EXPECT_EQ(DateOf(171), kToday);

    Load("[HKLM\\" + windows9x + "]\n\"LegalNoticeCaption\"=\"Old\"\n");
    host.version = kWin98;
    Show(171);
    EXPECT_EQ(Edit(ctl::Edit1), "Old");
    EXPECT_EQ(Edit(ctl::Edit2), "");
    Type(ctl::Edit2, "Text");
    Apply();
    EXPECT_EQ(Get(windows9x, "LegalNoticeText"), SzValue("Text"));
    host.version = kWin95;
    Type(ctl::Edit1, "");
    Type(ctl::Edit2, "");
    Apply();
    EXPECT_EQ(Get(windows9x, "LegalNoticeCaption"), std::nullopt);
    EXPECT_EQ(Get(windows9x, "LegalNoticeText"), std::nullopt);
    EXPECT_EQ(Get(kWinlogon, "LegalNoticeCaption"), SzValue("Warning"));
}

TEST_F(LoginTest, AutomaticLoginCountRefusesWhatIsNoCountAndDeletesOnlyWhenEmpty) {
    Load(std::string("[HKLM\\") + kWinlogon + "]\n\"AutoLogonCount\"=dword:5\n");
    host.version = kWinXP;
    Show(172);
    EXPECT_EQ(Edit(ctl::Edit1), "5");
    for (const char* wrong : {"O", "-1", "3x", "2147483648", "1 2"}) {
        Type(ctl::Edit1, wrong);
        Apply();
        ExpectAlert("Please Set the Number of Automatic Logins");
        EXPECT_EQ(Get(kWinlogon, "AutoLogonCount"), DwordValue(5)) << wrong;
        EXPECT_EQ(DateOf(172), kEarlier) << wrong;
    }
    Type(ctl::Edit1, "0");
    Apply();
    EXPECT_EQ(Get(kWinlogon, "AutoLogonCount"), DwordValue(0));
    Type(ctl::Edit1, " 2147483647 ");
    Apply();
    EXPECT_EQ(Get(kWinlogon, "AutoLogonCount"), DwordValue(2147483647));
    EXPECT_EQ(DateOf(172), kToday);

    host.version = kWin2000;
    Type(ctl::Edit1, "3");
    Apply();
    EXPECT_EQ(Get(kWinlogon, "AutoLogonCount"), SzValue("3"));
    EXPECT_EQ(Show(172).find("AutoLogonCount"), std::string::npos);
    EXPECT_EQ(Edit(ctl::Edit1), "3");
    Type(ctl::Edit1, "");
    Apply();
    EXPECT_EQ(Get(kWinlogon, "AutoLogonCount"), std::nullopt);
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
