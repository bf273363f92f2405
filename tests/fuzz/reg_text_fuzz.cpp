// `.reg` text: a refused text says which line and why; an accepted one is written and
// read again to the same text, and, loaded into a registry, saves to a text that loads
// and saves the same.
#include <algorithm>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "platform/memory/memory_registry.h"
#include "platform/reg_text.h"

namespace tallowick::fuzz {

void RegText(std::string_view bytes) {
    RegTextDocument document;
    std::string error;
    if (!ParseRegText(bytes, &document, &error)) {
        Require(error.starts_with("line "), "a refusal names its line");
        return;
    }
    const std::string written = WriteRegText(document, "\r\n");
    RegTextDocument again;
    Require(ParseRegText(written, &again), "a written document reads");
    Require(WriteRegText(again, "\r\n") == written, "a written document reads as it was");

    // A fresh registry starts with the roots' usual keys; a text that deletes one of them
    // saves to a text that cannot say so, so the round trip below needs no deletion.
    if (std::ranges::any_of(document.keys, [](const RegTextKey& key) { return key.remove; }))
        return;
    MemoryRegistry first;
    if (!first.LoadRegText(bytes, &error)) {
        Require(error.starts_with("line "), "a failed load names its line");
        return;
    }
    const std::string saved = first.SaveRegText();
    MemoryRegistry second;
    Require(second.LoadRegText(saved, &error), "a saved text loads");
    Require(second.SaveRegText() == saved, "a saved text saves the same");
}

}  // namespace tallowick::fuzz
