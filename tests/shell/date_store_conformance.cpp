// The date store against each pair of seams: in memory natively, and under Wine the real
// registry (of the private test prefix) and real files in a scratch folder.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/date_store.h"
#include "support/registry_test_support.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/win32_host.h"
#include "platform/win32/win32_registry.h"
#else
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#endif

namespace tallowick {
namespace {

const char* const kKey = "Software\\Quenby Manager";
const char* const kDcom = "Disable Distributed Component Object Model (DCOM)";

struct DateStoreSubject {
    std::unique_ptr<Registry> registry;
    std::unique_ptr<Host> host;
    // An existing folder for the date file, without a trailing backslash.
    std::string folder;
    // Makes every later attempt to replace the file at `path` fail.
    std::function<void(const std::string& path)> blockReplacing;
    // Removes what the case left behind; may be empty.
    std::function<void()> tidy;
};

using DateStoreFactory = DateStoreSubject (*)();

// The values of the program key, or nullopt when there is no key. The program keeps no
// subkeys there, so values are all there is to save.
using KeySnapshot = std::optional<std::vector<std::pair<std::string, RegValue>>>;

KeySnapshot SaveProgramKey(Registry& registry) {
    KeyHandle key(registry);
    if (registry.OpenKey(hive::CurrentUser, kKey, access::Read, key.out()) != err::Success)
        return std::nullopt;
    std::vector<std::pair<std::string, RegValue>> values;
    for (std::uint32_t index = 0;; ++index) {
        std::string name(16384, '\0');
        auto length = static_cast<std::uint32_t>(name.size());
        if (registry.EnumValue(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr) !=
            err::Success)
            break;
        name.resize(length);
        RegValue value;
        if (QueryValueWhole(registry, key.get(), name.c_str(), &value) == err::Success)
            values.emplace_back(name, std::move(value));
    }
    return values;
}

void RestoreProgramKey(Registry& registry, const KeySnapshot& saved) {
    registry.DeleteTree(hive::CurrentUser, kKey);
    if (!saved)
        return;
    for (const auto& [name, value] : *saved)
        WriteValue(registry, hive::CurrentUser, kKey, name.c_str(), value);
}

std::string Line(const std::string& name, const std::string& date) {
    return "quenby(\"" + name + "\"," + date + ")\r\n";
}

class DateStoreConformance : public ::testing::TestWithParam<DateStoreFactory> {
  protected:
    void SetUp() override {
        subject_ = GetParam()();
        ASSERT_FALSE(subject_.folder.empty()) << "no scratch folder";
        saved_ = SaveProgramKey(registry());
        registry().DeleteTree(hive::CurrentUser, kKey);
        path_ = subject_.folder + "\\DateFile.txt";
        store_.emplace(registry(), host(), catalogue_, subject_.folder);
    }
    void TearDown() override {
        store_.reset();
        RestoreProgramKey(registry(), saved_);
        if (subject_.tidy)
            subject_.tidy();
    }

    // A later start: the flag is 1 and `file` is the date file.
    void StartWith(const std::string& file) {
        ASSERT_EQ(
            WriteValue(registry(), hive::CurrentUser, kKey, "DateModefiedFlage", DwordValue(1)),
            err::Success);
        ASSERT_TRUE(host().WriteWholeFile(path_, file));
        store().Initialise();
    }

    Registry& registry() { return *subject_.registry; }
    Host& host() { return *subject_.host; }
    DateStore& store() { return *store_; }
    std::string Today() { return FormatDate(host().TodayUtc()); }
    std::optional<std::string> File() { return host().ReadWholeFile(path_); }

    const TweakCatalogue catalogue_ = {
        {"Accessories", "", 0, 0},
        {kDcom, "", 2, 1},
        {"Quick Edit", "", 2, 2},
    };
    std::string path_;
    DateStoreSubject subject_;

