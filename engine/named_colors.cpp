#include "engine/named_colors.h"

#include <string>

#include "platform/registry.h"

namespace tallowick {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr std::uint32_t Red(std::uint32_t colour) {
    return colour & 0xFF;
}
constexpr std::uint32_t Green(std::uint32_t colour) {
    return (colour >> 8) & 0xFF;
}
constexpr std::uint32_t Blue(std::uint32_t colour) {
    return (colour >> 16) & 0xFF;
}

}  // namespace

const std::array<NamedColor, 140>& NamedColorTable() {
    // Values as the colour keywords define them in rgb(red, green, blue).
    static constexpr std::array<NamedColor, 140> kTable{{
        {Rgb(240, 248, 255), "AliceBlue"},
        {Rgb(250, 235, 215), "AntiqueWhite"},
        {Rgb(0, 255, 255), "Aqua"},
        {Rgb(127, 255, 212), "Aquamarine"},
        {Rgb(240, 255, 255), "Azure"},
        {Rgb(245, 245, 220), "Beige"},
        {Rgb(255, 228, 196), "Bisque"},
        {Rgb(0, 0, 0), "Black"},
        {Rgb(255, 235, 205), "BlanchedAlmond"},
        {Rgb(0, 0, 255), "Blue"},
        {Rgb(138, 43, 226), "BlueViolet"},
        {Rgb(165, 42, 42), "Brown"},
        {Rgb(222, 184, 135), "BurlyWood"},
        {Rgb(95, 158, 160), "CadetBlue"},
        {Rgb(127, 255, 0), "Chartreuse"},
        {Rgb(210, 105, 30), "Chocolate"},
        {Rgb(255, 127, 80), "Coral"},
        {Rgb(100, 149, 237), "CornflowerBlue"},
        {Rgb(255, 248, 220), "Cornsilk"},
        {Rgb(220, 20, 60), "Crimson"},
        {Rgb(0, 255, 255), "Cyan"},
        {Rgb(0, 0, 139), "DarkBlue"},
        {Rgb(0, 139, 139), "DarkCyan"},
        {Rgb(184, 134, 11), "DarkGoldenrod"},
        {Rgb(169, 169, 169), "DarkGray"},
        {Rgb(0, 100, 0), "DarkGreen"},
        {Rgb(189, 183, 107), "DarkKhaki"},
        {Rgb(139, 0, 139), "DarkMagenta"},
        {Rgb(85, 107, 47), "DarkOliveGreen"},
        {Rgb(255, 140, 0), "DarkOrange"},
        {Rgb(153, 50, 204), "DarkOrchid"},
        {Rgb(139, 0, 0), "DarkRed"},
        {Rgb(233, 150, 122), "DarkSalmon"},
        {Rgb(143, 188, 143), "DarkSeaGreen"},
        {Rgb(72, 61, 139), "DarkSlateBlue"},
        {Rgb(47, 79, 79), "DarkSlateGray"},
        {Rgb(0, 206, 209), "DarkTurquoise"},
        {Rgb(148, 0, 211), "DarkViolet"},
        {Rgb(255, 20, 147), "DeepPink"},
        {Rgb(0, 191, 255), "DeepSkyBlue"},
        {Rgb(105, 105, 105), "DimGray"},
        {Rgb(30, 144, 255), "DodgerBlue"},
        {Rgb(178, 34, 34), "FireBrick"},
        {Rgb(255, 250, 240), "FloralWhite"},
        {Rgb(34, 139, 34), "ForestGreen"},
        {Rgb(255, 0, 255), "Fuchsia"},
        {Rgb(220, 220, 220), "Gainsboro"},
        {Rgb(248, 248, 255), "GhostWhite"},
        {Rgb(255, 215, 0), "Gold"},
        {Rgb(218, 165, 32), "Goldenrod"},
        {Rgb(128, 128, 128), "Gray"},
        {Rgb(0, 128, 0), "Green"},
        {Rgb(173, 255, 47), "GreenYellow"},
        {Rgb(240, 255, 240), "Honeydew"},
        {Rgb(255, 105, 180), "HotPink"},
        {Rgb(205, 92, 92), "IndianRed"},
        {Rgb(75, 0, 130), "Indigo"},
        {Rgb(255, 255, 240), "Ivory"},
        {Rgb(240, 230, 140), "Khaki"},
        {Rgb(230, 230, 250), "Lavender"},
        {Rgb(255, 240, 245), "LavenderBlush"},
        {Rgb(124, 252, 0), "LawnGreen"},
        {Rgb(255, 250, 205), "LemonChiffon"},
        {Rgb(173, 216, 230), "LightBlue"},
        {Rgb(240, 128, 128), "LightCoral"},
        {Rgb(224, 255, 255), "LightCyan"},
        {Rgb(250, 250, 210), "LightGoldenrodYellow"},
        {Rgb(144, 238, 144), "LightGreen"},
        {Rgb(211, 211, 211), "LightGrey"},
        {Rgb(255, 182, 193), "LightPink"},
        {Rgb(255, 160, 122), "LightSalmon"},
        {Rgb(32, 178, 170), "LightSeaGreen"},
        {Rgb(135, 206, 250), "LightSkyBlue"},
        {Rgb(119, 136, 153), "LightSlateGray"},
        {Rgb(176, 196, 222), "LightSteelBlue"},
        {Rgb(255, 255, 224), "LightYellow"},
        {Rgb(0, 255, 0), "Lime"},
        {Rgb(50, 205, 50), "LimeGreen"},
        {Rgb(250, 240, 230), "Linen"},
        {Rgb(255, 0, 255), "Magenta"},
        {Rgb(128, 0, 0), "Maroon"},
        {Rgb(102, 205, 170), "MediumAquamarine"},
        {Rgb(0, 0, 205), "MediumBlue"},
        {Rgb(186, 85, 211), "MediumOrchid"},
        {Rgb(147, 112, 219), "MediumPurple"},
        {Rgb(60, 179, 113), "MediumSeaGreen"},
        {Rgb(123, 104, 238), "MediumSlateBlue"},
        {Rgb(0, 250, 154), "MediumSpringGreen"},
        {Rgb(72, 209, 204), "MediumTurquoise"},
        {Rgb(199, 21, 133), "MediumVioletRed"},
        {Rgb(25, 25, 112), "MidnightBlue"},
        {Rgb(245, 255, 250), "MintCream"},
        {Rgb(255, 228, 225), "MistyRose"},
        {Rgb(255, 228, 181), "Moccasin"},
        {Rgb(255, 222, 173), "NavajoWhite"},
        {Rgb(0, 0, 128), "Navy"},
        {Rgb(253, 245, 230), "OldLace"},
        {Rgb(128, 128, 0), "Olive"},
        {Rgb(107, 142, 35), "OliveDrab"},
        {Rgb(255, 165, 0), "Orange"},
        {Rgb(255, 69, 0), "OrangeRed"},
        {Rgb(218, 112, 214), "Orchid"},
        {Rgb(238, 232, 170), "PaleGoldenrod"},
        {Rgb(152, 251, 152), "PaleGreen"},
        {Rgb(175, 238, 238), "PaleTurquoise"},
        {Rgb(219, 112, 147), "PaleVioletRed"},
        {Rgb(255, 239, 213), "PapayaWhip"},
        {Rgb(255, 218, 185), "PeachPuff"},
        {Rgb(205, 133, 63), "Peru"},
        {Rgb(255, 192, 203), "Pink"},
        {Rgb(221, 160, 221), "Plum"},
        {Rgb(176, 224, 230), "PowderBlue"},
        {Rgb(128, 0, 128), "Purple"},
        {Rgb(255, 0, 0), "Red"},
        {Rgb(188, 143, 143), "RosyBrown"},
        {Rgb(65, 105, 225), "RoyalBlue"},
        {Rgb(139, 69, 19), "SaddleBrown"},
        {Rgb(250, 128, 114), "Salmon"},
        {Rgb(244, 164, 96), "SandyBrown"},
        {Rgb(46, 139, 87), "SeaGreen"},
        {Rgb(255, 245, 238), "Seashell"},
        {Rgb(160, 82, 45), "Sienna"},
        {Rgb(192, 192, 192), "Silver"},
        {Rgb(135, 206, 235), "SkyBlue"},
        {Rgb(106, 90, 205), "SlateBlue"},
        {Rgb(112, 128, 144), "SlateGray"},
        {Rgb(255, 250, 250), "Snow"},
        {Rgb(0, 255, 127), "SpringGreen"},
        {Rgb(70, 130, 180), "SteelBlue"},
        {Rgb(210, 180, 140), "Tan"},
        {Rgb(0, 128, 128), "Teal"},
        {Rgb(216, 191, 216), "Thistle"},
        {Rgb(255, 99, 71), "Tomato"},
        {Rgb(64, 224, 208), "Turquoise"},
        {Rgb(238, 130, 238), "Violet"},
        {Rgb(245, 222, 179), "Wheat"},
        {Rgb(255, 255, 255), "White"},
        {Rgb(245, 245, 245), "WhiteSmoke"},
        {Rgb(255, 255, 0), "Yellow"},
        {Rgb(154, 205, 50), "YellowGreen"},
    }};
    return kTable;
}

