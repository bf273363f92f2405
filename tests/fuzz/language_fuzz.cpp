// Language files, through the initialisation-file reader alone and through the language
// object: a lookup returns text of the file or of its default, cut to the buffer, and a
// translation never empties a text.
#include <algorithm>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "model/language.h"
#include "model/profile_string.h"
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"

namespace tallowick::fuzz {

void ProfileString(std::string_view bytes) {
    constexpr std::string_view kDefault = "<default>";
    // Buffer sizes from none to more than most values, and names the file itself holds.
    const std::size_t bufferSize = bytes.size() % 300;
    std::string_view section;
    std::size_t pos = 0;
    for (int lookups = 0; pos < bytes.size() && lookups < 16; ++lookups) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        const std::string_view line = bytes.substr(pos, end - pos);
        pos = end == std::string_view::npos ? bytes.size() : end + 1;
        if (line.starts_with('['))
            section = line.substr(1, line.find(']') - 1);
        const std::string value =
            ReadProfileString(bytes, section, line.substr(0, line.find('=')), kDefault, bufferSize);
        Require(value.size() < std::max<std::size_t>(bufferSize, 1), "the value fits the buffer");
        Require(bytes.find(value) != std::string_view::npos || kDefault.starts_with(value),
                "the value comes from the file or the default");
    }
}

void LanguageFile(std::string_view bytes) {
    MemoryRegistry registry;
    FakeHost host;
    Language language(registry, host, host.programFolder);
    host.files[language.FilePath()] = std::string(bytes);
    static const TweakCatalogue kBuiltIn = [] {
        TweakCatalogue catalogue = BuildCatalogue();
        catalogue.resize(12);  // keys of one and two digits before the field
        return catalogue;
    }();
    TweakCatalogue catalogue = kBuiltIn;
    language.TranslateCatalogue(catalogue);
    for (const TweakRecord& record : catalogue)
        Require(!record.name.empty(), "a translation never empties a name");
    for (int id : {kStringAlertCaption, kStringKeyWriteFailed, 0})
        Require(language.LocalisedString(id).size() < 1024, "a text fits its buffer");
}

}  // namespace tallowick::fuzz
