#include "shell/app_core.h"

#include <algorithm>

#include "engine/page_behaviour.h"
#include "platform/host.h"
#include "platform/page_layouts.h"
#include "platform/registry.h"
#include "shell/change_recorder.h"
#include "shell/preview_overlay.h"
#include "shell/write_failure_tracker.h"

namespace tallowick {

namespace {

constexpr TweakId kFirstCategory = 0;
// Only these nodes' Apply runs: the categories' own rows and the drive page (311),
// which has a button of its own, are outside.
constexpr TweakId kFirstApplied = 2;
constexpr TweakId kLastApplied = 310;

}  // namespace

AppCore::AppCore(Registry& registry, Host& host, Pages& pages, std::uintptr_t mainWindow)
    : registry_(registry),
      host_(host),
      pages_(pages),
      mainWindow_(mainWindow),
      programFolder_(host.ProgramFolder()),
      language_(registry, host, programFolder_),
      dates_(registry, host, catalogue_, programFolder_),
      journal_(host, programFolder_) {}

void AppCore::LoadData() {
    language_.ReadLanguageName();
    catalogue_ = BuildCatalogue();
    language_.TranslateCatalogue(catalogue_);
    dates_.Initialise();
    journal_.Load();
}

void AppCore::OpenPages(const RegisterHandlers& registerHandlers) {
    for (const TreeNode& node : TreeNodes()) {
        if (FindGroupList(node.id)) {
            handlers_.Register(node.id, [this](TweakContext&, TweakId id) { ShowGroupList(id); });
        }
    }
    if (registerHandlers)
        registerHandlers(handlers_);
    pages_.OnPageCreated([this](PageId page) { SetUpPage(page); });
    ResetPages(pages_);
    ShowGroupList(kFirstCategory);
}

TweakContext AppCore::Context(Registry& registry, Host& host) {
    return TweakContext{
        registry, host, pages_, catalogue_, dates_, language_, current_.value_or(0), mainWindow_};
}

std::vector<TreeItem> AppCore::TreeItems() const {
    std::vector<TreeItem> items;
    for (const TreeNode& node : TreeNodes()) {
        const TweakRecord& record = catalogue_[node.id];
        items.push_back(TreeItem{node.parent, node.label, record.tweakId,
                                 node.kind != NodeKind::Tweak, record.image});
    }
    return items;
}

void AppCore::OnSelect(std::optional<std::uint32_t> itemData) {
    if (!itemData)
        return;
    current_ = *itemData;
    ResetPages(pages_);
    const TweakId id = *itemData;
    if (id >= kTweakCount)
        return;
    if (const TweakHandlers* handlers = handlers_.Find(id); handlers && handlers->show) {
        TweakContext context = Context(registry_, host_);
        handlers->show(context, id);
    } else if (IsInTree(id)) {
        ShowNotAvailable(id);
    }
}

const TweakHandlers* AppCore::Applicable() const {
    if (!current_ || *current_ < kFirstApplied || *current_ > kLastApplied)
        return nullptr;
    const TweakHandlers* handlers = handlers_.Find(*current_);
    return handlers && handlers->apply ? handlers : nullptr;
}

void AppCore::Alert(int stringId, const std::string& detail) {
    host_.ShowMessageBox(0, FormatKeyFailure(language_.LocalisedString(stringId), detail),
                         language_.LocalisedString(kStringAlertCaption), mb::IconHand);
}

void AppCore::OnApply() {
    const TweakHandlers* handlers = Applicable();
    if (!handlers)
        return;
    Change(handlers->apply, *current_);
}

void AppCore::Change(const std::function<void(TweakContext&)>& write, TweakId tweak) {
    // Every change is journaled before it is made, so that it can be undone.
    std::vector<ChangeStep> steps;
    JournalingRegistry journaled(registry_, steps);
    JournalingHost files(host_, steps);
    WriteFailureTracker tracker(journaled);
    TweakContext context = Context(tracker, files);
    write(context);
    if (const auto& failed = tracker.FirstFailure())
        Alert(kStringKeyWriteFailed, *failed);
    Journal(steps, tweak, false);
}

void AppCore::Journal(const std::vector<ChangeStep>& steps, TweakId tweak, bool undo) {
    if (steps.empty())
        return;
    JournalEntry entry = MakeJournalEntry(steps, registry_, host_);
    if (entry.changes.empty())
        return;
    entry.time = host_.NowUtc();
    entry.tweak = tweak;
    entry.recordName = tweak < catalogue_.size() ? catalogue_[tweak].name : std::string();
    entry.undo = undo;
    if (!journal_.Append(entry) && !journalWarned_) {
        journalWarned_ = true;
        Alert(kStringJournalUnavailable, journal_.FilePath());
    }
}

AppCore::PreviewResult AppCore::OnPreview() {
    PreviewResult result;
    const TweakHandlers* handlers = Applicable();
    if (!handlers)
        return result;
    OverlayRegistry overlay(registry_);
    OverlayHost files(host_);
    std::vector<ChangeStep> steps;
    JournalingRegistry journaled(overlay, steps);
    JournalingHost journaledFiles(files, steps);
    WriteFailureTracker tracker(journaled);
    // A date store of its own over the overlay: the date a handler records goes nowhere.
    DateStore dates(overlay, files, catalogue_, programFolder_);
    TweakContext context{tracker, journaledFiles, pages_,    catalogue_,
                         dates,   language_,      *current_, mainWindow_};
    handlers->apply(context);
    result.changes = MakeJournalEntry(steps, overlay, files).changes;
    result.messages = files.Messages();
    if (const auto& failed = tracker.FirstFailure()) {
        result.messages.push_back(
            FormatKeyFailure(language_.LocalisedString(kStringKeyWriteFailed), *failed));
    }
    return result;
}

bool AppCore::CanUndo() const {
    return current_ && journal_.LastOf(*current_).has_value();
}

bool AppCore::OnUndoLast() {
    if (!current_)
        return false;
    const std::optional<std::size_t> last = journal_.LastOf(*current_);
    return last && UndoEntry(*last);
}

bool AppCore::UndoEntry(std::size_t index) {
    if (index >= journal_.Entries().size())
        return false;
    const JournalEntry entry = journal_.Entries()[index];
    std::vector<ChangeStep> steps;
    JournalingRegistry journaled(registry_, steps);
    JournalingHost files(host_, steps);
    WriteFailureTracker tracker(journaled);
    std::string failedFile;
    const bool restored = RestoreEntry(entry, tracker, files, &failedFile);
    if (!restored) {
        if (const auto& failed = tracker.FirstFailure())
            Alert(kStringKeyWriteFailed, *failed);
        else
            Alert(kStringFileWriteFailed, failedFile);
    } else if (!entry.secrets.empty()) {
        std::string names;
        for (const std::string& secret : entry.secrets)
            names += "\n" + secret;
        Alert(kStringNotRestorable, UnescapeText(names));
    }
    // What a failed undo did change is journaled all the same, so it can be taken back.
    Journal(steps, entry.tweak, true);
    if (restored)
        dates_.RecordDate(entry.tweak);
    if (current_)
        OnSelect(*current_);
    return restored;
}

bool AppCore::ExportEntries(const std::vector<std::size_t>& indexes, const std::string& path) {
    std::vector<const JournalEntry*> chosen;
    const std::vector<JournalEntry>& entries = journal_.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (indexes.empty() || std::find(indexes.begin(), indexes.end(), i) != indexes.end())
            chosen.push_back(&entries[i]);
    }
    if (SaveWholeFile(host_, path, ::tallowick::ExportEntries(chosen)))
        return true;
    Alert(kStringFileWriteFailed, path);
    return false;
}

