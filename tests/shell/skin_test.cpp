// Reading skin and splash files: what a valid file gives, and that every kind of damage
// refuses the whole file with the line that is wrong.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "shell/skin.h"

namespace tallowick {
namespace {

constexpr const char* kSkin =
    "; a comment\r\n"
    "[Skin]\r\n"
    "Version=1\r\n"
    "Name=Daylight\r\n"
    "\r\n"
    "[Main]\r\n"
    "Background=236 240 246\r\n"
    "Text=20 32 64\r\n"
    "Font=Tahoma, 8\r\n"
    "[checkbox]\n"
    "font=Verdana,9,bold\n"
    "[Radio Button]\n"
    "# nothing set: drawn the Windows way\n"
    "[Element Help]\n"
    "Text=Help\n"
    "Rect=478, 2, 40, 10\n"
    "Text Color=0 70 160\n";

TEST(SkinFile, ValidFileGivesClassesAndElements) {
    std::string error;
    const auto skin = ParseSkin(kSkin, &error);
    ASSERT_TRUE(skin) << error;
    EXPECT_EQ(skin->name, "Daylight");
    const SkinClass* main = skin->FindClass("MAIN");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->background, (SkinColour{236, 240, 246}));
    EXPECT_EQ(main->text, (SkinColour{20, 32, 64}));
    EXPECT_EQ(main->font, (SkinFont{"Tahoma", 8, false}));
    const SkinClass* check = skin->FindClass("CheckBox");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->font, (SkinFont{"Verdana", 9, true}));
    EXPECT_FALSE(check->background);
    ASSERT_NE(skin->FindClass("Radio Button"), nullptr);
    EXPECT_EQ(skin->FindClass("Label"), nullptr);

    ASSERT_EQ(skin->elements.size(), 1u);
    const SkinElement& help = skin->elements[0];
    EXPECT_EQ(help.name, "Help");
    EXPECT_EQ(help.text, "Help");
    EXPECT_EQ((std::array{help.x, help.y, help.width, help.height}), (std::array{478, 2, 40, 10}));
    EXPECT_EQ(help.look.text, (SkinColour{0, 70, 160}));
}

TEST(SkinFile, DamageRefusesTheWholeFileAndSaysWhere) {
    const std::string header = "[Skin]\nVersion=1\n";
    struct Case {
        std::string text;
        std::string where;
    } cases[] = {
        {"", "line 1"},
        {"binary\x01garbage", "line 1"},
        {"[Main]\nBackground=1 2 3\n", "must start with [Skin]"},
        {"[Skin]\nName=x\n", "no Version"},
        {"[Skin]\nVersion=2\n", "unknown version"},
        {header + "[Main]\nBackground=1 2\n", "line 4"},
        {header + "[Main]\nBackground=1 2 256\n", "line 4"},
        {header + "[Main]\nBackground=-1 2 3\n", "line 4"},
        {header + "[Main]\nFont=Tahoma\n", "line 4"},
        {header + "[Main]\nFont=Tahoma,0\n", "line 4"},
        {header + "[Main]\nFont=Tahoma,8,italic\n", "line 4"},
        {header + "[Main]\nColour=1 2 3\n", "unknown key colour"},
        {header + "[Main]\n[MAIN]\n", "given twice"},
        {header + "[Main]\nText=1 2 3\ntext=1 2 3\n", "given twice"},
        {header + "[Main\n", "without ']'"},
        {header + "[Element Help]\nText=Help\n", "has no Rect"},
        {header + "[Element Help]\nRect=1,2,0,4\n", "line 4"},
        {header + "[Element ]\nRect=1,2,3,4\n", "without a name"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseSkin(c.text, &error)) << c.text;
        EXPECT_NE(error.find(c.where), std::string::npos) << c.text << " gave: " << error;
    }
}

TEST(SplashFile, ValuesAndLimits) {
    const auto splash = ParseSplash(
        "[Splash]\nVersion=1\nTitle=Tallowick\nSubtitle=Settings\nBackground=1 2 3\n"
        "Accent=4 5 6\nText=7 8 9\nWidth=400\nHeight=150\nMilliseconds=0\n");
    ASSERT_TRUE(splash);
    EXPECT_EQ(splash->title, "Tallowick");
    EXPECT_EQ(splash->subtitle, "Settings");
    EXPECT_EQ(splash->background, (SkinColour{1, 2, 3}));
    EXPECT_EQ(splash->accent, (SkinColour{4, 5, 6}));
    EXPECT_EQ(splash->text, (SkinColour{7, 8, 9}));
    EXPECT_EQ(splash->width, 400);
    EXPECT_EQ(splash->height, 150);
    EXPECT_EQ(splash->milliseconds, 0);

    for (const char* bad : {"[Splash]\nVersion=1\nWidth=99\n", "[Splash]\nVersion=1\nHeight=601\n",
                            "[Splash]\nVersion=1\nMilliseconds=5001\n",
                            "[Splash]\nVersion=1\n[Other]\n", "[Skin]\nVersion=1\n"}) {
        EXPECT_FALSE(ParseSplash(bad)) << bad;
    }
}

}  // namespace
}  // namespace tallowick
