// Properties every declared tweak has, checked over all of them: a new declaration is
// covered the moment it is registered. For each tweak, the fields are set to each of
// their states in turn (a box ticked and clear, every item of a choice and none, an edit
// with a sample text and empty, a colour and none, the rows of a check list).
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "engine/declarations.h"
#include "engine/named_colors.h"
#include "engine/page_behaviour.h"
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "shell/app_core.h"
#include "support/registry_test_support.h"
#include "support/returning_user.h"
#include "tweaks/categories.h"

namespace tallowick {
namespace {

const OsVersion kVersions[] = {{4, 0, 950, 1},  {4, 10, 1998, 1}, {4, 90, 3000, 1}, {4, 0, 1381, 2},
                               {5, 0, 2195, 2}, {5, 1, 2600, 2},  {6, 0, 6000, 2}};

// A returning user's machine: the date file was written on an earlier day.
struct Machine {
    static constexpr const char* kEarlier = "6/19/2006";

    explicit Machine(const RegisterHandlers& handlers) {
        StartAsReturningUser(registry, host, core, handlers);
    }
    std::string DateOf(TweakId id) { return core.Dates().LookUp(core.Catalogue()[id].name); }

    MemoryRegistry registry;
    FakeHost host;
    MemoryPages pages{PageLayouts()};
    AppCore core{registry, host, pages};
};

// Every key and value under the three real hives: "HKEY_...\key" for a key, with
// " : name" and the value for a value.
using Snapshot = std::map<std::string, std::optional<RegValue>>;

void TakeKey(Registry& registry, RegKey key, const std::string& path, Snapshot& out) {
    out[path] = std::nullopt;
    char name[512];
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t length = sizeof name;
        if (registry.EnumValue(key, i, name, &length, nullptr, nullptr, nullptr) != err::Success)
            break;
        RegValue value;
        QueryValueWhole(registry, key, name, &value);
        out[path + " : " + name] = value;
    }
    for (std::uint32_t i = 0; registry.EnumKey(key, i, name, sizeof name) == err::Success; ++i) {
        KeyHandle sub(registry);
        if (registry.OpenKey(key, name, access::Read, sub.out()) == err::Success)
            TakeKey(registry, sub.get(), path + "\\" + name, out);
    }
}

Snapshot Take(Registry& registry) {
    Snapshot out;
    for (RegKey root : {hive::CurrentUser, hive::LocalMachine, hive::Users})
        TakeKey(registry, root, HiveName(root), out);
    return out;
}

// The entries that differ, each once.
std::set<std::string> Changed(const Snapshot& before, const Snapshot& after) {
    std::set<std::string> changed;
    for (const auto& [name, value] : before) {
        auto it = after.find(name);
        if (it == after.end() || it->second != value)
            changed.insert(name);
    }
    for (const auto& [name, value] : after) {
        if (!before.count(name))
            changed.insert(name);
    }
    return changed;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Names match without regard to case, as the registry's do.
std::string KeyName(const Target& at) {
    return Lower(std::string(HiveName(at.hive)) + "\\" + at.key);
}

// Whether `entry` of a snapshot is the target's value or a key on the way to it. What is
// written through HKEY_CLASSES_ROOT lands under either hive's Software\Classes.
bool OnTheWayTo(const std::string& entry, const Target& at) {
    std::vector<std::string> keys = {KeyName(at)};
    if (at.hive == hive::ClassesRoot) {
        const std::string classes = Lower(std::string("\\Software\\Classes\\") + at.key);
        keys = {"hkey_local_machine" + classes, "hkey_current_user" + classes};
    }
    const std::string name = Lower(entry);
    for (const std::string& key : keys) {
        if (name == key + " : " + Lower(at.value) || (key + "\\").rfind(name + "\\", 0) == 0)
            return true;
    }
    return false;
}

// What one field should hold after Apply with the field in one of its states.
struct Expected {
    const std::vector<Target>* at = nullptr;
    std::optional<Data> data;  // nullopt: left as it was
};

// One way a user can leave the whole page, and what it should store.
struct Scenario {
    std::function<void(Pages&)> set;
    std::vector<Expected> expected;
    std::optional<int> alert;  // a field alert Apply must show
    // What a second Apply, after showing the page again, stores besides: a choice left
    // without selection that stores nothing shows its preselected item on a missing value.
    std::vector<Expected> reshown;
};

constexpr const char* kSample = "C:\\Tallowick\\sample";

int EditRowId(PageId page, int row) {
    static constexpr int kEdits[] = {ctl::Edit1, ctl::Edit2, ctl::Edit3,
                                     ctl::Edit4, ctl::Edit5, ctl::Edit6};
    return page == PageId::EditComboPage ? ctl::Edit1 : kEdits[row];
}

int StateCount(const Field& field) {
    if (const auto* choice = std::get_if<Choice>(&field))
        return static_cast<int>(choice->items.size()) + 1;
    return 2;
}

// The page state `state` of every field (fields with fewer states take it modulo their
// count), and what it stores.
Scenario MakeScenario(const Declared& tweak, int state, const std::string& windowsDir) {
    Scenario scenario;
    std::vector<std::function<void(Pages&)>> steps;
    const PageId page = tweak.page;
    int nextRow = 0;
    bool stopped = false;  // a field alert stops Apply before the later fields
    for (const Field& field : tweak.fields) {
        const int k = state % StateCount(field);
        Expected expected;
        if (const auto* box = std::get_if<Box>(&field)) {
            steps.push_back([=](Pages& p) { p.SetCheck(page, box->control, k == 0); });
            // Over nothing stored, a box that clears only its own value leaves it missing.
            expected = {&box->at, k == 0               ? std::optional<Data>(box->on)
                                  : box->offOnlyOverOn ? std::nullopt
                                                       : std::optional<Data>(box->off)};
        } else if (const auto* choice = std::get_if<Choice>(&field)) {
            const bool none = k == static_cast<int>(choice->items.size());
            const int index = none ? -1 : k;
            steps.push_back([=](Pages& p) {
                if (choice->control == ctl::List)
                    p.ListSetSelected(page, ctl::List, index);
                else
                    p.ComboSetCurSel(page, choice->control, index);
            });
            expected = {&choice->at, none ? choice->none : choice->items[k].data};
            const bool leftMissing = choice->none.kind == Data::Kind::Nothing ||
                                     choice->none.kind == Data::Kind::DeleteValue;
            if (none && leftMissing && choice->preselect >= 0)
                scenario.reshown.push_back({&choice->at, choice->items[choice->preselect].data});
        } else if (const auto* row = std::get_if<EditRow>(&field)) {
            const int place = row->row ? row->row - 1 : nextRow;
            nextRow = place + 1;
            const int edit = EditRowId(page, place);
            std::string text;
            std::optional<Data> data;
            if (k == 0) {
                text = row->store == Store::Number
                           ? "42"
                           : (row->systemRoot ? windowsDir + "\\sample" : std::string(kSample));
                const std::string stored =
                    (row->systemRoot ? "%SystemRoot%\\sample" : text) + row->suffix;
                data = row->store == Store::Number       ? Dword(42)
                       : row->store == Store::ExpandText ? ExpandText(stored)
                                                         : Text(stored);
            } else {
                switch (row->empty.kind) {
                    case WhenEmpty::Kind::Store:
                        data = row->store == Store::Number       ? Dword(0)
                               : row->store == Store::ExpandText ? ExpandText(row->suffix)
                                                                 : Text(row->suffix);
                        break;
                    case WhenEmpty::Kind::Skip:
                        break;
                    case WhenEmpty::Kind::Delete:
                        data = DeleteValue();
                        break;
                    case WhenEmpty::Kind::Alert:
                        if (!stopped)
                            scenario.alert = row->empty.alertId;
                        stopped = true;
                        break;
                }
            }
            // A row that drops the picker's quotes gets them around both texts.
            if (row->unquote)
                text = '"' + text + '"';
            steps.push_back([=](Pages& p) { p.SetText(page, edit, text); });
            expected = {&row->at, data};
        } else if (const auto* colour = std::get_if<Colour>(&field)) {
            const std::uint32_t tomato = 0x004763FF;
            steps.push_back([=](Pages& p) {
                if (k == 0)
                    SelectColor(p, page, ctl::ColourCombo, tomato);
                else
                    p.ComboSetCurSel(page, ctl::ColourCombo, -1);
            });
            const std::uint32_t stored = k == 0 ? tomato : 0;
            expected = {&colour->at, colour->form == Colour::Form::Text
                                         ? Text(ColorToText(stored))
                                         : Binary(ColorToBinary(stored))};
        } else {
            const auto& rows = std::get<CheckRows>(field).rows;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const bool ticked = (i + k) % 2 == 0;
                steps.push_back(
                    [=](Pages& p) { p.ListSetCheckState(page, ctl::ValueList, int(i), ticked); });
                scenario.expected.push_back(
                    {&rows[i].at, stopped
                                      ? std::nullopt
                                      : std::optional<Data>(ticked ? rows[i].on : rows[i].off)});
            }
            continue;
        }
        if (stopped)
            expected.data = std::nullopt;
        scenario.expected.push_back(expected);
    }
    scenario.set = [steps](Pages& p) {
        for (const auto& step : steps)
            step(p);
    };
    return scenario;
}

int ScenarioCount(const Declared& tweak) {
    int count = 1;
    for (const Field& field : tweak.fields)
        count = std::max(count, StateCount(field));
    return count;
}

std::vector<const Declared*> AllDeclared(const AppCore& core) {
    std::vector<const Declared*> all;
    for (const auto& [id, handlers] : const_cast<AppCore&>(core).Handlers().All()) {
        if (handlers.declared)
            all.push_back(handlers.declared.get());
    }
    return all;
}

// A version on which the tweak's gate passes, or refuses.
OsVersion Passing(const Declared& tweak, bool passes) {
    for (const OsVersion& version : kVersions) {
        FakeHost probe;
        probe.version = version;
        if (!tweak.gate || Passes(OsVersionInfo(probe), *tweak.gate) == passes)
            return version;
    }
    return kVersions[0];
}

// The keys Apply opens without creating them, so that every write can happen.
void MakeOpenedKeys(Machine& m, const Declared& tweak) {
    auto make = [&](const std::vector<Target>& at) {
        for (const Target& target : at) {
            const std::string opened = target.OpenedPart();
            KeyHandle key(m.registry);
            if (!opened.empty())
                m.registry.CreateKey(target.hive, opened.c_str(), key.out());
        }
    };
    for (const Field& field : tweak.fields) {
        std::visit(
            [&](const auto& f) {
                if constexpr (std::is_same_v<std::decay_t<decltype(f)>, CheckRows>) {
                    for (const CheckRow& row : f.rows)
                        make(row.at);
                } else {
                    make(f.at);
                }
            },
            field);
    }
}

// True when the target holds what `data` stores.
bool Holds(Registry& registry, const Target& at, const Data& data) {
    switch (data.kind) {
        case Data::Kind::DeleteValue:
            return !ReadValue(registry, at.hive, at.key, at.value);
        case Data::Kind::CreateKey:
            return KeyExists(registry, at.hive, at.key);
        case Data::Kind::DeleteKey:
            return !KeyExists(registry, at.hive, at.key);
        case Data::Kind::Nothing:
            return true;
        default:
            return ReadValue(registry, at.hive, at.key, at.value) == StoredForm(data);
    }
}

// The entries a field may change: its keys (with every key on the way to them) and values.
bool MayChange(const std::string& entry, const std::vector<Expected>& expected) {
    for (const Expected& e : expected) {
        for (const Target& at : *e.at) {
            if (OnTheWayTo(entry, at))
                return true;
        }
    }
    return false;
}

// One declaration of every shape and option the categories' declarations do not use (an
// example goes once they do), so that the properties hold for what the next ones will
// declare, and of each kind of value the Show rules below read. Ids are nodes of the tree.
void RegisterShapeExamples(HandlerTable& table) {
    constexpr const char* kKey = "Software\\Tallowick\\Shapes";
    constexpr Target kAt{hive::CurrentUser, kKey, "v"};
    // Texts matched in any letter case, a value missing counts as ticked, a mirror target.
    Register(table, Declared{.id = 56,
                             .fields = {Box{.caption = "Text",
                                            .at = {kAt, kAt.Under(hive::LocalMachine)},
                                            .on = Text("N"),
                                            .off = Text("Y"),
                                            .match = Match::IgnoreCase}},
                             .refusal = Refusal::ClearMainCheck,
                             .note = "Note:\n\tRestart Windows for the change to take effect."});
    Register(table, Declared{.id = 73,
                             .fields = {Box{.caption = "Missing is on",
                                            .at = {kAt},
                                            .on = Dword(1),
                                            .off = Dword(0),
                                            .missingIsOn = true}},
                             .gate = gate::XpOnly,
                             .refusal = Refusal::ClearMainCheck});
    // Several boxes taking the page's checkboxes in order, keys made below an opened one.
    Register(table, Declared{.id = 76,
                             .fields = {Box{.at = {{hive::CurrentUser, "Software\\Tallowick\\A",
                                                    "One", CreateTail(1)}},
                                            .on = Dword(1),
                                            .off = Dword(0)},
                                        Box{.at = {{hive::CurrentUser, "Software\\Tallowick\\A",
                                                    "Two", CreateTail(1)}},
                                            .on = Binary({0x1E, 0x3E, 0x07, 0x80}),
                                            .off = Binary({0x9E, 0x3E, 0x07, 0x80})},
                                        Box{.at = {kAt.Named("Three")},
                                            .on = MultiText({"a", "b"}),
                                            .off = DeleteValue()}},
                             .gate = gate::Win2000MeXp});
    // Text choices with a preselected item and a fallback for unknown texts.
    Register(table, Declared{.id = 65,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Depth",
                                               .items = {{"4", Text("4")},
                                                         {"8", Text("8")},
                                                         {"16", Text("16")},
                                                         {"24", Text("24")}},
                                               .at = {kAt},
                                               .none = Text("24"),
                                               .preselect = 0,
                                               .otherwise = 3},
                                        Choice{.control = ctl::Combo2,
                                               .label = "Numbers",
                                               .items = NumberItems(0, 3, true),
                                               .at = {kAt.Named("n")}}}});
    // Numbers kept as texts, read back by their number.
    Register(table, Declared{.id = 173,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Count",
                                               .items = NumberItems(0, 12, true),
                                               .at = {kAt.Named("Count")},
                                               .match = Match::Number}},
                             .gate = gate::AllBut95});
    // Both colour forms.
    Register(table,
             Declared{.id = 68,
                      .page = PageId::ComboCheckPage,
                      .fields = {Colour{.form = Colour::Form::Text, .label = "C", .at = {kAt}}}});
    Register(table, Declared{.id = 70,
                             .page = PageId::ComboCheckPage,
                             .fields = {Colour{.label = "C", .at = {kAt}}},
                             .gate = gate::XpOnly});
    // A check list of keys that exist or not.
    Register(table,
             Declared{.id = 80,
                      .page = PageId::ValueListPage,
                      .fields = {CheckRows{
                          {{"One",
                            {{hive::CurrentUser, "Software\\Tallowick\\R1", "", CreateTail(1)}},
                            CreateKey(),
                            DeleteKey()},
                           {"Two", {kAt}, Text("x"), DeleteValue()}}}}});
    // Six folders kept with %SystemRoot%, each skipped when empty; half typed in quotes.
    Declared folders{.id = 306, .page = PageId::SixPathPage, .browse = BrowseKind::Folder};
    for (const char* value : {"F1", "F2", "F3", "F4", "F5", "F6"}) {
        folders.fields.push_back(EditRow{.label = value,
                                         .at = {kAt.Named(value)},
                                         .store = Store::ExpandText,
                                         .empty = kSkipEmpty,
                                         .systemRoot = true,
                                         .unquote = value[1] > '3'});
    }
    Register(table, folders);
    // A box and a combo of numbers on the CheckComboPage, the box enabling the combo.
    Register(table,
             Declared{.id = 300,
                      .page = PageId::CheckComboPage,
                      .fields = {Box{.caption = "On",
                                     .at = {kAt.Named("On")},
                                     .on = Dword(1),
                                     .off = DeleteValue()},
                                 Choice{.label = "Mode",
                                        .items = IndexItems({"0", "1", "2"}),
                                        .at = {kAt.Named("Mode")},
                                        .none = DeleteValue()}},
                      .enables = Enables{PageId::CheckComboPage, ctl::MainCheck, {ctl::Combo1}}});
}

