#include "engine/declarations.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <set>
#include <stdexcept>
#include <utility>

#include "engine/named_colors.h"
#include "engine/page_behaviour.h"
#include "engine/registry_conventions.h"
#include "platform/host.h"

namespace tallowick {

namespace {

// The rows of the two path pages, top to bottom: label, edit, browse button.
struct EditRowControls {
    int label, edit, browse;
};
constexpr EditRowControls kEditRows[] = {
    {ctl::Label1, ctl::Edit1, ctl::Browse1}, {ctl::Label2, ctl::Edit2, ctl::Browse2},
    {ctl::Label3, ctl::Edit3, ctl::Browse3}, {ctl::Label4, ctl::Edit4, ctl::Browse4},
    {ctl::Label5, ctl::Edit5, ctl::Browse5}, {ctl::Label6, ctl::Edit6, ctl::Browse6}};

// The label beside each combo, by page: the label of the combo's row.
struct ComboLabel {
    PageId page;
    int combo, label;
};
constexpr ComboLabel kComboLabels[] = {
    {PageId::ComboCheckPage, ctl::Combo1, ctl::Label1},
    {PageId::ComboCheckPage, ctl::Combo2, ctl::Label2},
    {PageId::ComboCheckPage, ctl::ColourCombo, ctl::Label1},
    {PageId::CheckComboPage, ctl::Combo1, ctl::Label1},
    {PageId::SixComboPage, ctl::Combo1, ctl::Label1},
    {PageId::SixComboPage, ctl::Combo2, ctl::Label2},
    {PageId::SixComboPage, ctl::Combo3, ctl::Label3},
    {PageId::SixComboPage, ctl::Combo4, ctl::Label4},
    {PageId::SixComboPage, ctl::Combo5, ctl::Label5},
    {PageId::SixComboPage, ctl::Combo6, ctl::Label6},
    {PageId::EditComboPage, ctl::Combo4, ctl::Label1},
    {PageId::EditComboPage, ctl::Combo1, ctl::Label2},
    {PageId::EditComboPage, ctl::Combo2, ctl::Label3},
    {PageId::EditComboPage, ctl::Combo3, ctl::Label4},
};

// The ListPage's rows span the page; one column heading fills it.
constexpr int kChoiceColumnWidth = 380;

const PageSpec& Layout(PageId page) {
    for (const PageSpec& layout : PageLayouts()) {
        if (layout.page == page)
            return layout;
    }
    throw std::logic_error("no layout for page " + std::to_string(static_cast<int>(page)));
}

const ControlSpec* FindControl(PageId page, int id) {
    for (const ControlSpec& control : Layout(page).controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

bool HasControl(PageId page, int id) {
    return FindControl(page, id) != nullptr;
}

int LabelOf(PageId page, int combo) {
    for (const ComboLabel& entry : kComboLabels) {
        if (entry.page == page && entry.combo == combo)
            return entry.label;
    }
    return 0;
}

bool SameLetter(char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
}

// `stored` against a state's text `wanted`.
bool SameText(std::string_view stored, std::string_view wanted, Match match) {
    switch (match) {
        case Match::Exact:
            return stored == wanted;
        case Match::IgnoreCase:
            return stored.size() == wanted.size() &&
                   std::equal(stored.begin(), stored.end(), wanted.begin(), SameLetter);
        case Match::Contains:
            return std::search(stored.begin(), stored.end(), wanted.begin(), wanted.end(),
                               SameLetter) != stored.end();
        case Match::Number:
            return AtoiLikeC(std::string(stored)) == AtoiLikeC(std::string(wanted));
    }
    return false;
}

bool DataMatches(const Data& data, long readResult, const RegValue& stored, Match match) {
    const bool present = readResult == err::Success;
    switch (data.kind) {
        case Data::Kind::Dword:
            return present && NumberFromBytes(stored.data) == data.number;
        case Data::Kind::Text:
        case Data::Kind::ExpandText:
            return present && SameText(TextFromBytes(stored.data), data.bytes, match);
        case Data::Kind::Binary: {
            if (!present)
                return false;
            // A four-byte setting is a number kept as bytes, whatever follows it.
            const std::vector<std::uint8_t> bytes(data.bytes.begin(), data.bytes.end());
            if (bytes.size() == 4)
                return stored.data.size() >= 4 && NumberFromBytes(stored.data) == data.number;
            return stored.data == bytes;
        }
        case Data::Kind::MultiText:
            return present && std::string(stored.data.begin(), stored.data.end()) == data.bytes;
        case Data::Kind::DeleteValue:
            return readResult == err::FileNotFound;
        case Data::Kind::CreateKey:
        case Data::Kind::DeleteKey:
        case Data::Kind::Nothing:
            break;
    }
    return false;
}

// A key's presence, for the data kinds that make or remove keys.
bool KeyExists(Registry& registry, const Target& at) {
    KeyHandle connected(registry);
    if (registry.Connect(at.hive, connected.out()) != err::Success)
        return false;
    KeyHandle key(registry);
    return registry.OpenKey(connected.get(), at.key, access::Read, key.out()) == err::Success;
}

bool TargetMatches(TweakContext& ctx, const Target& at, const Data& data, Match match) {
    if (data.kind == Data::Kind::CreateKey)
        return KeyExists(ctx.registry, at);
    if (data.kind == Data::Kind::DeleteKey)
        return !KeyExists(ctx.registry, at);
    RegValue stored;
    const long rc = QueryRegValue(ctx.registry, at.hive, at.key, at.value, &stored);
    return DataMatches(data, rc, stored, match);
}

// True when the key at `at` exists and holds neither values nor subkeys. A name too
// long for the buffer still counts as something held.
bool HoldsNothing(Registry& registry, const Target& at) {
    KeyHandle connected(registry);
    if (registry.Connect(at.hive, connected.out()) != err::Success)
        return false;
    KeyHandle key(registry);
    if (registry.OpenKey(connected.get(), at.key, access::Read, key.out()) != err::Success)
        return false;
    char name[256];
    std::uint32_t length = sizeof name;
    return registry.EnumValue(key.get(), 0, name, &length, nullptr, nullptr, nullptr) ==
               err::NoMoreItems &&
           registry.EnumKey(key.get(), 0, name, sizeof name) == err::NoMoreItems;
}

// Removes the target's key on its own (RegDeleteKeyA from its parent); a key with
// subkeys is never removed, and one with values is left alone.
long RemoveKey(Registry& registry, const Target& at) {
    const std::string path(at.key);
    const std::size_t cut = path.rfind('\\');
    return cut == std::string::npos
               ? DeleteSubkeyOf(registry, at.hive, "", path)
               : DeleteSubkeyOf(registry, at.hive, path.substr(0, cut), path.substr(cut + 1));
}

void StoreAll(TweakContext& ctx, const std::vector<Target>& at, const Data& data, DateAt date) {
    for (const Target& target : at)
        StoreData(ctx, target, data, date == DateAt::EachWrite);
}

// --- The four kinds of field ---------------------------------------------------------

struct FieldContext {
    TweakContext& ctx;
    const Declared& tweak;
};

void ShowField(FieldContext& f, const Box& box) {
    Pages& pages = f.ctx.pages;
    pages.ShowControl(f.tweak.page, box.control, true);
    pages.SetText(f.tweak.page, box.control, box.caption);
    pages.SetCheck(f.tweak.page, box.control, false);
    if (box.at.empty())
        return;
    RegValue stored;
    const Target& first = box.at.front();
    const long rc = QueryRegValue(f.ctx.registry, first.hive, first.key, first.value, &stored);
    const bool on = TargetMatches(f.ctx, first, box.on, box.match) ||
                    (box.missingIsOn && rc == err::FileNotFound);
    pages.SetCheck(f.tweak.page, box.control, on);
}

bool ApplyField(FieldContext& f, const Box& box) {
    const bool ticked = f.ctx.pages.IsChecked(f.tweak.page, box.control);
    if (ticked || !box.offOnlyOverOn) {
        StoreAll(f.ctx, box.at, ticked ? box.on : box.off, f.tweak.date);
        return true;
    }
    for (const Target& target : box.at) {
        if (TargetMatches(f.ctx, target, box.on, box.match))
            StoreData(f.ctx, target, box.off, f.tweak.date == DateAt::EachWrite);
    }
    return true;
}

void ShowField(FieldContext& f, const Choice& choice) {
    Pages& pages = f.ctx.pages;
    const PageId page = f.tweak.page;
    int current = choice.preselect;
    if (!choice.at.empty()) {
        const Target& first = choice.at.front();
        RegValue stored;
        const long rc = QueryRegValue(f.ctx.registry, first.hive, first.key, first.value, &stored);
        // A missing value shows the item that removes it, if one does.
        if (rc == err::Success || rc == err::FileNotFound) {
            if (rc == err::Success)
                current = choice.otherwise;
            for (std::size_t i = 0; i < choice.items.size(); ++i) {
                if (DataMatches(choice.items[i].data, rc, stored, choice.match)) {
                    current = static_cast<int>(i);
                    break;
                }
            }
        }
    }
    if (choice.control == ctl::List) {
        pages.ShowControl(page, ctl::List, true);
        ClearList(pages, page, ctl::List);
        pages.ListInsertColumn(page, ctl::List, 0, choice.label, kChoiceColumnWidth,
                               ColumnAlign::Left);
        for (std::size_t i = 0; i < choice.items.size(); ++i)
            pages.ListInsertItem(page, ctl::List, static_cast<int>(i), choice.items[i].text);
        pages.ListSetSelected(page, ctl::List, current);
        return;
    }
    const int label = LabelOf(page, choice.control);
    if (label) {
        pages.ShowControl(page, label, true);
        pages.SetText(page, label, choice.label);
    }
    pages.ShowControl(page, choice.control, true);
    pages.ComboReset(page, choice.control);
    std::vector<std::string> texts;
    for (const Item& item : choice.items)
        texts.push_back(item.text);
    pages.ComboAddStrings(page, choice.control, texts);
    pages.ComboSetCurSel(page, choice.control, current);
}

bool ApplyField(FieldContext& f, const Choice& choice) {
    const PageId page = f.tweak.page;
    const int index = choice.control == ctl::List
                          ? f.ctx.pages.ListGetSelected(page, ctl::List)
                          : f.ctx.pages.ComboGetCurSel(page, choice.control);
    const bool listed = index >= 0 && static_cast<std::size_t>(index) < choice.items.size();
    StoreAll(f.ctx, choice.at, listed ? choice.items[index].data : choice.none, f.tweak.date);
    return true;
}

// Edit rows are numbered by their place among the tweak's edit rows.
void ShowEditRow(FieldContext& f, const EditRow& row, int index) {
    Pages& pages = f.ctx.pages;
    const PageId page = f.tweak.page;
    const EditRowControls& controls = kEditRows[index];
    pages.ShowControl(page, controls.label, true);
    pages.ShowControl(page, controls.edit, true);
    // The six-row page shows its buttons with the page; the edit-and-combo page has none.
    if ((row.browse && page == PageId::PathEditPage) || page == PageId::SixPathPage)
        pages.ShowControl(page, controls.browse, true);
    pages.SetText(page, controls.label, row.label);
    pages.SetText(page, controls.edit, "");
    if (row.at.empty())
        return;
    const Target& at = row.at.front();
    std::string shown = row.missing;
    if (row.store == Store::Number) {
        if (auto n = ReadNumber(f.ctx.registry, at.hive, at.key, at.value))
            shown = FormatInt(static_cast<int>(*n));
    } else if (auto text = ReadText(f.ctx.registry, at.hive, at.key, at.value)) {
        shown = *text;
        const std::string_view suffix(row.suffix);
        if (!suffix.empty() && shown.size() >= suffix.size() &&
            shown.compare(shown.size() - suffix.size(), suffix.size(), suffix) == 0) {
            shown.resize(shown.size() - suffix.size());
        }
        if (row.systemRoot)
            shown = ExpandSystemRoot(shown, f.ctx.host.WindowsDirectory());
    }
    pages.SetText(page, controls.edit, shown);
}

bool ApplyEditRow(FieldContext& f, const EditRow& row, int index) {
    std::string text = f.ctx.pages.GetText(f.tweak.page, kEditRows[index].edit);
    if (row.unquote && text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    if (text.empty()) {
        switch (row.empty.kind) {
            case WhenEmpty::Kind::Store:
                break;
            case WhenEmpty::Kind::Skip:
                return true;
            case WhenEmpty::Kind::Delete:
                StoreAll(f.ctx, row.at, DeleteValue(), f.tweak.date);
                return true;
            case WhenEmpty::Kind::Alert:
                ShowAlert(f.ctx, row.empty.alertId);
                return false;
        }
    }
    if (row.store == Store::Number) {
        StoreAll(f.ctx, row.at, Dword(static_cast<std::uint32_t>(AtoiLikeC(text))), f.tweak.date);
        return true;
    }
    std::string stored = text + row.suffix;
    if (row.systemRoot)
        stored = CollapseSystemRoot(stored, f.ctx.host.WindowsDirectory());
    StoreAll(
        f.ctx, row.at,
        row.store == Store::ExpandText ? ExpandText(std::move(stored)) : Text(std::move(stored)),
        f.tweak.date);
    return true;
}

// Three decimal numbers separated by blanks, each 0 to 255; nullopt for anything else.
std::optional<std::uint32_t> ColourFromText(const std::string& text) {
    // Read field by field: a number too big for an int is refused, not wrapped into range.
    std::uint32_t colour = 0;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int shift : {0, 8, 16}) {
        while (at != end && std::isspace(static_cast<unsigned char>(*at)))
            ++at;
        if (at != end && *at == '+')
            ++at;
        int part = 0;
        const auto [next, error] = std::from_chars(at, end, part);
        if (error != std::errc() || part < 0 || part > 255 ||
            (shift < 16 && (next == end || !std::isspace(static_cast<unsigned char>(*next)))))
            return std::nullopt;
        colour |= static_cast<std::uint32_t>(part) << shift;
        at = next;
    }
    return at == end ? std::optional(colour) : std::nullopt;
}

Data ColourData(Colour::Form form, std::uint32_t colour) {
    if (form == Colour::Form::Text)
        return Text(ColorToText(colour));
    return Binary(ColorToBinary(colour));
}

void ShowField(FieldContext& f, const Colour& colour) {
    Pages& pages = f.ctx.pages;
    const PageId page = f.tweak.page;
    pages.ShowControl(page, ctl::Label1, true);
    pages.SetText(page, ctl::Label1, colour.label);
    pages.ShowControl(page, ctl::ColourCombo, true);
    pages.ComboSetCurSel(page, ctl::ColourCombo, -1);
    if (colour.at.empty())
        return;
    const Target& at = colour.at.front();
    const auto stored = ReadRegValue(f.ctx.registry, at.hive, at.key, at.value);
    if (!stored)
        return;
    std::optional<std::uint32_t> value;
    if (colour.form == Colour::Form::Binary) {
        if (stored->data.size() >= 4)
            value = NumberFromBytes(stored->data);
    } else {
        value = ColourFromText(TextFromBytes(stored->data));
    }
    if (value)
        SelectColor(pages, page, ctl::ColourCombo, *value);
}

bool ApplyField(FieldContext& f, const Colour& colour) {
    const std::uint32_t selected = SelectedColor(f.ctx.pages, f.tweak.page, ctl::ColourCombo);
    StoreAll(f.ctx, colour.at, ColourData(colour.form, selected), f.tweak.date);
    return true;
}

void ShowField(FieldContext& f, const CheckRows& list) {
    Pages& pages = f.ctx.pages;
    const PageId page = f.tweak.page;
    pages.ShowControl(page, ctl::ValueList, true);
    pages.ListDeleteAllItems(page, ctl::ValueList);
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const CheckRow& row = list.rows[i];
        const int index = pages.ListInsertItem(page, ctl::ValueList, static_cast<int>(i), row.text);
        const bool on = !row.at.empty() && TargetMatches(f.ctx, row.at.front(), row.on, row.match);
        pages.ListSetCheckState(page, ctl::ValueList, index, on);
    }
}

bool ApplyField(FieldContext& f, const CheckRows& list) {
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const CheckRow& row = list.rows[i];
        const bool ticked =
            f.ctx.pages.ListGetCheckState(f.tweak.page, ctl::ValueList, static_cast<int>(i));
        StoreAll(f.ctx, row.at, ticked ? row.on : row.off, f.tweak.date);
    }
    return true;
}

// --- Whole tweaks ---------------------------------------------------------------------

// The page row of an edit row, counted from 0; `next` is the row below the previous one.
int PlaceOf(const EditRow& row, int& next) {
    const int index = row.row ? row.row - 1 : next;
    next = index + 1;
    return index;
}

void ShowDeclared(TweakContext& ctx, TweakId id, const Declared& tweak) {
    ShowTweakPage(ctx, id, tweak.page, {}, tweak.note);
    FieldContext f{ctx, tweak};
    int editRow = 0;
    for (const Field& field : tweak.fields) {
        if (const auto* row = std::get_if<EditRow>(&field)) {
            ShowEditRow(f, *row, PlaceOf(*row, editRow));
        } else {
            std::visit(
                [&f](const auto& shown) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(shown)>, EditRow>)
                        ShowField(f, shown);
                },
                field);
        }
    }
}