const TreeSearch& AppCore::Search() {
    if (!search_)
        search_.emplace(catalogue_);
    return *search_;
}

void AppCore::SetUpPage(PageId page) {
    InitialisePage(pages_, page);
    if (const PageHandlers* own = handlers_.FindPage(page); own && own->setUp) {
        TweakContext context = Context(registry_, host_);
        own->setUp(context);
    }
}

void AppCore::OnPageButton(PageId page, int id) {
    if (const PageHandlers* own = handlers_.FindPage(page); own && own->button) {
        Change([own, id](TweakContext& context) { own->button(context, id); },
               current_.value_or(0));
        return;
    }
    OnPageButtonClicked(pages_, host_, mainWindow_, current_ ? handlers_.Find(*current_) : nullptr,
                        page, id);
}

void AppCore::ShowGroupList(TweakId id) {
    const GroupList* list = FindGroupList(id);
    if (!list)
        return;
    pages_.ShowPage(PageId::ListPage, true);
    pages_.ShowControl(PageId::ListPage, ctl::List, true);
    ShowDescription(pages_, PageId::ListPage, catalogue_[id]);
    ClearList(pages_, PageId::ListPage, ctl::List);
    pages_.ListInsertColumn(PageId::ListPage, ctl::List, 0, "Name", list->nameWidth,
                            ColumnAlign::Left);
    pages_.ListInsertColumn(PageId::ListPage, ctl::List, 1, "Data Modified", list->dateWidth,
                            ColumnAlign::Left);
    int row = 0;
    for (const GroupRow& entry : list->rows) {
        const std::string& name = catalogue_[entry.tweak].name;
        int index = pages_.ListInsertItem(PageId::ListPage, ctl::List, row++,
                                          entry.label ? entry.label : name);
        pages_.ListSetItemText(PageId::ListPage, ctl::List, index, 1, dates_.LookUp(name));
    }
}

// A tweak whose handlers are not built yet shows its description and cannot be applied.
void AppCore::ShowNotAvailable(TweakId id) {
    pages_.ShowPage(PageId::MultiCheckPage, true);
    pages_.ShowControl(PageId::MultiCheckPage, ctl::Description, true);
    ShowDescription(pages_, PageId::MultiCheckPage, catalogue_[id]);
}

}  // namespace tallowick