class DeclaredTweaks : public ::testing::TestWithParam<bool> {
  protected:
    // The categories' tweaks, or the shape examples.
    static RegisterHandlers Registration() {
        return GetParam() ? RegisterHandlers(RegisterAllCategories)
                          : RegisterHandlers(RegisterShapeExamples);
    }
    Machine probe{Registration()};
    std::vector<const Declared*> all = AllDeclared(probe.core);
};

INSTANTIATE_TEST_SUITE_P(, DeclaredTweaks, ::testing::Values(true, false), [](const auto& info) {
    return info.param ? "Categories" : "ShapeExamples";
});

TEST_P(DeclaredTweaks, EveryStateStoresExactlyItsDataAndShowReadsItBack) {
    ASSERT_GE(all.size(), 10u);
    for (const Declared* tweak : all) {
        for (int state = 0; state < ScenarioCount(*tweak); ++state) {
            SCOPED_TRACE("tweak " + std::to_string(tweak->id) + ", state " + std::to_string(state));
            Machine m(Registration());
            m.host.version = Passing(*tweak, true);
            MakeOpenedKeys(m, *tweak);
            const Scenario scenario = MakeScenario(*tweak, state, m.host.windowsDirectory);
            m.core.OnSelect(tweak->id);
            scenario.set(m.pages);
            const Snapshot before = Take(m.registry);
            m.core.OnApply();
            const Snapshot after = Take(m.registry);

            for (const Expected& e : scenario.expected) {
                for (const Target& at : *e.at) {
                    if (e.data) {
                        EXPECT_TRUE(Holds(m.registry, at, *e.data))
                            << KeyName(at) << " : " << at.value;
                    }
                }
            }
            for (const std::string& entry : Changed(before, after)) {
                if (entry.rfind("HKEY_USERS", 0) != 0) {
                    EXPECT_TRUE(MayChange(entry, scenario.expected)) << entry << " changed";
                }
            }
            if (scenario.alert) {
                ASSERT_EQ(m.host.messageBoxes.size(), 1u);
                EXPECT_EQ(m.host.messageBoxes[0].text, BuiltInString(*scenario.alert));
            } else {
                EXPECT_TRUE(m.host.messageBoxes.empty());
            }
            if (tweak->date != DateAt::Never) {
                EXPECT_NE(m.DateOf(tweak->id), Machine::kEarlier);
            }

            // Shown again, the page holds what was stored: an unchanged Apply writes nothing
            // but the preselected items of values that are still missing.
            m.core.OnSelect(tweak->id);
            m.core.OnApply();
            for (const Expected& e : scenario.reshown) {
                for (const Target& at : *e.at)
                    EXPECT_TRUE(Holds(m.registry, at, *e.data)) << KeyName(at) << " : " << at.value;
            }
            for (const std::string& entry : Changed(after, Take(m.registry))) {
                if (entry.rfind("HKEY_USERS", 0) != 0) {
                    EXPECT_TRUE(MayChange(entry, scenario.reshown)) << entry << " changed again";
                }
            }
        }
    }
}