void ApplyDeclared(TweakContext& ctx, const Declared& tweak) {
    if (tweak.gate && !CheckGate(ctx, *tweak.gate, tweak.refusal, tweak.page))
        return;
    if (tweak.date == DateAt::First)
        ctx.RecordDate();
    FieldContext f{ctx, tweak};
    int editRow = 0;
    for (const Field& field : tweak.fields) {
        bool goOn = true;
        if (const auto* row = std::get_if<EditRow>(&field)) {
            goOn = ApplyEditRow(f, *row, PlaceOf(*row, editRow));
        } else {
            std::visit(
                [&](const auto& stored) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(stored)>, EditRow>)
                        goOn = ApplyField(f, stored);
                },
                field);
        }
        if (!goOn)
            return;
    }
}

[[noreturn]] void Reject(const Declared& tweak, const std::string& why) {
    throw std::logic_error("the declaration of node " + std::to_string(tweak.id) + ": " + why);
}

void Require(const Declared& tweak, int control) {
    if (!HasControl(tweak.page, control))
        Reject(tweak, "its page has no control " + std::to_string(control));
}

// Gives each checkbox without a control the page's next free one, and checks every
// control a field names against the page's layout.
void Resolve(Declared& tweak) {
    std::set<int> used;
    for (Field& field : tweak.fields) {
        if (auto* box = std::get_if<Box>(&field); box && box->control)
            used.insert(box->control);
    }
    std::vector<int> free;
    for (const ControlSpec& control : Layout(tweak.page).controls) {
        if (control.kind == ControlKind::CheckBox && !used.count(control.id))
            free.push_back(control.id);
    }
    std::size_t nextFree = 0;
    int editRows = 0;
    std::set<int> rowsUsed;
    const int pageRows = tweak.page == PageId::SixPathPage     ? 6
                         : tweak.page == PageId::PathEditPage  ? 3
                         : tweak.page == PageId::EditComboPage ? 1
                                                               : 0;
    for (Field& field : tweak.fields) {
        if (auto* box = std::get_if<Box>(&field)) {
            if (!box->control) {
                if (nextFree == free.size())
                    Reject(tweak, "more checkboxes than its page has");
                box->control = free[nextFree++];
            }
            Require(tweak, box->control);
        } else if (auto* choice = std::get_if<Choice>(&field)) {
            Require(tweak, choice->control);
            if (choice->control != ctl::List && !LabelOf(tweak.page, choice->control))
                Reject(tweak, "no label beside combo " + std::to_string(choice->control));
        } else if (const auto* row = std::get_if<EditRow>(&field)) {
            const int place = PlaceOf(*row, editRows);
            if (place < 0 || place >= pageRows)
                Reject(tweak, "an edit row its page does not have");
            if (!rowsUsed.insert(place).second)
                Reject(tweak, "two edit rows on row " + std::to_string(place + 1));
        } else if (std::holds_alternative<Colour>(field)) {
            Require(tweak, ctl::ColourCombo);
        } else {
            Require(tweak, ctl::ValueList);
        }
    }
    if (tweak.enables) {
        Require(tweak, tweak.enables->box);
        for (int control : tweak.enables->controls)
            Require(tweak, control);
    }
}

}  // namespace

