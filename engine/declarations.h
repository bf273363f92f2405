// Tweaks as declarations. A tweak of a common shape is one `Declared` value: the page it
// uses, its fields (checkboxes, choices, edit rows, a colour) each bound to the registry
// values it shows and stores, the versions it applies on, when its date is recorded and
// the note under its controls. The engine gives it a ShowHandler and an ApplyHandler.
// Irregular tweaks are written by hand beside the declarations, from the building blocks
// at the end of this header.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/os_gate.h"
#include "engine/tweak_context.h"
#include "platform/page_layouts.h"
#include "platform/registry.h"

namespace tallowick {

// The note most pages show under their controls, and the variants several categories
// share, spelled as their pages show them (full stop, letter case and all).
inline constexpr const char* kRestartNote =
    "Note:\n\tYou may need to restart or log out of Windows for the change to take effect.";
inline constexpr const char* kRestartNoStopNote =
    "Note:\n\tYou may need to restart or log out of Windows for the change to take effect";
inline constexpr const char* kLowerRestartNote =
    "Note:\n\tyou may need to restart or log out of Windows for the change to take effect.";
inline constexpr const char* kWindowsNote =
    "Note:\n\tRestart Windows for the change to take effect.";
inline constexpr const char* kWindowsNoStopNote =
    "Note:\n\tRestart Windows for the change to take effect";

// What Apply may create to reach a key. Keys it does not create must exist: when one is
// missing the write is skipped.
struct KeyPolicy {
    enum class Kind { OpenOnly, CreateAll, CreateTail } kind = Kind::OpenOnly;
    int parts = 0;             // CreateTail: how many trailing parts of the key are created
    bool removeEmpty = false;  // removed when a deletion leaves it without values or subkeys
};
inline constexpr KeyPolicy kOpenOnly{KeyPolicy::Kind::OpenOnly, 0};
inline constexpr KeyPolicy kCreateAll{KeyPolicy::Kind::CreateAll, 0};
// Made when missing, and removed (on its own, never with anything below it) once a
// deletion leaves it holding nothing: a policy key that sets nothing is no policy.
inline constexpr KeyPolicy kCreateAllRemoveEmpty{KeyPolicy::Kind::CreateAll, 0, true};
// The last `parts` parts of the key are created below the rest, which is only opened.
constexpr KeyPolicy CreateTail(int parts) {
    return KeyPolicy{KeyPolicy::Kind::CreateTail, parts};
}

namespace detail {
// Not constexpr: a call in a constant expression stops the build with this name.
void KeyPolicyHasMorePartsThanTheKey();
constexpr int KeyParts(const char* key) {
    int parts = *key ? 1 : 0;
    for (; *key; ++key)
        parts += *key == '\\';
    return parts;
}
}  // namespace detail

// One registry value a field shows and stores. Made at compile time only, so a key policy
// that names more parts than its key has is a build error.
struct Target {
    RegKey hive;
    const char* key;
    const char* value;  // "" for the key's default value
    KeyPolicy keys;

    consteval Target(RegKey hive, const char* key, const char* value, KeyPolicy keys = kOpenOnly)
        : hive(hive), key(key), value(value), keys(keys) {
        if (keys.kind == KeyPolicy::Kind::CreateTail &&
            (keys.parts < 1 || keys.parts > detail::KeyParts(key))) {
            detail::KeyPolicyHasMorePartsThanTheKey();
        }
    }
    // The same key and value under another hive (the two scopes of a setting).
    constexpr Target Under(RegKey otherHive) const {
        Target copy = *this;
        copy.hive = otherHive;
        return copy;
    }

    // Another value of the same key.
    constexpr Target Named(const char* otherValue) const {
        Target copy = *this;
        copy.value = otherValue;
        return copy;
    }

    // The part Apply opens and the part it creates below it.
    std::string OpenedPart() const;
    std::string CreatedPart() const;
};

// What one state of a control stores.
struct Data {
    enum class Kind {
        Dword,        // REG_DWORD `number`
        Text,         // REG_SZ `bytes`, counted without a terminator
        ExpandText,   // REG_EXPAND_SZ, as Text
        Binary,       // REG_BINARY `bytes`
        MultiText,    // REG_MULTI_SZ `bytes`: each text and its zero, then one more zero
        DeleteValue,  // the value is removed (SHDeleteValueA)
        CreateKey,    // the target's key is made (per its policy); no value is written
        DeleteKey,    // the target's key is removed, only when it has no subkeys
        Nothing,      // nothing is written
    } kind = Kind::Nothing;
    std::uint32_t number = 0;
    std::string bytes;

