#include "platform/page_layouts.h"
#include "engine/page_behaviour.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"

namespace tallowick {
namespace {

using K = ControlKind;
using P = PageId;

const ControlSpec* FindSpec(PageId page, int id) {
    for (const PageSpec& layout : PageLayouts()) {
        for (const ControlSpec& control : layout.controls) {
            if (layout.page == page && control.id == id)
                return &control;
        }
    }
    return nullptr;
}

// The dialog resources are checked against these numbers: each control needs exactly one
// rectangle, inside its page (a combo's height counts its drop-down, which may leave it).
TEST(PageLayouts, GeometryPlacesEveryControlOnceInsideItsPage) {
    std::map<PageId, PageFrame> frames;
    for (const PageFrame& frame : PageFrames())
        frames.emplace(frame.page, frame);
    std::multiset<std::pair<PageId, int>> placed;
    for (const ControlGeometry& g : PageGeometry()) {
        placed.insert({g.page, g.id});
        const ControlSpec* layout = FindSpec(g.page, g.id);
        ASSERT_NE(layout, nullptr) << g.id;
        const bool combo = layout->kind == K::Combo || layout->kind == K::ColourCombo;
        EXPECT_EQ(combo, g.combo != ComboStyle::None) << g.id;
        EXPECT_LE(g.x + g.w, frames.at(g.page).w) << g.id;
        EXPECT_TRUE(combo || g.y + g.h <= frames.at(g.page).h) << g.id;
    }
    for (const PageSpec& layout : PageLayouts()) {
        for (const ControlSpec& control : layout.controls)
            EXPECT_EQ(placed.count({layout.page, control.id}), 1u) << control.id;
    }
}

class PagesTest : public ::testing::Test {
  protected:
    static constexpr std::uintptr_t kOwner = 0x5150;

    void ShowAll() {
        for (const PageSpec& layout : PageLayouts()) {
            if (layout.page != P::MainDialog)
                pages.ShowPage(layout.page, true);
            for (const ControlSpec& control : layout.controls)
                pages.ShowControl(layout.page, control.id, true);
        }
    }
    // Clicks reach OnPageButtonClicked as the main window passes them on.
    void Select(TweakHandlers current) {
        selected = std::move(current);
        pages.OnClick([this](PageId page, int id) {
            OnPageButtonClicked(pages, host, kOwner, &selected, page, id);
        });
    }
    static TweakHandlers Declared(BrowseKind browse, std::optional<Enables> enables = {}) {
        return TweakHandlers{{}, {}, browse, std::move(enables), {}};
    }