std::string Target::OpenedPart() const {
    const std::string path(key);
    switch (keys.kind) {
        case KeyPolicy::Kind::OpenOnly:
            return path;
        case KeyPolicy::Kind::CreateAll:
            return "";
        case KeyPolicy::Kind::CreateTail: {
            std::size_t cut = path.size();
            for (int i = 0; i < keys.parts && cut != std::string::npos; ++i)
                cut = cut == 0 ? std::string::npos : path.rfind('\\', cut - 1);
            return cut == std::string::npos ? "" : path.substr(0, cut);
        }
    }
    return path;
}

std::string Target::CreatedPart() const {
    const std::string opened = OpenedPart();
    const std::string path(key);
    if (keys.kind == KeyPolicy::Kind::OpenOnly)
        return "";
    return opened.empty() ? path : path.substr(opened.size() + 1);
}

Data Dword(std::uint32_t number) {
    return Data{Data::Kind::Dword, number, {}};
}
Data Text(std::string text) {
    return Data{Data::Kind::Text, 0, std::move(text)};
}
Data ExpandText(std::string text) {
    return Data{Data::Kind::ExpandText, 0, std::move(text)};
}
Data Binary(std::vector<std::uint8_t> bytes) {
    return Data{Data::Kind::Binary, NumberFromBytes(bytes),
                std::string(bytes.begin(), bytes.end())};
}
Data MultiText(const std::vector<std::string>& texts) {
    std::string bytes;
    for (const std::string& text : texts)
        bytes.append(text).push_back('\0');
    bytes.push_back('\0');
    return Data{Data::Kind::MultiText, 0, std::move(bytes)};
}
Data DeleteValue() {
    return Data{Data::Kind::DeleteValue, 0, {}};
}
Data CreateKey() {
    return Data{Data::Kind::CreateKey, 0, {}};
}
Data DeleteKey() {
    return Data{Data::Kind::DeleteKey, 0, {}};
}
Data Nothing() {
    return Data{};
}