  private:
    KeySnapshot saved_;
    std::optional<DateStore> store_;
};

TEST_P(DateStoreConformance, FirstRunWritesEveryRecordAndSetsTheFlag) {
    store().Initialise();
    const std::string today = Today();
    const std::string expected =
        Line("Accessories", today) + Line(kDcom, today) + Line("Quick Edit", today);
    EXPECT_EQ(File(), expected);
    EXPECT_EQ(store().Text(), expected);
    EXPECT_FALSE(host().FileExists(path_ + ".new"));
    EXPECT_EQ(ReadValue(registry(), hive::CurrentUser, kKey, "DateModefiedFlage"), DwordValue(1));
    // Written with 7 bytes; the terminator is the registry's own addition.
    EXPECT_EQ(ReadValue(registry(), hive::CurrentUser, kKey, "Language"), SzValue("English"));
}

TEST_P(DateStoreConformance, RecordDateRewritesOneLineOncePerDay) {
    const std::string quick = Line("Quick Edit", "8/9/2006");
    StartWith(Line("Accessories", "1/2/2006") + Line(kDcom, "11/30/2006") + quick);
    store().RecordDate(1);
    const std::string expected = Line("Accessories", "1/2/2006") + Line(kDcom, Today()) + quick;
    EXPECT_EQ(File(), expected);
    store().RecordDate(1);
    EXPECT_EQ(File(), expected);
    EXPECT_EQ(store().Text(), expected);
}

TEST_P(DateStoreConformance, LookUpFindsTheDateOrAddsTheLine) {
    const std::string earlier = Line(kDcom, "11/30/2006") + Line("Accessories", "1/2/2006");
    StartWith(earlier);
    EXPECT_EQ(store().LookUp(kDcom), "11/30/2006");
    EXPECT_EQ(store().LookUp("Quick Edit"), Today());
    EXPECT_EQ(File(), earlier + Line("Quick Edit", Today()));
}

TEST_P(DateStoreConformance, FailedReplaceKeepsTheOldFile) {
    const std::string earlier = Line("Accessories", "1/2/2006") + Line(kDcom, "11/30/2006");
    StartWith(earlier);
    subject_.blockReplacing(path_);
    store().RecordDate(0);
    EXPECT_EQ(File(), earlier);
    EXPECT_EQ(store().Text(), earlier);
    EXPECT_FALSE(host().FileExists(path_ + ".new"));
    EXPECT_EQ(store().LookUp("Accessories"), "1/2/2006");
}

#ifdef _WIN32
// A new, empty folder under the Windows temp folder, or "" on failure.
std::string MakeScratchFolder() {
    char temp[MAX_PATH] = {};
    char name[MAX_PATH] = {};
    if (GetTempPathA(MAX_PATH, temp) == 0 || GetTempFileNameA(temp, "tds", 0, name) == 0)
        return {};
    // The unique name comes as a file; a folder takes its place.
    DeleteFileA(name);
    return CreateDirectoryA(name, nullptr) ? name : "";
}

DateStoreSubject MakeWin32Subject() {
    std::string folder = MakeScratchFolder();
    // An open handle that does not share deletion: replacing the file is refused while it
    // is held. (Wine, unlike Windows, renames over a read-only file, so that will not do.)
    auto holder = std::make_shared<HANDLE>(INVALID_HANDLE_VALUE);
    return {std::make_unique<Win32Registry>(), std::make_unique<Win32Host>(), folder,
            [holder](const std::string& path) {
                *holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
                ASSERT_NE(*holder, INVALID_HANDLE_VALUE);
            },
            [holder, folder] {
                if (*holder != INVALID_HANDLE_VALUE)
                    CloseHandle(*holder);
                for (const char* name : {"\\DateFile.txt", "\\DateFile.txt.new"})
                    DeleteFileA((folder + name).c_str());
                RemoveDirectoryA(folder.c_str());
            }};
}

INSTANTIATE_TEST_SUITE_P(Win32, DateStoreConformance, ::testing::Values(&MakeWin32Subject),
                         [](const auto&) { return std::string("Seams"); });
#else
DateStoreSubject MakeMemorySubject() {
    auto host = std::make_unique<FakeHost>();
    FakeHost* fake = host.get();
    return {std::make_unique<MemoryRegistry>(),
            std::move(host),
            "C:\\Program Files\\Tallowick",
            [fake](const std::string& path) { fake->failRenames.insert(path); },
            {}};
}

INSTANTIATE_TEST_SUITE_P(Memory, DateStoreConformance, ::testing::Values(&MakeMemorySubject),
                         [](const auto&) { return std::string("Seams"); });
#endif

}  // namespace
}  // namespace tallowick
