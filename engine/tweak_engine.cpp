#include "engine/tweak_engine.h"

#include <string_view>

#include "engine/page_behaviour.h"
#include "engine/registry_conventions.h"
#include "model/tweak_catalogue.h"
#include "platform/page_layouts.h"

namespace tallowick {

namespace {

constexpr int kEditRows[][3] = {{ctl::Label1, ctl::Edit1, ctl::Browse1},
                                {ctl::Label2, ctl::Edit2, ctl::Browse2},
                                {ctl::Label3, ctl::Edit3, ctl::Browse3}};

// The part of the path that Apply opens before creating `create` below it.
std::string OpenedPart(const Location& where) {
    const std::string_view path(where.path);
    const std::string_view create(where.create);
    if (create.empty())
        return std::string(path);
    if (create.size() >= path.size())
        return "";
    return std::string(path.substr(0, path.size() - create.size() - 1));
}

Location WithValue(Location where, const char* value) {
    where.value = value;
    return where;
}

bool PassesGate(TweakContext& ctx, const std::optional<Gate>& gate, bool flip, PageId page) {
    return !gate || CheckGate(ctx, *gate, flip, page);
}

void ShowCheck(TweakContext& ctx, int id, const char* caption, const Location& where,
               const Data& checked) {
    ctx.pages.SetText(PageId::MultiCheckPage, id, caption);
    ctx.pages.SetCheck(PageId::MultiCheckPage, id, false);
    if (Matches(ctx, where, checked))
        ctx.pages.SetCheck(PageId::MultiCheckPage, id, true);
}

void StoreCheck(TweakContext& ctx, int id, const Location& where, const char* alsoValue,
                const Data& checked, const Data& unchecked, DateAt date) {
    const Data& data = ctx.pages.IsChecked(PageId::MultiCheckPage, id) ? checked : unchecked;
    StoreData(ctx, where, data, date == DateAt::EachWrite);
    if (alsoValue)
        StoreData(ctx, WithValue(where, alsoValue), data, date == DateAt::EachWrite);
}

std::size_t StoredIndex(const std::vector<std::uint32_t>& stored, std::uint32_t number,
                        std::size_t count) {
    if (stored.empty())
        return number;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == number)
            return i;
    }
    return count;
}

}  // namespace

void ShowTweakPage(TweakContext& ctx, TweakId id, PageId page, std::initializer_list<int> controls,
                   const char* note) {
    ctx.pages.ShowPage(page, true);
    ShowDescription(ctx.pages, page, ctx.Record(id));
    for (int control : controls)
        ctx.pages.ShowControl(page, control, true);
    if (note) {
        ctx.pages.SetText(page, ctl::Note, note);
        ctx.pages.ShowControl(page, ctl::Note, true);
    }
    ctx.pages.ShowControl(PageId::MainDialog, kApplyChangesButton, true);
}

long StoreData(TweakContext& ctx, const Location& where, const Data& data, bool recordDate) {
    TweakContext* dated = recordDate ? &ctx : nullptr;
    const std::string opened = OpenedPart(where);
    switch (data.kind) {
        case Data::Kind::Dword:
            return WriteDwordValue(ctx.registry, where.hive, opened, where.create, where.value,
                                   data.number, dated);
        case Data::Kind::Text:
            return WriteTextValue(ctx.registry, where.hive, opened, where.create, where.value,
                                  data.text, dated);
        case Data::Kind::ExpandText:
            return WriteExpandTextValue(ctx.registry, where.hive, opened, where.create, where.value,
                                        data.text, dated);
        case Data::Kind::Delete:
            if (recordDate)
                ctx.RecordDate();
            return DeleteValueByPath(ctx.registry, where.hive, where.path, where.value);
    }
    return err::InvalidParameter;
}

