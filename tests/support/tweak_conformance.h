// The categories' tweaks against a real registry: natively the in-memory one, under Wine
// Wine's. A case lists what it may touch: those values are saved first and put back
// afterwards, those keys removed before and after, so a Wine prefix is left as it was.
// Files stay in memory but for those below a prefix the case names, which are real under
// Wine.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "support/file_host.h"
#include "support/registry_test_support.h"
#include "support/scratch.h"
#include "tweaks/categories.h"

namespace tallowick {

// A value (or, with no name, a key) a case may change.
struct Touched {
    RegKey hive;
    std::string path;
    const char* name;
};

class TweakConformance : public ::testing::Test {
  protected:
    // `realFiles`: the beginning of the paths that are real files; none when empty.
    TweakConformance(std::vector<Touched> values, std::vector<Touched> keys,
                     const std::string& realFiles = "")
        : saved_(registry_, hive::CurrentUser, "Software\\Quenby Manager"),
          files_(*seams_.host, host_, realFiles.empty() ? "|" : realFiles),
          values_(std::move(values)),
          keys_(std::move(keys)) {
        for (const Touched& value : values_)
            before_.push_back(ReadValue(registry_, value.hive, value.path, value.name));
        for (const Touched& key : keys_)
            registry_.DeleteTree(key.hive, key.path.c_str());
    }
    ~TweakConformance() override {
        for (std::size_t i = 0; i < values_.size(); ++i) {
            const Touched& value = values_[i];
            if (before_[i]) {
                WriteValue(registry_, value.hive, value.path, value.name, *before_[i]);
            } else {
                registry_.DeleteValueAt(value.hive, value.path.c_str(), value.name);
            }
        }
        for (const Touched& key : keys_)
            registry_.DeleteTree(key.hive, key.path.c_str());
    }

    // Once the keys a case needs are made.
    void Start() {
        core_.LoadData();
        core_.OpenPages(RegisterAllCategories);
    }
    void Make(RegKey root, const std::string& path) {
        KeyHandle key(registry_);
        ASSERT_EQ(registry_.CreateKey(root, path.c_str(), key.out()), err::Success) << path;
    }
    std::optional<RegValue> Get(RegKey root, const std::string& path, const char* name) {
        return ReadValue(registry_, root, path, name);
    }
    void Show(TweakId id, PageId page) {
        page_ = page;
        core_.OnSelect(id);
        ASSERT_TRUE(pages_.IsPageVisible(page));
    }
    void Check(bool on, int box = ctl::MainCheck) { pages_.SetCheck(page_, box, on); }
    bool Checked(int box = ctl::MainCheck) { return pages_.IsChecked(page_, box); }
    void Select(int index, int combo = ctl::Combo1) { pages_.ComboSetCurSel(page_, combo, index); }
    int Selected(int combo = ctl::Combo1) { return pages_.ComboGetCurSel(page_, combo); }
    void Type(int edit, const std::string& text) { pages_.SetText(page_, edit, text); }

    Seams seams_;
    Registry& registry_ = *seams_.registry;
    SavedKey saved_;
    FakeHost host_;  // Windows XP, C:\WINDOWS; the date file stays in memory
    FileHost files_;
    MemoryPages pages_{PageLayouts()};
    AppCore core_{registry_, files_, pages_};
    PageId page_ = PageId::MultiCheckPage;

  private:
    std::vector<Touched> values_;
    std::vector<Touched> keys_;
    std::vector<std::optional<RegValue>> before_;
};

}  // namespace tallowick