TEST_P(DeclaredTweaks, ARefusedVersionWritesNothingRecordsNoDateAndTreatsTheBoxAsDeclared) {
    int gated = 0;
    for (const Declared* tweak : all) {
        if (!tweak->gate)
            continue;
        ++gated;
        SCOPED_TRACE("tweak " + std::to_string(tweak->id));
        Machine m(Registration());
        m.host.version = Passing(*tweak, false);
        MakeOpenedKeys(m, *tweak);
        m.core.OnSelect(tweak->id);
        MakeScenario(*tweak, 1, m.host.windowsDirectory).set(m.pages);
        const bool hasMain = tweak->page != PageId::ListPage || !tweak->fields.empty();
        const bool ticked = hasMain && std::holds_alternative<Box>(tweak->fields.front()) &&
                            m.pages.IsChecked(tweak->page, ctl::MainCheck);
        const Snapshot before = Take(m.registry);
        m.core.OnApply();
        EXPECT_EQ(Changed(before, Take(m.registry)), std::set<std::string>{});
        EXPECT_EQ(m.DateOf(tweak->id), Machine::kEarlier);
        ASSERT_EQ(m.host.messageBoxes.size(), 1u);
        EXPECT_EQ(m.host.messageBoxes[0].text, BuiltInString(tweak->gate->alertId));
        EXPECT_EQ(m.host.messageBoxes[0].caption, "A L E R T");
        if (ticked || tweak->refusal != Refusal::Leave) {
            const bool now = m.pages.IsChecked(tweak->page, ctl::MainCheck);
            switch (tweak->refusal) {
                case Refusal::Leave:
                    EXPECT_EQ(now, ticked);
                    break;
                case Refusal::FlipMainCheck:
                    EXPECT_EQ(now, !ticked);
                    break;
                case Refusal::ClearMainCheck:
                    EXPECT_FALSE(now);
                    break;
            }
        }
    }
    EXPECT_GT(gated, 3);
}