bool Matches(TweakContext& ctx, const Location& where, const Data& data) {
    switch (data.kind) {
        case Data::Kind::Dword:
            return ReadNumber(ctx.registry, where.hive, where.path, where.value) == data.number;
        case Data::Kind::Text:
        case Data::Kind::ExpandText:
            return ReadText(ctx.registry, where.hive, where.path, where.value) ==
                   std::string(data.text);
        case Data::Kind::Delete:
            break;
    }
    return false;
}

void Register(HandlerTable& table, const CheckTweak& tweak) {
    table.Register(
        tweak.id,
        [tweak](TweakContext& ctx, TweakId id) {
            ShowTweakPage(ctx, id, PageId::MultiCheckPage, {ctl::MainCheck},
                          tweak.note ? kRestartNote : nullptr);
            ShowCheck(ctx, ctl::MainCheck, tweak.caption, tweak.where, tweak.checked);
        },
        [tweak](TweakContext& ctx) {
            if (!PassesGate(ctx, tweak.gate, tweak.flip, PageId::MultiCheckPage))
                return;
            if (tweak.date == DateAt::First)
                ctx.RecordDate();
            StoreCheck(ctx, ctl::MainCheck, tweak.where, tweak.alsoValue, tweak.checked,
                       tweak.unchecked, tweak.date);
        });
}

void Register(HandlerTable& table, const DualCheckTweak& tweak) {
    const Location user{ScopeCurrentUser, tweak.path, tweak.create, tweak.value};
    const Location machine{ScopeAllUsers, tweak.path, tweak.create, tweak.value};
    table.Register(
        tweak.id,
        [tweak, user, machine](TweakContext& ctx, TweakId id) {
            ShowTweakPage(ctx, id, PageId::MultiCheckPage, {ctl::MainCheck, ctl::SecondCheck});
            ShowCheck(ctx, ctl::MainCheck, tweak.userCaption, user, tweak.checked);
            ShowCheck(ctx, ctl::SecondCheck, tweak.machineCaption, machine, tweak.checked);
        },
        [tweak, user, machine](TweakContext& ctx) {
            if (!PassesGate(ctx, tweak.gate, false, PageId::MultiCheckPage))
                return;
            if (tweak.date == DateAt::First)
                ctx.RecordDate();
            StoreCheck(ctx, ctl::MainCheck, user, tweak.alsoValue, tweak.checked, tweak.unchecked,
                       tweak.date);
            StoreCheck(ctx, ctl::SecondCheck, machine, tweak.alsoValue, tweak.checked,
                       tweak.unchecked, tweak.date);
        });
}

void Register(HandlerTable& table, const EditTweak& tweak) {
    table.Register(
        tweak.id,
        [tweak](TweakContext& ctx, TweakId id) {
            ShowTweakPage(ctx, id, PageId::PathEditPage, {}, tweak.note ? kRestartNote : nullptr);
            for (std::size_t row = 0; row < tweak.fields.size() && row < 3; ++row) {
                const EditField& field = tweak.fields[row];
                const auto [label, edit, browse] = kEditRows[row];
                ctx.pages.ShowControl(PageId::PathEditPage, label, true);
                ctx.pages.ShowControl(PageId::PathEditPage, edit, true);
                if (field.browse)
                    ctx.pages.ShowControl(PageId::PathEditPage, browse, true);
                ctx.pages.SetText(PageId::PathEditPage, label, field.label);
                ctx.pages.SetText(PageId::PathEditPage, edit, "");
                const Location& at = field.where;
                std::string shown;
                if (field.store == Store::Number) {
                    if (auto n = ReadNumber(ctx.registry, at.hive, at.path, at.value)) {
                        shown = FormatInt(static_cast<int>(*n));
                    }
                } else if (auto text = ReadText(ctx.registry, at.hive, at.path, at.value)) {
                    shown = *text;
                    const std::string_view suffix(tweak.suffix);
                    if (!suffix.empty() && shown.size() >= suffix.size() &&
                        shown.compare(shown.size() - suffix.size(), suffix.size(), suffix) == 0) {
                        shown.resize(shown.size() - suffix.size());
                    }
                }
                ctx.pages.SetText(PageId::PathEditPage, edit, shown);
            }
        },
        [tweak](TweakContext& ctx) {
            if (!PassesGate(ctx, tweak.gate, false, PageId::PathEditPage))
                return;
            if (tweak.date == DateAt::First)
                ctx.RecordDate();
            const bool dated = tweak.date == DateAt::EachWrite;
            for (std::size_t row = 0; row < tweak.fields.size() && row < 3; ++row) {
                const EditField& field = tweak.fields[row];
                const std::string text = ctx.pages.GetText(PageId::PathEditPage, kEditRows[row][1]);
                if (row == 0 && text.empty() && tweak.whenEmpty != 0) {
                    if (tweak.whenEmpty == kDeleteWhenEmpty) {
                        StoreData(ctx, field.where, Delete(), dated);
                    } else {
                        ShowAlert(ctx, tweak.whenEmpty);
                    }
                    return;
                }
                const std::string stored = text + tweak.suffix;
                switch (field.store) {
                    case Store::Number:
                        StoreData(ctx, field.where,
                                  Dword(static_cast<std::uint32_t>(AtoiLikeC(text))), dated);
                        break;
                    case Store::Text:
                        StoreData(ctx, field.where, Text(stored.c_str()), dated);
                        break;
                    case Store::ExpandText:
                        StoreData(ctx, field.where, ExpandText(stored.c_str()), dated);
                        break;
                }
            }
        });
}

