// The skin and splash files of the program folder, read into plain descriptions that the
// Windows program paints from.
//
// Both files are 8-bit text in sections, like an initialisation file:
//
//   ; comment lines start with ';' or '#'
//   [Skin]                      first section of a skin file; Version=1 is required
//   Version=1
//   Name=Tallowick Daylight     optional
//
//   [Main]                      one section per skin class, named as the program asks
//   Background=236 240 246      red green blue, each 0..255
//   Text=20 32 64
//   Font=Tahoma,8               face, points (1..72), optional ",bold"
//
//   [Element Help]              a clickable element on the main window
//   Text=Help
//   Rect=478,2,40,10            x,y,width,height in dialog units of the main window
//   Text Color=0 70 160         the other keys of a class section apply too
//
// A class section may give any of Background, Text and Font; what it leaves out is drawn
// the Windows way. Keys and section names are matched without regard to case; an unknown
// key, a malformed value or a repeated section makes the whole file invalid, so a damaged
// skin is refused rather than half applied.
//
// A splash file has a single [Splash] section with Version=1, Title, Subtitle, Background,
// Accent, Text (colours), Width and Height (pixels, 100..800 by 60..600) and Milliseconds
// (how long it stays, 0..5000).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tallowick {

struct SkinColour {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const SkinColour&) const = default;
};

struct SkinFont {
    std::string face;
    int points = 8;
    bool bold = false;
    bool operator==(const SkinFont&) const = default;
};

// How the windows of one skin class are drawn.
struct SkinClass {
    std::optional<SkinColour> background;
    std::optional<SkinColour> text;
    std::optional<SkinFont> font;
};

// A clickable element the skin puts on the main window; clicking it reports `name`.
struct SkinElement {
    std::string name;  // from the section name "[Element <name>]"
    std::string text;
    int x = 0, y = 0, width = 0, height = 0;  // dialog units
    SkinClass look;
};

struct Skin {
    std::string name;
    // Keyed by class name in lower case.
    std::map<std::string, SkinClass> classes;
    std::vector<SkinElement> elements;

    // The class named `name` (any case), or null when the skin has none of that name.
    const SkinClass* FindClass(const std::string& name) const;
};

struct Splash {
    std::string title;
    std::string subtitle;
    SkinColour background{255, 255, 255};
    SkinColour accent{0, 0, 0};
    SkinColour text{0, 0, 0};
    int width = 360;
    int height = 160;
    int milliseconds = 800;
};

// The skin in `text`, or nullopt when the text is not a valid skin file. `error`, when
// given, receives the first fault found (line number and what is wrong).
std::optional<Skin> ParseSkin(const std::string& text, std::string* error = nullptr);

// The splash in `text`, or nullopt when it is not a valid splash file.
std::optional<Splash> ParseSplash(const std::string& text, std::string* error = nullptr);

}  // namespace tallowick