TEST_P(DeclaredTweaks, KeysThatAreOnlyOpenedAreNeverMadeAndTheirWritesAreSkipped) {
    for (const Declared* tweak : all) {
        SCOPED_TRACE("tweak " + std::to_string(tweak->id));
        Machine m(Registration());
        m.host.version = Passing(*tweak, true);
        m.core.OnSelect(tweak->id);
        const Scenario scenario = MakeScenario(*tweak, 0, m.host.windowsDirectory);
        scenario.set(m.pages);
        const Snapshot before = Take(m.registry);
        m.core.OnApply();
        bool wrote = false;
        for (const std::string& entry : Changed(before, Take(m.registry))) {
            if (entry.rfind("HKEY_USERS", 0) == 0)
                continue;
            wrote = true;
            // Only a target whose whole key Apply makes can appear on an empty machine.
            bool made = false;
            for (const Expected& e : scenario.expected) {
                for (const Target& at : *e.at)
                    made |= at.keys.kind == KeyPolicy::Kind::CreateAll && OnTheWayTo(entry, at);
            }
            EXPECT_TRUE(made) << entry;
        }
        if (tweak->date == DateAt::EachWrite && !wrote) {
            EXPECT_EQ(m.DateOf(tweak->id), Machine::kEarlier);
        }
        EXPECT_TRUE(m.host.messageBoxes.empty());
    }
}