void Register(HandlerTable& table, const ChoiceTweak& tweak) {
    const bool list = tweak.control == ChoiceTweak::Control::List;
    const PageId page = list ? PageId::ListPage : PageId::ComboCheckPage;
    table.Register(
        tweak.id,
        [tweak, list, page](TweakContext& ctx, TweakId id) {
            const Location& at = tweak.where;
            const auto number = ReadNumber(ctx.registry, at.hive, at.path, at.value);
            const std::size_t current =
                number ? StoredIndex(tweak.stored, *number, tweak.choices.size())
                       : tweak.choices.size();
            if (list) {
                ShowTweakPage(ctx, id, page, {ctl::List}, tweak.note ? kRestartNote : nullptr);
                ClearList(ctx.pages, page, ctl::List);
                ctx.pages.ListInsertColumn(page, ctl::List, 0, tweak.column, 380,
                                           ColumnAlign::Left);
                for (std::size_t i = 0; i < tweak.choices.size(); ++i) {
                    ctx.pages.ListInsertItem(page, ctl::List, static_cast<int>(i),
                                             tweak.choices[i]);
                }
                if (current < tweak.choices.size()) {
                    ctx.pages.ListSetSelected(page, ctl::List, static_cast<int>(current));
                }
            } else {
                ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::Combo1},
                              tweak.note ? kRestartNote : nullptr);
                ctx.pages.SetText(page, ctl::Label1, tweak.label);
                ctx.pages.ComboReset(page, ctl::Combo1);
                for (const char* choice : tweak.choices) {
                    ctx.pages.ComboAddString(page, ctl::Combo1, choice);
                }
                if (current < tweak.choices.size()) {
                    ctx.pages.ComboSetCurSel(page, ctl::Combo1, static_cast<int>(current));
                }
            }
        },
        [tweak, list, page](TweakContext& ctx) {
            if (!PassesGate(ctx, tweak.gate, false, page))
                return;
            if (tweak.date == DateAt::First)
                ctx.RecordDate();
            const int index = list ? ctx.pages.ListGetSelected(page, ctl::List)
                                   : ctx.pages.ComboGetCurSel(page, ctl::Combo1);
            if (index < 0 || static_cast<std::size_t>(index) >= tweak.choices.size())
                return;
            const std::uint32_t number =
                tweak.stored.empty() ? static_cast<std::uint32_t>(index) : tweak.stored[index];
            StoreData(ctx, tweak.where, Dword(number), tweak.date == DateAt::EachWrite);
        });
}

}  // namespace tallowick