    bool operator==(const Data&) const = default;
};
Data Dword(std::uint32_t number);
Data Text(std::string text);
Data ExpandText(std::string text);
Data Binary(std::vector<std::uint8_t> bytes);
Data MultiText(const std::vector<std::string>& texts);
Data DeleteValue();
Data CreateKey();
Data DeleteKey();
Data Nothing();

// How a stored text is compared with a state's text: equal, equal in any letter case,
// holding the state's text somewhere in any letter case, or giving the same number
// through atoi (for numbers Windows keeps as texts and reads that way).
enum class Match { Exact, IgnoreCase, Contains, Number };

// A checkbox. Show ticks it when the first target holds `on` (a missing value counts as
// `on` where `missingIsOn`); Apply stores `on` or `off` at every target, in order. With
// `offOnlyOverOn`, a clear box stores `off` only at the targets that hold `on`, so a
// value the box does not show (another setting's number, or none) is left as it is.
struct Box {
    int control = 0;  // 0: the page's next checkbox (1013, 1018, 1028... in page order)
    const char* caption = "";
    std::vector<Target> at = {};
    Data on = {};
    Data off = {};
    bool missingIsOn = false;
    Match match = Match::Exact;
    bool offOnlyOverOn = false;
};

// One entry of a choice and what it stores.
struct Item {
    std::string text;
    Data data;
};
// Items that store their own index as a number.
std::vector<Item> IndexItems(const std::vector<std::string>& texts);
// "first" to "last", each storing its number; or, with `asText`, its "%d" text.
std::vector<Item> NumberItems(int first, int last, bool asText = false);

// A combo box (on any page) or the ListPage's list. Show selects the item whose data the
// stored value matches: a missing value selects the item that deletes it, if there is
// one, else keeps `preselect`; a stored value no item has selects `otherwise`. Apply
// stores the selected item's data, or `none` without one.
struct Choice {
    int control = ctl::Combo1;  // ctl::List for the ListPage's rows
    const char* label = "";     // the combo's label, or the list's column heading
    std::vector<Item> items = {};
    std::vector<Target> at = {};
    Data none = Nothing();
    int preselect = -1;
    int otherwise = -1;
    Match match = Match::Exact;
};

// How an edit's text is stored.
enum class Store { Text, ExpandText, Number };

// What an empty edit does on Apply.
struct WhenEmpty {
    enum class Kind { Store, Skip, Delete, Alert } kind = Kind::Store;
    int alertId = 0;  // Alert: the field alert shown; Apply then stops
};
inline constexpr WhenEmpty kStoreEmpty{WhenEmpty::Kind::Store, 0};
inline constexpr WhenEmpty kSkipEmpty{WhenEmpty::Kind::Skip, 0};
inline constexpr WhenEmpty kDeleteEmpty{WhenEmpty::Kind::Delete, 0};
constexpr WhenEmpty AlertWhenEmpty(int alertId) {
    return WhenEmpty{WhenEmpty::Kind::Alert, alertId};
}

// One row of a PathEditPage or SixPathPage: label, edit and, if wanted, its browse button;
// or the first row of the EditComboPage, which has no button.
struct EditRow {
    const char* label = "";
    std::vector<Target> at = {};
    Store store = Store::Text;
    WhenEmpty empty = kStoreEmpty;
    bool browse = true;
    bool systemRoot = false;  // shown with the Windows folder for "%SystemRoot%", stored back
    // The file picker puts its path in double quotes, which would make the stored path name
    // no file: Apply drops one pair around the whole text, and an edit holding only the pair
    // counts as empty.
    bool unquote = false;
    const char* suffix = "";   // appended on Apply, taken off again on Show
    const char* missing = "";  // shown while nothing can be read
    int row = 0;  // its row on the page, from 1; 0: the row below the previous edit row
};

// The colour combo 1055 of the ComboCheckPage, stored in one of the two colour forms.
// Show selects the stored colour; Apply stores the selected one, black without one.
struct Colour {
    enum class Form { Binary, Text } form = Form::Binary;
    const char* label = "";
    std::vector<Target> at = {};
};

// The check list of the ValueListPage: one row per setting, ticked as a Box is.
struct CheckRow {
    std::string text = {};
    std::vector<Target> at = {};
    Data on = {};
    Data off = {};
    Match match = Match::Exact;
};
struct CheckRows {
    std::vector<CheckRow> rows = {};
};

using Field = std::variant<Box, Choice, EditRow, Colour, CheckRows>;

// When Apply records the modification date: once, as soon as the gate has passed and
// before any registry access; at each write, once its key is open, so a key that cannot
// be opened records nothing; or never.
enum class DateAt { First, EachWrite, Never };

struct Declared {
    TweakId id = 0;
    PageId page = PageId::MultiCheckPage;
    std::vector<Field> fields = {};  // shown and stored in this order
    std::optional<Gate> gate = std::nullopt;
    Refusal refusal = Refusal::Leave;
    DateAt date = DateAt::First;
    const char* note = kRestartNote;  // nullptr for none; pages without a note show none
    BrowseKind browse = BrowseKind::File;
    std::optional<Enables> enables = std::nullopt;
};

// Checks the declaration against its page's layout and registers its handlers; a control
// the layout does not have, or too many fields for the page, is std::logic_error.
void Register(HandlerTable& table, Declared tweak);

// The two scopes of a setting: checkbox 1013 for HKCU and 1018 for HKLM, the same key and
// value under both; Apply writes HKCU first.
std::vector<Field> BothScopes(const char* userCaption, const char* machineCaption, Target at,
                              Data on, Data off);

// --- Building blocks, for handwritten handlers ---------------------------------------

// Shows `page` with its description, the given controls and "Apply Changes"; the note
// static gets `note` when it is not null and the page has one.
void ShowTweakPage(TweakContext& ctx, TweakId id, PageId page, std::initializer_list<int> controls,
                   const char* note = kRestartNote);

// Stores `data` at `at`, recording the date once the key is open when `recordDate` is
// given. The Win32 code of the failing step, or 0.
long StoreData(TweakContext& ctx, const Target& at, const Data& data, bool recordDate);

// True when the stored value equals `data` (a number by its first four bytes, a text up to
// its first zero); DeleteValue matches a missing value, CreateKey an existing key.
bool Matches(TweakContext& ctx, const Target& at, const Data& data, Match match = Match::Exact);

// The value as it is stored in the registry after `data` is written: its type and bytes,
// the terminator of a text included. Nothing for the kinds that write no value.
std::optional<RegValue> StoredForm(const Data& data);

}  // namespace tallowick
