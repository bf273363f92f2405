// The shared engine for tweaks of the common shapes. A category declares such a tweak as
// one constant (where its value lives, the captions, what each state stores, the gate
// and when the date is recorded) and registers it; the engine supplies the ShowHandler
// and the ApplyHandler. Irregular tweaks are written by hand beside the declarations,
// from the building blocks at the end of this header.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/os_gate.h"
#include "engine/tweak_context.h"
#include "platform/pages.h"
#include "platform/registry.h"

namespace tallowick {

// The note most pages show under their controls.
inline constexpr const char* kRestartNote =
    "Note:\n\tYou may need to restart or log out of Windows for the change to take effect.";

// Where a value lives. Apply opens the key `path` less its last part `create`, then
// creates `create` below it: "" creates nothing (a missing key means nothing is written),
// `path` itself creates the whole path under the hive. Show reads `path` as one key.
struct Location {
    RegKey hive;
    const char* path;
    const char* create;  // "" or a tail of `path`
    const char* value;   // "" for the key's default value
};

// What Apply stores for one state of a control.
struct Data {
    enum class Kind { Dword, Text, ExpandText, Delete } kind;
    std::uint32_t number = 0;
    const char* text = "";
};
constexpr Data Dword(std::uint32_t n) {
    return Data{Data::Kind::Dword, n, ""};
}
constexpr Data Text(const char* text) {
    return Data{Data::Kind::Text, 0, text};
}
constexpr Data ExpandText(const char* text) {
    return Data{Data::Kind::ExpandText, 0, text};
}
// The value is removed (SHDeleteValueA) instead of written.
constexpr Data Delete() {
    return Data{Data::Kind::Delete, 0, ""};
}

// When Apply records the modification date: once, as soon as the gate has passed and
// before any registry access; or at each write, once its key is open, so a key that
// cannot be opened records nothing.
enum class DateAt { First, EachWrite };

// A MultiCheckPage tweak with its main checkbox. Show checks the box when the stored
// value equals the `checked` data; anything else, or nothing, leaves it clear.
struct CheckTweak {
    TweakId id;
    const char* caption;
    Location where;
    Data checked;
    Data unchecked;
    std::optional<Gate> gate = std::nullopt;
    bool flip = false;  // a refused Apply puts the box back as it was
    DateAt date = DateAt::First;
    bool note = true;
    const char* alsoValue = nullptr;  // a second value of the same key, given the same data
};

// A MultiCheckPage tweak that exists per user and per machine: checkbox 1013 for HKCU
// and 1018 for HKLM, the same key and value under both; Apply writes HKCU first.
struct DualCheckTweak {
    TweakId id;
    const char* userCaption;     // ends in "(Current User)"
    const char* machineCaption;  // ends in "(All Users)"
    const char* path;
    const char* create;
    const char* value;
    Data checked;
    Data unchecked;
    std::optional<Gate> gate = std::nullopt;
    DateAt date = DateAt::First;
    const char* alsoValue = nullptr;
};

// How an edit's text is stored.
enum class Store { Text, ExpandText, Number };

// One row of a PathEditPage: label, edit and, if wanted, its browse button.
struct EditField {
    const char* label;
    Location where;
    Store store = Store::Text;
    bool browse = true;
};

// A PathEditPage tweak with up to three edit rows and no checkbox.
struct EditTweak {
    TweakId id;
    std::vector<EditField> fields;
    std::optional<Gate> gate = std::nullopt;
    DateAt date = DateAt::First;
    // An empty first edit: 0 writes the empty text (or 0), a string id shows that field
    // alert and writes nothing, kDeleteWhenEmpty deletes the value (SHDeleteValueA).
    int whenEmpty = 0;
    const char* suffix = "";  // appended to the text on Apply, taken off again on show
    bool note = true;
};
inline constexpr int kDeleteWhenEmpty = -1;

// A tweak whose page offers a list of choices, stored as a number: the rows of the
// ListPage list, or the items of ComboCheckPage combo 1021. Nothing is written when no
// choice is selected.
struct ChoiceTweak {
    TweakId id;
    enum class Control { List, Combo } control;
    const char* label;   // the combo's label; unused for the list
    const char* column;  // the list's column heading; unused for the combo
    std::vector<const char*> choices;
    std::vector<std::uint32_t> stored;  // the number each choice stores; empty: its index
    Location where;
    std::optional<Gate> gate = std::nullopt;
    DateAt date = DateAt::First;
    bool note = true;
};

void Register(HandlerTable& table, const CheckTweak& tweak);
void Register(HandlerTable& table, const DualCheckTweak& tweak);
void Register(HandlerTable& table, const EditTweak& tweak);
void Register(HandlerTable& table, const ChoiceTweak& tweak);

// --- Building blocks, for handwritten handlers ---------------------------------------

// Shows `page` with its description, the given controls and "Apply Changes"; the note
// static gets `note` when it is not null.
void ShowTweakPage(TweakContext& ctx, TweakId id, PageId page, std::initializer_list<int> controls,
                   const char* note = kRestartNote);

// Stores `data` at `where` (Delete removes the value), recording the date once the key is
// open when `recordDate` is given. The Win32 code of the failing step, or 0.
long StoreData(TweakContext& ctx, const Location& where, const Data& data, bool recordDate);

// True when the stored value equals `data` (a number, or a text up to its first zero).
bool Matches(TweakContext& ctx, const Location& where, const Data& data);

}  // namespace tallowick