std::vector<Item> IndexItems(const std::vector<std::string>& texts) {
    std::vector<Item> items;
    for (const std::string& text : texts)
        items.push_back(Item{text, Dword(static_cast<std::uint32_t>(items.size()))});
    return items;
}

std::vector<Item> NumberItems(int first, int last, bool asText) {
    std::vector<Item> items;
    for (int n = first; n <= last; ++n) {
        const std::string text = FormatInt(n);
        items.push_back(Item{text, asText ? Text(text) : Dword(static_cast<std::uint32_t>(n))});
    }
    return items;
}

std::vector<Field> BothScopes(const char* userCaption, const char* machineCaption, Target at,
                              Data on, Data off) {
    return {Box{ctl::MainCheck, userCaption, {at.Under(hive::CurrentUser)}, on, off},
            Box{ctl::SecondCheck, machineCaption, {at.Under(hive::LocalMachine)}, on, off}};
}

void Register(HandlerTable& table, Declared tweak) {
    Resolve(tweak);
    auto declared = std::make_shared<const Declared>(std::move(tweak));
    TweakHandlers handlers{
        [declared](TweakContext& ctx, TweakId id) { ShowDeclared(ctx, id, *declared); },
        [declared](TweakContext& ctx) { ApplyDeclared(ctx, *declared); }, declared->browse,
        declared->enables, declared};
    table.Register(declared->id, std::move(handlers));
}

