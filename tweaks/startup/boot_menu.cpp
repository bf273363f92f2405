// How long the boot loader shows its menu of systems (222): the value of the `timeout`
// line of the boot file's [boot loader] section. The file is replaced whole, through a
// new file beside it, so a failure part-way never leaves a torn boot file; every other
// byte is kept. No date is recorded for it.
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "model/language.h"
#include "platform/host.h"
#include "platform/page_layouts.h"
#include "tweaks/startup/startup.h"

namespace tallowick {

namespace {

constexpr const char* kBootFile = "c:\\boot.ini";
constexpr const char* kNewBootFile = "c:\\boot.ini.new";
constexpr const char* kOldBootFile = "c:\\boot.ini.old";
// The combo's item n stands for n seconds.
constexpr int kLongestShown = 30;

// Where the time-out's value lies in the file's text.
struct Span {
    std::size_t start = 0;
    std::size_t length = 0;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view text, std::string_view name) {
    if (text.size() != name.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != name[i])
            return false;
    }
    return true;
}

// The value of the first `timeout` line of the [boot loader] section, after the blanks
// that follow its "="; nothing for a file without one. Lines end at CR or LF.
std::optional<Span> FindTimeout(std::string_view text) {
    bool bootLoader = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        const std::string_view trimmed = Trimmed(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            bootLoader = SameName(trimmed, "[boot loader]");
        } else if (bootLoader) {
            const std::size_t equals = line.find('=');
            if (equals != std::string_view::npos &&
                SameName(Trimmed(line.substr(0, equals)), "timeout")) {
                std::size_t start = pos + equals + 1;
                while (start < end && IsBlank(text[start]))
                    ++start;
                return Span{start, end - start};
            }
        }
        pos = end + 1;
    }
    return std::nullopt;
}

// The seconds the file holds, when they are a plain number the combo can show.
std::optional<int> ShownSeconds(std::string_view value) {
    value = Trimmed(value);
    if (value.empty() || value.size() > 2)
        return std::nullopt;
    int seconds = 0;
    for (char c : value) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        seconds = seconds * 10 + (c - '0');
    }
    return seconds <= kLongestShown ? std::optional<int>(seconds) : std::nullopt;
}

void ShowBootMenu(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::ComboCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::Label1, ctl::Combo1}, kWindowsNote);
    ctx.pages.SetText(page, ctl::MainCheck, "Display the List of Operating Systems .");
    ctx.pages.SetText(page, ctl::Label1, "Seconds to display the list:");
    ctx.pages.ComboReset(page, ctl::Combo1);
    std::vector<std::string> items;
    for (int seconds = 0; seconds <= kLongestShown; ++seconds)
        items.push_back(FormatInt(seconds));
    ctx.pages.ComboAddStrings(page, ctl::Combo1, items);
    ctx.pages.ComboSetCurSel(page, ctl::Combo1, -1);
    ctx.pages.SetCheck(page, ctl::MainCheck, false);

    const std::optional<std::string> text = ctx.host.ReadWholeFile(kBootFile);
    const std::optional<Span> span = text ? FindTimeout(*text) : std::nullopt;
    if (!span)
        return;
    // No time-out is a clear box; one the combo has not, such as waiting for ever, is a
    // ticked box without a choice, which Apply leaves as it is.
    const std::optional<int> seconds = ShownSeconds(text->substr(span->start, span->length));
    ctx.pages.SetCheck(page, ctl::MainCheck, seconds != 0);
    ctx.pages.ComboSetCurSel(page, ctl::Combo1, seconds.value_or(-1));
}

void ReportBootFile(TweakContext& ctx) {
    ctx.host.ShowMessageBox(
        0, FormatKeyFailure(ctx.language.LocalisedString(kStringFileWriteFailed), kBootFile),
        ctx.language.LocalisedString(kStringAlertCaption), mb::IconHand);
}

void ApplyBootMenu(TweakContext& ctx) {
    constexpr PageId page = PageId::ComboCheckPage;
    std::string timeout = "0";
    if (ctx.pages.IsChecked(page, ctl::MainCheck)) {
        const int selected = ctx.pages.ComboGetCurSel(page, ctl::Combo1);
        if (selected < 0)
            return;
        timeout = FormatInt(selected);
    }
    // A read-only boot file has been protected on purpose: it is left as it is.
    const std::optional<std::uint32_t> attributes = ctx.host.AttributesOf(kBootFile);
    if (!attributes || (*attributes & fileattr::ReadOnly)) {
        ReportBootFile(ctx);
        return;
    }
    const std::optional<std::string> old = ctx.host.ReadWholeFile(kBootFile);
    if (!old) {
        ReportBootFile(ctx);
        return;
    }
    const std::optional<Span> span = FindTimeout(*old);
    if (!span || old->compare(span->start, span->length, timeout) == 0)
        return;
    std::string updated = *old;
    updated.replace(span->start, span->length, timeout);
    if (!ctx.host.WriteWholeFile(kNewBootFile, updated) ||
        !ctx.host.WriteWholeFile(kOldBootFile, *old) ||
        !ctx.host.ChangeAttributes(kNewBootFile, *attributes) ||
        !ctx.host.RenameOver(kNewBootFile, kBootFile)) {
        ctx.host.ChangeAttributes(kNewBootFile, fileattr::Normal);
        ctx.host.RemoveFile(kNewBootFile);
        ReportBootFile(ctx);
    }
}

}  // namespace

void RegisterBootMenu(HandlerTable& table) {
    table.Register(222, ShowBootMenu, ApplyBootMenu);
}

}  // namespace tallowick
