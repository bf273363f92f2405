// `.reg` text: a refused text says which line and why; an accepted one saves to a text
// that loads again and saves the same.
#include <string>

#include "fuzz/fuzz_targets.h"
#include "platform/memory/memory_registry.h"

namespace tallowick::fuzz {

void RegText(std::string_view bytes) {
    MemoryRegistry first;
    std::string error;
    if (!first.LoadRegText(bytes, &error)) {
        Require(error.starts_with("line "), "a refusal names its line");
        return;
    }
    const std::string saved = first.SaveRegText();
    MemoryRegistry second;
    Require(second.LoadRegText(saved, &error), "a saved text loads");
    Require(second.SaveRegText() == saved, "a saved text saves the same");
}

}  // namespace tallowick::fuzz