    MemoryPages pages{PageLayouts()};
    FakeHost host;
    TweakHandlers selected;
};

TEST_F(PagesTest, InitialisationFillsTheNumberComboAndTheColours) {
    for (const PageSpec& layout : PageLayouts()) {
        if (layout.page != P::MainDialog)
            InitialisePage(pages, layout.page);
    }
    ASSERT_EQ(pages.ComboGetCount(P::CheckComboPage, 1021), 10001);
    EXPECT_EQ(pages.ComboGetItemText(P::CheckComboPage, 1021, 0), "0");
    EXPECT_EQ(pages.ComboGetItemText(P::CheckComboPage, 1021, 457), "457");
    EXPECT_EQ(pages.ComboGetItemText(P::CheckComboPage, 1021, 10000), "10000");
    EXPECT_EQ(pages.ComboGetCount(P::ComboCheckPage, 1055), 140);
    EXPECT_EQ(pages.ComboGetCount(P::ComboCheckPage, 1021), 0);
}

TEST_F(PagesTest, ResetHidesWhatAShowLeftKeepsContentsAndEnablesAgain) {
    ShowAll();
    pages.SetText(P::PathEditPage, 1015, "C:\\kept");
    for (int id : {1015, 1017, 1023, 1025})
        pages.EnableControl(P::PathEditPage, id, false);
    pages.EnableControl(P::ComboCheckPage, 1021, false);

    ResetPages(pages);

    EXPECT_EQ(pages.Describe(), "MainDialog (102)\n");
    const std::map<PageId, std::vector<int>> hidden = {
        {P::ListPage, {1007, 1013}},
        {P::MultiCheckPage, {1013, 1018, 1028, 1032, 1033, 1034, 1035, 1036, 1037, 1038, 1024}},
        {P::PathEditPage, {1013, 1014, 1015, 1017, 1018, 1019, 1020, 1023, 1024, 1025, 1026, 1027}},
        {P::ComboCheckPage, {1013, 1014, 1019, 1021, 1022, 1024, 1055}},
        {P::ValueListPage, {1009}},
        {P::EditComboPage, {1015, 1030}},
    };
    for (const auto& [page, ids] : hidden) {
        for (int id : ids)
            EXPECT_FALSE(pages.IsControlVisible(page, id)) << static_cast<int>(page) << "/" << id;
    }
    EXPECT_TRUE(pages.IsControlVisible(P::SixPathPage, 1051)) << "shown whole with its page";
    for (int id : {1015, 1017, 1023})
        EXPECT_TRUE(pages.IsControlEnabled(P::PathEditPage, id)) << id;
    EXPECT_FALSE(pages.IsControlEnabled(P::PathEditPage, 1025)) << "no handler disables it";
    EXPECT_TRUE(pages.IsControlEnabled(P::ComboCheckPage, 1021));
    EXPECT_EQ(pages.GetText(P::PathEditPage, 1015), "C:\\kept");
}

TEST_F(PagesTest, BrowsePicksAFolderOrAQuotedFile) {
    host.folderAnswers = {"D:\\Cache"};
    EXPECT_EQ(Browse(host, kOwner, BrowseKind::Folder), "D:\\Cache");
    EXPECT_EQ(Browse(host, kOwner, BrowseKind::Folder), "") << "cancelled";
    host.fileAnswers = {"C:\\bin.ico", "C:\\run.exe"};
    EXPECT_EQ(Browse(host, kOwner, BrowseKind::IconFile), "\"C:\\bin.ico\"");
    EXPECT_EQ(Browse(host, kOwner, BrowseKind::File), "\"C:\\run.exe\"");
    EXPECT_EQ(Browse(host, kOwner, BrowseKind::File), "");

    ASSERT_EQ(host.pickerCalls.size(), 5u);
    EXPECT_EQ(host.pickerCalls[1].picker, FakeHost::Picker::Folder);
    EXPECT_EQ(host.pickerCalls[1].owner, kOwner);
    EXPECT_EQ(host.pickerCalls[2].filter, "*.ico||");
    EXPECT_EQ(host.pickerCalls[3].picker, FakeHost::Picker::File);
    EXPECT_EQ(host.pickerCalls[3].filter, "All Files(*.*)|*.*||");
    EXPECT_EQ(host.pickerCalls[3].owner, kOwner);
    // One file only (no OFN_ALLOWMULTISELECT, 0x200): a pick of two files would come
    // back as the folder alone.
    for (int call : {2, 3})
        EXPECT_EQ(host.pickerCalls[call].flags, 0x0028BD1Cu) << call;
}

TEST_F(PagesTest, EachBrowseButtonFillsTheEditOfItsRow) {
    const std::vector<std::pair<PageId, std::pair<int, int>>> rows = {
        {P::PathEditPage, {1023, 1015}}, {P::PathEditPage, {1026, 1017}},
        {P::PathEditPage, {1027, 1025}}, {P::SixPathPage, {1023, 1015}},
        {P::SixPathPage, {1026, 1017}},  {P::SixPathPage, {1027, 1025}},
        {P::SixPathPage, {1048, 1042}},  {P::SixPathPage, {1050, 1049}},
        {P::SixPathPage, {1052, 1051}},
    };
    ShowAll();
    Select(Declared(BrowseKind::Folder));
    for (const auto& [page, row] : rows) {
        for (const auto& [otherPage, other] : rows)
            pages.SetText(otherPage, other.second, "old");
        host.folderAnswers = {"E:\\Chosen"};
        ASSERT_TRUE(pages.Click(page, row.first));
        for (const auto& [otherPage, other] : rows) {
            const bool same = otherPage == page && other == row;
            EXPECT_EQ(pages.GetText(otherPage, other.second), same ? "E:\\Chosen" : "old")
                << row.first << " filled " << other.second;
        }
        ASSERT_TRUE(pages.Click(page, row.first));  // cancelled: the edit is emptied
        EXPECT_EQ(pages.GetText(page, row.second), "");
    }
}

TEST_F(PagesTest, ACheckboxSwitchesTheFieldsItsTweakDeclares) {
    ShowAll();
    // Clicks 1013 twice (ticked, then cleared); after each, the enabled state of `ids`.
    auto clickTwice = [this](PageId page, std::vector<int> ids) {
        std::string out;
        for (const char* after : {" ", ""}) {
            EXPECT_TRUE(pages.Click(page, 1013));
            for (int id : ids)
                out += pages.IsControlEnabled(page, id) ? "1" : "0";
            out += after;
        }
        return out;
    };
    const std::vector<int> path = {1015, 1017, 1023, 1025, 1026};
    Select(Declared(BrowseKind::File, Enables{P::PathEditPage, 1013, {1015, 1017, 1023}}));
    EXPECT_EQ(clickTwice(P::PathEditPage, path), "11111 00011");
    EXPECT_EQ(clickTwice(P::CheckComboPage, {1021}), "1 1") << "another page's 1013";
    Select(Declared(BrowseKind::File, Enables{P::CheckComboPage, 1013, {1021}}));
    EXPECT_EQ(clickTwice(P::CheckComboPage, {1021}), "1 0");
    EXPECT_EQ(clickTwice(P::PathEditPage, path), "00011 00011");
    Select(Declared(BrowseKind::File));
    pages.EnableControl(P::CheckComboPage, 1021, true);
    EXPECT_EQ(clickTwice(P::PathEditPage, path), "00011 00011");
    EXPECT_EQ(clickTwice(P::CheckComboPage, {1021}), "1 1");
}

}  // namespace
}  // namespace tallowick