void FillColorCombo(Pages& pages, PageId page, int id) {
    pages.ComboReset(page, id);
    for (const NamedColor& entry : NamedColorTable()) {
        const int index = pages.ComboAddString(page, id, entry.name);
        // CB_ERRSPACE (or CB_ERR): the list is full, and so is every later add.
        if (index < 0)
            break;
        pages.ComboSetItemData(page, id, index, static_cast<std::intptr_t>(entry.colour));
    }
}

std::uint32_t SelectedColor(const Pages& pages, PageId page, int id) {
    const int selected = pages.ComboGetCurSel(page, id);
    if (selected < 0)
        return 0;
    return static_cast<std::uint32_t>(pages.ComboGetItemData(page, id, selected));
}

void SelectColor(Pages& pages, PageId page, int id, std::uint32_t colour) {
    const int count = pages.ComboGetCount(page, id);
    for (int i = 0; i < count; ++i) {
        if (static_cast<std::uint32_t>(pages.ComboGetItemData(page, id, i)) == colour) {
            pages.ComboSetCurSel(page, id, i);
            return;
        }
    }
}

std::vector<std::uint8_t> ColorToBinary(std::uint32_t colour) {
    return DwordBytes(colour);
}

std::string ColorToText(std::uint32_t colour) {
    return std::to_string(Red(colour)) + " " + std::to_string(Green(colour)) + " " +
           std::to_string(Blue(colour));
}

}  // namespace tallowick
