#include "engine/os_gate.h"

#include <gtest/gtest.h>

#include <string>

#include "tweak_harness.h"

namespace tallowick {
namespace {

OsVersionInfo At(std::uint32_t platform, std::uint32_t major, std::uint32_t minor) {
    FakeHost host;
    host.version = OsVersion{major, minor, 0, platform};
    return OsVersionInfo(host);
}

// The predicates that hold, named "95 98 Me NT4 2000 XP".
std::string Holding(const OsVersionInfo& os) {
    const bool holds[] = {os.IsWin95(),  os.IsWin98(),   os.IsWinMe(),
                          os.IsWinNT4(), os.IsWin2000(), os.IsWinXP()};
    const char* names[] = {"95", "98", "Me", "NT4", "2000", "XP"};
    std::string out;
    for (int i = 0; i < 6; ++i) {
        if (holds[i])
            out += (out.empty() ? "" : " ") + std::string(names[i]);
    }
    return out;
}

TEST(OsVersionInfo, EachVersionSatisfiesItsOwnPredicateOnly) {
    struct Case {
        std::uint32_t platform, major, minor;
        const char* holding;
    };
    const Case cases[] = {
        {1, 4, 0, "95"},  {1, 4, 10, "98"},  {1, 4, 90, "Me"}, {1, 3, 10, "98"},  {1, 4, 3, ""},
        {2, 4, 0, "NT4"}, {2, 4, 10, "NT4"}, {2, 3, 51, ""},   {2, 5, 0, "2000"}, {2, 5, 1, "XP"},
        {2, 5, 2, "XP"},  {2, 6, 0, ""},     {2, 10, 0, ""},   {0, 5, 1, ""},     {3, 4, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Holding(At(c.platform, c.major, c.minor)), c.holding)
            << "platform " << c.platform << ", " << c.major << "." << c.minor;
    }
}

class CheckGateTest : public ::testing::Test {
  protected:
    static constexpr PageId kPage = PageId::MultiCheckPage;
    TweakHarness h;
    TweakContext ctx = h.Context(11);
};

TEST_F(CheckGateTest, RefusalShowsTheAlertAndFlipsOrClearsTheBoxOnlyWhenAsked) {
    h.host.version = OsVersion{6, 0, 6000, 2};
    h.pages.SetCheck(kPage, 1013, true);  // the user's click before Apply
    EXPECT_FALSE(CheckGate(ctx, gate::NtFamily, Refusal::FlipMainCheck, kPage));
    EXPECT_FALSE(h.pages.IsChecked(kPage, 1013));
    EXPECT_FALSE(CheckGate(ctx, gate::NtFamily, Refusal::FlipMainCheck, kPage));
    EXPECT_TRUE(h.pages.IsChecked(kPage, 1013));
    EXPECT_FALSE(CheckGate(ctx, gate::XpOnly, Refusal::Leave, kPage));
    EXPECT_TRUE(h.pages.IsChecked(kPage, 1013));
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(CheckGate(ctx, gate::XpOnly, Refusal::ClearMainCheck, kPage));
        EXPECT_FALSE(h.pages.IsChecked(kPage, 1013)) << "cleared, not flipped";
    }

    ASSERT_EQ(h.host.messageBoxes.size(), 5u);
    const FakeHost::MessageBoxCall& alert = h.host.messageBoxes[0];
    EXPECT_EQ(alert.owner, 0u);
    EXPECT_EQ(alert.text, "These Tweak active only on Windows NT/2000/XP");
    EXPECT_EQ(alert.caption, "A L E R T");
    EXPECT_EQ(alert.style, 0x10u);
    EXPECT_EQ(h.host.messageBoxes[2].text, "These Tweak active only on Windows XP");
    EXPECT_TRUE(h.registry.Calls().empty());
}

TEST_F(CheckGateTest, PassShowsNothingAndAlertsAreTranslated) {
    const Gate win2000XpNtText = WithAlert(gate::Win2000Xp, kStringOnlyNt2000Xp);
    h.host.version = OsVersion{5, 2, 3790, 2};
    h.pages.SetCheck(kPage, 1013, true);
    EXPECT_TRUE(CheckGate(ctx, win2000XpNtText, Refusal::FlipMainCheck, kPage));
    EXPECT_TRUE(h.pages.IsChecked(kPage, 1013));
    EXPECT_TRUE(h.host.messageBoxes.empty());

    ASSERT_TRUE(h.registry.LoadRegText(
        "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Quenby Manager]\n\"Language\"=\"Test\"\n"));
    h.host.files[h.host.programFolder + "\\Language\\Test.ini"] =
        "[QuenbyManagerStringTable]\r\n2001=Achtung\r\n2002=Nur NT\r\n";
    h.language.ReadLanguageName();
    h.host.version = OsVersion{4, 0, 1381, 2};
    EXPECT_FALSE(CheckGate(ctx, win2000XpNtText, Refusal::Leave, kPage));
    ASSERT_EQ(h.host.messageBoxes.size(), 1u);
    EXPECT_EQ(h.host.messageBoxes[0].text, "Nur NT");
    EXPECT_EQ(h.host.messageBoxes[0].caption, "Achtung");
}

}  // namespace
}  // namespace tallowick
