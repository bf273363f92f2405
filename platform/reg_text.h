// `.reg` text, the format regedit imports and exports: one reader and one writer for test
// fixtures, the change journal and exported settings.
//
// Reading and writing go through a document (keys in file order, each with its values),
// so a caller can inspect a file before applying it, or build one and write it out.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tallowick {

enum class RegTextFormat {
    Regedit4,  // "REGEDIT4": texts are their ANSI bytes
    Regedit5,  // "Windows Registry Editor Version 5.00": hex texts are UTF-16LE
};

struct RegTextValue {
    std::string name;     // "" is the key's default value, written "@"
    bool remove = false;  // "name"=-
    RegValue value;       // unused when remove
};

struct RegTextKey {
    RegKey hive = 0;  // one of the predefined hives
    std::string path;
    bool remove = false;  // [-key]: the key and everything below it
    std::vector<RegTextValue> values;
    std::size_t line = 0;  // where it was read from, for messages; 0 when built
};

struct RegTextDocument {
    RegTextFormat format = RegTextFormat::Regedit4;
    std::vector<RegTextKey> keys;
};

// Reads a whole file. Returns false, with "line N: why" in *error, on a malformed line.
bool ParseRegText(std::string_view text, RegTextDocument* document, std::string* error = nullptr);

// Writes the header and every key, lines ended by `newline` ("\r\n" for a file that
// regedit reads).
std::string WriteRegText(const RegTextDocument& document, std::string_view newline = "\n");
// One key section with its values and a blank line after it.
std::string WriteRegKey(const RegTextKey& key, RegTextFormat format,
                        std::string_view newline = "\n");
const char* RegTextHeader(RegTextFormat format);

// How one value is written after the "=": a quoted text, dword:, hex: or hex(n):.
std::string FormatRegData(const RegValue& value, RegTextFormat format);
// A name or text between quotes, with backslashes and quotes escaped.
std::string QuoteRegText(std::string_view text);

// Applies the keys in order: [-key] deletes the tree, a key is created, its values set or
// deleted (a missing value or key to delete is not an error). Stops at the first call that
// fails and returns its code, saying which line in *error; what came before stays applied.
long ApplyRegText(Registry& registry, const RegTextDocument& document,
                  std::string* error = nullptr);

// Reads the key at hiveKey\path and everything below it, keys in enumeration order.
// Returns the code of opening the key; an unreadable value or subkey is left out.
long ReadRegTree(Registry& registry, RegKey hiveKey, std::string_view path,
                 std::vector<RegTextKey>* keys);

// The predefined hive a file names, long ("HKEY_CURRENT_USER") or short ("HKCU"), in
// any case; 0 when it names none.
RegKey RegHiveByName(std::string_view name);

}  // namespace tallowick
