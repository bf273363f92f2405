// The categories' tweaks against a real registry: natively the in-memory one, under Wine
// Wine's. A case lists what it may touch: those values are saved first and put back
// afterwards, those keys removed before and after, so a Wine prefix is left as it was.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "support/registry_test_support.h"
#include "support/scratch.h"
#include "tweaks/categories.h"

#ifdef _WIN32
#include "platform/win32/win32_registry.h"
#else
#include "platform/memory/memory_registry.h"
#endif

namespace tallowick {

// A value (or, with no name, a key) a case may change.
struct Touched {
    RegKey hive;
    std::string path;
    const char* name;
};

class TweakConformance : public ::testing::Test {
  protected:
    TweakConformance(std::vector<Touched> values, std::vector<Touched> keys)
        : saved_(registry_, hive::CurrentUser, "Software\\Quenby Manager"),
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

#ifdef _WIN32
    Win32Registry registry_;
#else
    MemoryRegistry registry_;
#endif
    SavedKey saved_;
    FakeHost host_;  // Windows XP, C:\WINDOWS; the date file stays in memory
    MemoryPages pages_{PageLayouts()};
    AppCore core_{registry_, host_, pages_};
    PageId page_ = PageId::MultiCheckPage;

  private:
    std::vector<Touched> values_;
    std::vector<Touched> keys_;
    std::vector<std::optional<RegValue>> before_;
};

}  // namespace tallowick