// What Show makes of values that no state of the page stores.
TEST(Declarations, ShowRulesForValuesNoStateStores) {
    Machine m(RegisterShapeExamples);
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Tallowick\\Shapes]\n";
    auto shown = [&](TweakId id, const std::string& values, int control) {
        m.registry.LoadRegText("REGEDIT4\n[-HKEY_CURRENT_USER\\Software\\Tallowick]\n" + key +
                               values);
        m.core.OnSelect(id);
        const bool box = control == ctl::MainCheck || control == ctl::SecondCheck;
        const PageId page = box ? PageId::MultiCheckPage : PageId::ComboCheckPage;
        return box ? std::string(m.pages.IsChecked(page, control) ? "x" : "-")
                   : m.pages.GetText(page, control);
    };
    EXPECT_EQ(shown(65, "", ctl::Combo1), "4") << "missing: the preselected item";
    EXPECT_EQ(shown(65, "\"v\"=\"32\"\n", ctl::Combo1), "24") << "unknown: the fallback";
    EXPECT_EQ(shown(65, "\"v\"=\"8\"\n", ctl::Combo1), "8");
    EXPECT_EQ(shown(65, "\"v\"=\" 8\"\n", ctl::Combo1), "24") << "texts match exactly";
    EXPECT_EQ(shown(65, "\"n\"=\"9\"\n", ctl::Combo2), "") << "unknown, no fallback";
    for (const auto& [text, item] : {std::pair{"05", "5"}, {" 7", "7"}, {"99", ""}})
        EXPECT_EQ(shown(173, std::string("\"Count\"=\"") + text + "\"\n", ctl::Combo1), item)
            << "a number kept as a text";
    EXPECT_EQ(shown(73, "", ctl::MainCheck), "x") << "missing counts as ticked";
    EXPECT_EQ(shown(73, "\"v\"=dword:00000000\n", ctl::MainCheck), "-");
    EXPECT_EQ(shown(56, "\"v\"=\"n\"\n", ctl::MainCheck), "x") << "any letter case";
    // A box of bytes reads the first four, of whatever type: Explorer keeps counting in
    // the later bytes of some, and a number may have been written as a DWORD.
    const std::string second = "[HKEY_CURRENT_USER\\Software\\Tallowick\\A]\n\"Two\"=";
    EXPECT_EQ(shown(76, second + "hex:1e,3e,07,80,07\n", ctl::SecondCheck), "x");
    EXPECT_EQ(shown(76, second + "dword:80073e1e\n", ctl::SecondCheck), "x");
    EXPECT_EQ(shown(76, second + "hex:1e,3e,07\n", ctl::SecondCheck), "-");
    EXPECT_EQ(shown(68, "\"v\"=\"255 99 71\"\n", ctl::ColourCombo), "Tomato");
    EXPECT_EQ(shown(68, "\"v\"=\"0 78 152\"\n", ctl::ColourCombo), "") << "no such name";
    EXPECT_EQ(shown(68, "\"v\"=\"255 99\"\n", ctl::ColourCombo), "");
    // A colour's text is three numbers with blanks of any width between; a number too big
    // for its field is refused, not wrapped into range.
    EXPECT_EQ(shown(68, "\"v\"=\" 0  255\t255\"\n", ctl::ColourCombo), "Aqua");
    EXPECT_EQ(shown(68, "\"v\"=\"4294967296 255 255\"\n", ctl::ColourCombo), "");
    EXPECT_EQ(shown(68, "\"v\"=\"0 255 255 1\"\n", ctl::ColourCombo), "");
    EXPECT_EQ(shown(68, "\"v\"=\"0 255 256\"\n", ctl::ColourCombo), "");
    EXPECT_EQ(shown(70, "\"v\"=hex:ff,63,47,00,01\n", ctl::ColourCombo), "Tomato")
        << "the first four bytes";
}

TEST(Declarations, AMistakeInADeclarationStopsTheStart) {
    HandlerTable table;
    const Target at{hive::CurrentUser, "Software\\Tallowick", "v"};
    // A combo the MultiCheckPage does not have.
    EXPECT_THROW(Register(table, Declared{.id = 3, .fields = {Choice{.at = {at}}}}),
                 std::logic_error);
    // Eleven checkboxes on a page of ten.
    Declared crowded{.id = 4};
    for (int i = 0; i < 11; ++i)
        crowded.fields.push_back(Box{.at = {at}, .on = Dword(1), .off = Dword(0)});
    EXPECT_THROW(Register(table, crowded), std::logic_error);
    // Four edit rows on a page of three.
    Declared rows{.id = 5, .page = PageId::PathEditPage};
    rows.fields.assign(4, EditRow{.at = {at}});
    EXPECT_THROW(Register(table, rows), std::logic_error);
    EXPECT_EQ(table.size(), 0u);
}

}  // namespace
}  // namespace tallowick
