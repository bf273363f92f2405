#include "shell/skin.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <set>
#include <utility>

namespace tallowick {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

struct Entry {
    std::string key;  // lower case
    std::string value;
    int line;
};

struct Section {
    std::string name;  // as written
    int line;
    std::vector<Entry> entries;
};

// A fault found while reading: the line and what is wrong, or nothing.
struct Fault {
    int line = 0;
    std::string what;
    explicit operator bool() const { return !what.empty(); }
};

Fault Report(int line, std::string what) {
    return Fault{line, std::move(what)};
}

// Splits the text into sections of key=value lines. Text before the first section, a line
// that is neither, and a repeated section are faults.
Fault ReadSections(const std::string& text, std::vector<Section>& sections) {
    std::set<std::string> seen;
    std::size_t start = 0;
    int lineNo = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        ++lineNo;
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return Report(lineNo, "section name without ']'");
            const std::string name = Trim(line.substr(1, line.size() - 2));
            if (name.empty())
                return Report(lineNo, "empty section name");
            if (!seen.insert(Lower(name)).second)
                return Report(lineNo, "section [" + name + "] given twice");
            sections.push_back(Section{name, lineNo, {}});
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            return Report(lineNo, "expected key=value");
        if (sections.empty())
            return Report(lineNo, "key before the first section");
        const std::string key = Lower(Trim(line.substr(0, equals)));
        if (key.empty())
            return Report(lineNo, "empty key");
        for (const Entry& e : sections.back().entries) {
            if (e.key == key)
                return Report(lineNo, "key " + key + " given twice");
        }
        sections.back().entries.push_back(Entry{key, Trim(line.substr(equals + 1)), lineNo});
    }
    return {};
}

bool ParseInt(const std::string& text, int min, int max, int& out) {
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || value < min || value > max)
        return false;
    out = value;
    return true;
}

// Splits at `separator`, trimming each part.
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto at = text.find(separator, start);
        parts.push_back(Trim(text.substr(start, at - start)));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

std::optional<SkinColour> ParseColour(const std::string& text) {
    std::vector<std::string> parts;
    for (const std::string& part : Split(text, ' ')) {
        if (!part.empty())
            parts.push_back(part);
    }
    int rgb[3];
    if (parts.size() != 3)
        return std::nullopt;
    for (int i = 0; i < 3; ++i) {
        if (!ParseInt(parts[static_cast<std::size_t>(i)], 0, 255, rgb[i]))
            return std::nullopt;
    }
    return SkinColour{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                      static_cast<std::uint8_t>(rgb[2])};
}

std::optional<SkinFont> ParseFont(const std::string& text) {
    const std::vector<std::string> parts = Split(text, ',');
    if (parts.size() < 2 || parts.size() > 3 || parts[0].empty() || parts[0].size() > 31)
        return std::nullopt;
    SkinFont font;
    font.face = parts[0];
    if (!ParseInt(parts[1], 1, 72, font.points))
        return std::nullopt;
    if (parts.size() == 3) {
        if (Lower(parts[2]) != "bold")
            return std::nullopt;
        font.bold = true;
    }
    return font;
}

// A key shared by class sections and elements; false when `e` is not one of them.
// A malformed value of a known key is a fault.
bool ReadLookKey(const Entry& e, SkinClass& look, Fault& fault) {
    if (e.key == "background" || e.key == "text color") {
        auto colour = ParseColour(e.value);
        if (!colour)
            fault = Report(e.line, "colour must be three numbers 0..255: " + e.value);
        (e.key == "background" ? look.background : look.text) = colour;
        return true;
    }
    if (e.key == "font") {
        look.font = ParseFont(e.value);
        if (!look.font)
            fault = Report(e.line, "font must be face,points[,bold]: " + e.value);
        return true;
    }
    return false;
}

Fault ReadClass(const Section& section, SkinClass& look) {
    for (const Entry& e : section.entries) {
        Fault fault;
        // In a class section "Text" is the text colour; elements use "Text Color".
        Entry entry = e;
        if (entry.key == "text")
            entry.key = "text color";
        if (!ReadLookKey(entry, look, fault))
            return Report(e.line, "unknown key " + e.key);
        if (fault)
            return fault;
    }
    return {};
}

