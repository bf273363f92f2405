#include "shell/app_core.h"

#include "engine/page_behaviour.h"
#include "platform/host.h"
#include "platform/page_layouts.h"
#include "platform/registry.h"
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
      dates_(registry, host, catalogue_, programFolder_) {}

void AppCore::LoadData() {
    language_.ReadLanguageName();
    catalogue_ = BuildCatalogue();
    language_.TranslateCatalogue(catalogue_);
    dates_.Initialise();
}

void AppCore::OpenPages(const RegisterHandlers& registerHandlers) {
    for (const TreeNode& node : TreeNodes()) {
        if (FindGroupList(node.id)) {
            handlers_.Register(node.id, [this](TweakContext&, TweakId id) { ShowGroupList(id); });
        }
    }
    if (registerHandlers)
        registerHandlers(handlers_);
    InitialisePages(pages_);
    ResetPages(pages_);
    ShowGroupList(kFirstCategory);
}

TweakContext AppCore::Context(Registry& registry) {
    return TweakContext{
        registry, host_, pages_, catalogue_, dates_, language_, current_.value_or(0), mainWindow_};
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
        TweakContext context = Context(registry_);
        handlers->show(context, id);
    } else if (IsInTree(id)) {
        ShowNotAvailable(id);
    }
}

void AppCore::OnApply() {
    if (!current_ || *current_ < kFirstApplied || *current_ > kLastApplied)
        return;
    const TweakHandlers* handlers = handlers_.Find(*current_);
    if (!handlers || !handlers->apply)
        return;
    WriteFailureTracker tracker(registry_);
    TweakContext context = Context(tracker);
    handlers->apply(context);
    if (const auto& failed = tracker.FirstFailure()) {
        host_.ShowMessageBox(
            0, FormatKeyFailure(language_.LocalisedString(kStringKeyWriteFailed), *failed),
            language_.LocalisedString(kStringAlertCaption), mb::IconHand);
    }
}

void AppCore::OnPageButton(PageId page, int id) {
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