void ShowTweakPage(TweakContext& ctx, TweakId id, PageId page, std::initializer_list<int> controls,
                   const char* note) {
    ctx.pages.ShowPage(page, true);
    ShowDescription(ctx.pages, page, ctx.Record(id));
    for (int control : controls)
        ctx.pages.ShowControl(page, control, true);
    if (note && HasControl(page, ctl::Note)) {
        ctx.pages.SetText(page, ctl::Note, note);
        ctx.pages.ShowControl(page, ctl::Note, true);
    }
    ctx.pages.ShowControl(PageId::MainDialog, kApplyChangesButton, true);
}

long StoreData(TweakContext& ctx, const Target& at, const Data& data, bool recordDate) {
    TweakContext* dated = recordDate ? &ctx : nullptr;
    const std::string opened = at.OpenedPart();
    const std::string created = at.CreatedPart();
    switch (data.kind) {
        case Data::Kind::Dword: {
            const std::vector<std::uint8_t> bytes = DwordBytes(data.number);
            return WriteValue(ctx.registry, at.hive, opened, created, at.value, regtype::Dword,
                              bytes.data(), 4, dated);
        }
        case Data::Kind::Text:
        case Data::Kind::ExpandText:
        case Data::Kind::Binary:
        case Data::Kind::MultiText:
            // A text is counted without its terminator, which the string keeps after it.
            return WriteValue(ctx.registry, at.hive, opened, created, at.value,
                              StoredForm(data)->type,
                              reinterpret_cast<const std::uint8_t*>(data.bytes.c_str()),
                              static_cast<std::uint32_t>(data.bytes.size()), dated);
        case Data::Kind::DeleteValue: {
            if (recordDate)
                ctx.RecordDate();
            const long rc = DeleteValueByPath(ctx.registry, at.hive, at.key, at.value);
            if (at.keys.removeEmpty && HoldsNothing(ctx.registry, at))
                RemoveKey(ctx.registry, at);
            return rc;
        }
        case Data::Kind::CreateKey:
            return CreateKeyAt(ctx.registry, at.hive, opened, created, dated);
        case Data::Kind::DeleteKey:
            if (recordDate)
                ctx.RecordDate();
            return RemoveKey(ctx.registry, at);
        case Data::Kind::Nothing:
            return err::Success;
    }
    return err::InvalidParameter;
}

bool Matches(TweakContext& ctx, const Target& at, const Data& data, Match match) {
    return TargetMatches(ctx, at, data, match);
}

std::optional<RegValue> StoredForm(const Data& data) {
    RegValue value;
    switch (data.kind) {
        case Data::Kind::Dword:
            value.type = regtype::Dword;
            value.data = DwordBytes(data.number);
            return value;
        case Data::Kind::Text:
        case Data::Kind::ExpandText:
            value.type = data.kind == Data::Kind::Text ? regtype::Sz : regtype::ExpandSz;
            value.data.assign(data.bytes.begin(), data.bytes.end());
            // The registry adds the terminator to a counted text, but not to an empty one.
            if (!data.bytes.empty())
                value.data.push_back(0);
            return value;
        case Data::Kind::Binary:
        case Data::Kind::MultiText:
            value.type = data.kind == Data::Kind::Binary ? regtype::Binary : regtype::MultiSz;
            value.data.assign(data.bytes.begin(), data.bytes.end());
            return value;
        default:
            return std::nullopt;
    }
}

}  // namespace tallowick