Fault ReadElement(const Section& section, const std::string& name, SkinElement& element) {
    element.name = name;
    bool hasRect = false;
    for (const Entry& e : section.entries) {
        Fault fault;
        if (e.key == "text") {
            element.text = e.value;
        } else if (e.key == "rect") {
            const std::vector<std::string> parts = Split(e.value, ',');
            int v[4];
            bool ok = parts.size() == 4;
            for (std::size_t i = 0; ok && i < 4; ++i)
                ok = ParseInt(parts[i], 0, 2000, v[i]);
            if (!ok || v[2] == 0 || v[3] == 0)
                return Report(e.line, "rect must be x,y,width,height: " + e.value);
            element.x = v[0];
            element.y = v[1];
            element.width = v[2];
            element.height = v[3];
            hasRect = true;
        } else if (!ReadLookKey(e, element.look, fault)) {
            return Report(e.line, "unknown key " + e.key);
        }
        if (fault)
            return fault;
    }
    if (!hasRect)
        return Report(section.line, "element " + name + " has no Rect");
    return {};
}

// The [Skin] or [Splash] header section: first, with Version=1.
Fault CheckHeader(const std::vector<Section>& sections, const std::string& header) {
    if (sections.empty() || Lower(sections[0].name) != Lower(header))
        return Report(sections.empty() ? 1 : sections[0].line,
                      "the file must start with [" + header + "]");
    for (const Entry& e : sections[0].entries) {
        if (e.key == "version")
            return e.value == "1" ? Fault{} : Report(e.line, "unknown version " + e.value);
    }
    return Report(sections[0].line, "[" + header + "] has no Version");
}

template <typename T>
std::optional<T> Result(const Fault& fault, T value, std::string* error) {
    if (!fault)
        return value;
    if (error)
        *error = "line " + std::to_string(fault.line) + ": " + fault.what;
    return std::nullopt;
}

}  // namespace

const SkinClass* Skin::FindClass(const std::string& name) const {
    const auto it = classes.find(Lower(name));
    return it == classes.end() ? nullptr : &it->second;
}

std::optional<Skin> ParseSkin(const std::string& text, std::string* error) {
    std::vector<Section> sections;
    Skin skin;
    Fault fault = ReadSections(text, sections);
    if (!fault)
        fault = CheckHeader(sections, "Skin");
    if (!fault) {
        for (const Entry& e : sections[0].entries) {
            if (e.key == "name")
                skin.name = e.value;
            else if (e.key != "version")
                fault = Report(e.line, "unknown key " + e.key);
        }
    }
    const std::string elementPrefix = "element ";
    for (std::size_t i = 1; !fault && i < sections.size(); ++i) {
        const Section& section = sections[i];
        const std::string lower = Lower(section.name);
        if (lower == "element" || lower.rfind(elementPrefix, 0) == 0) {
            const std::string name = Trim(section.name.substr(elementPrefix.size() - 1));
            if (name.empty()) {
                fault = Report(section.line, "element without a name");
                break;
            }
            SkinElement element;
            fault = ReadElement(section, name, element);
            skin.elements.push_back(std::move(element));
        } else {
            fault = ReadClass(section, skin.classes[lower]);
        }
    }
    return Result(fault, std::move(skin), error);
}

std::optional<Splash> ParseSplash(const std::string& text, std::string* error) {
    std::vector<Section> sections;
    Splash splash;
    Fault fault = ReadSections(text, sections);
    if (!fault)
        fault = CheckHeader(sections, "Splash");
    if (!fault && sections.size() > 1)
        fault = Report(sections[1].line, "a splash file has one section");
    for (std::size_t i = 0; !fault && !sections.empty() && i < sections[0].entries.size(); ++i) {
        const Entry& e = sections[0].entries[i];
        SkinColour* colour = e.key == "background" ? &splash.background
                             : e.key == "accent"   ? &splash.accent
                             : e.key == "text"     ? &splash.text
                                                   : nullptr;
        int* number = e.key == "width"          ? &splash.width
                      : e.key == "height"       ? &splash.height
                      : e.key == "milliseconds" ? &splash.milliseconds
                                                : nullptr;
        if (colour) {
            auto parsed = ParseColour(e.value);
            if (!parsed)
                fault = Report(e.line, "colour must be three numbers 0..255: " + e.value);
            else
                *colour = *parsed;
        } else if (number) {
            const int min = number == &splash.milliseconds ? 0 : number == &splash.width ? 100 : 60;
            const int max = number == &splash.milliseconds ? 5000
                            : number == &splash.width      ? 800
                                                           : 600;
            if (!ParseInt(e.value, min, max, *number))
                fault = Report(e.line, e.key + " out of range: " + e.value);
        } else if (e.key == "title") {
            splash.title = e.value;
        } else if (e.key == "subtitle") {
            splash.subtitle = e.value;
        } else if (e.key != "version") {
            fault = Report(e.line, "unknown key " + e.key);
        }
    }
    return Result(fault, std::move(splash), error);
}

}  // namespace tallowick
