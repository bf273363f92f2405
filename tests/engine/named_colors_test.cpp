#include "engine/named_colors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/memory/memory_pages.h"

namespace tallowick {
namespace {

constexpr PageId kPage = PageId::ComboCheckPage;
constexpr int kCombo = 1055;

class NamedColorsTest : public ::testing::Test {
  protected:
    MemoryPages pages{{{kPage, {{kCombo, ControlKind::ColourCombo, "", true, true}}}}};
};

TEST_F(NamedColorsTest, FillListsEveryNameInTableOrderWithItsColour) {
    const auto& table = NamedColorTable();
    auto colourOf = [&](std::string_view name) -> std::optional<std::uint32_t> {
        for (const NamedColor& entry : table) {
            if (entry.name == name)
                return entry.colour;
        }
        return std::nullopt;
    };
    EXPECT_EQ(colourOf("AliceBlue"), 0x00FFF8F0u);
    EXPECT_EQ(colourOf("Black"), 0x00000000u);
    EXPECT_EQ(colourOf("Tomato"), 0x004763FFu);
    EXPECT_EQ(colourOf("YellowGreen"), 0x0032CD9Au);
    EXPECT_EQ(colourOf("Seashell"), 0x00EEF5FFu);
    EXPECT_EQ(colourOf("LightGrey"), 0x00D3D3D3u);
    EXPECT_EQ(colourOf("SlateGray"), 0x00908070u);
    EXPECT_EQ(colourOf("Grey"), std::nullopt) << "one spelling per colour";

    // Filling twice must not add the names twice.
    pages.ComboAddString(kPage, kCombo, "Stale");
    FillColorCombo(pages, kPage, kCombo);
    FillColorCombo(pages, kPage, kCombo);
    ASSERT_EQ(pages.ComboGetCount(kPage, kCombo), 140);
    EXPECT_EQ(pages.ComboGetItemText(kPage, kCombo, 0), "AliceBlue");
    EXPECT_EQ(pages.ComboGetItemText(kPage, kCombo, 139), "YellowGreen");
    // The combo sorts its items, so any name out of order would land elsewhere.
    for (int i = 0; i < 140; ++i) {
        EXPECT_EQ(pages.ComboGetItemText(kPage, kCombo, i), table[i].name) << i;
        EXPECT_EQ(pages.ComboGetItemData(kPage, kCombo, i), table[i].colour) << table[i].name;
    }
}

TEST_F(NamedColorsTest, SelectingByColour) {
    EXPECT_EQ(SelectedColor(pages, kPage, kCombo), 0u);
    SelectColor(pages, kPage, kCombo, 0x00FFFF00);  // an empty list stays without selection
    EXPECT_EQ(pages.ComboGetCurSel(kPage, kCombo), -1);

    FillColorCombo(pages, kPage, kCombo);
    EXPECT_EQ(SelectedColor(pages, kPage, kCombo), 0u) << "nothing selected reads as black";

    SelectColor(pages, kPage, kCombo, 0x00FFFF00);  // (0, 255, 255): Aqua and Cyan
    EXPECT_EQ(pages.GetText(kPage, kCombo), "Aqua");
    EXPECT_EQ(SelectedColor(pages, kPage, kCombo), 0x00FFFF00u);

    SelectColor(pages, kPage, kCombo, 0x004763FF);
    EXPECT_EQ(pages.GetText(kPage, kCombo), "Tomato");
    SelectColor(pages, kPage, kCombo, 0x00123456);  // no named colour
    EXPECT_EQ(pages.GetText(kPage, kCombo), "Tomato");
    EXPECT_EQ(SelectedColor(pages, kPage, kCombo), 0x004763FFu);
}

TEST(NamedColorsForms, BinaryAndText) {
    EXPECT_EQ(ColorToBinary(0x004763FF), (std::vector<std::uint8_t>{255, 99, 71, 0}));
    EXPECT_EQ(ColorToText(0x004763FF), "255 99 71");
    EXPECT_EQ(ColorToBinary(0), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(ColorToText(0), "0 0 0");
    EXPECT_EQ(ColorToText(0x00FFF8F0), "240 248 255");
}

}  // namespace
}  // namespace tallowick
