// Language lookups through the seams: natively over the in-memory registry and files, and
// on Windows (Wine) over the real registry and a real program folder.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#include "shell/language.h"
#include "support/registry_test_support.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/win32_host.h"
#include "platform/win32/win32_registry.h"
#endif

namespace tallowick {
namespace {

constexpr const char* kProgramKey = "Software\\Quenby Manager";

struct LanguageSubject {
    std::unique_ptr<Registry> registry;
    std::unique_ptr<Host> host;
    // Holds an existing, empty Language folder; no trailing backslash.
    std::string programFolder;
    std::function<void()> tidy;  // may be empty
};

using LanguageFactory = LanguageSubject (*)();

LanguageSubject MakeMemorySubject() {
    return {std::make_unique<MemoryRegistry>(),
            std::make_unique<FakeHost>(),
            "C:\\Program Files\\Tallowick",
            {}};
}

#ifdef _WIN32
void RemoveFolderTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// A fresh program folder with its Language folder under the Windows temp folder.
LanguageSubject MakeWin32Subject() {
    LanguageSubject subject{
        std::make_unique<Win32Registry>(), std::make_unique<Win32Host>(), "", {}};
    char temp[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH)
        return subject;
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string folder = std::string(temp) + "tallowick-lang-" +
                                   std::to_string(GetCurrentProcessId()) + "-" +
                                   std::to_string(++counter);
        if (CreateDirectoryA(folder.c_str(), nullptr)) {
            subject.tidy = [folder] { RemoveFolderTree(folder); };
            if (CreateDirectoryA((folder + "\\Language").c_str(), nullptr))
                subject.programFolder = folder;
            break;
        }
    }
    return subject;
}
#endif

class LanguageConformance : public ::testing::TestWithParam<LanguageFactory> {
  protected:
    void SetUp() override {
        subject_ = GetParam()();
        // The real hive is the prefix's: TearDown puts back what was there.
        keyExisted_ = KeyExists(registry(), hive::CurrentUser, kProgramKey);
        saved_ = ReadValue(registry(), hive::CurrentUser, kProgramKey, "Language");
        ASSERT_FALSE(subject_.programFolder.empty()) << "no scratch program folder";
    }
    void TearDown() override {
        if (saved_) {
            WriteValue(registry(), hive::CurrentUser, kProgramKey, "Language", *saved_);
        } else {
            KeyHandle key(registry());
            if (registry().OpenKey(hive::CurrentUser, kProgramKey, access::AllAccess, key.out()) ==
                err::Success) {
                registry().DeleteValue(key.get(), "Language");
            }
            if (!keyExisted_ && KeyIsEmpty())
                registry().DeleteKey(hive::CurrentUser, kProgramKey);
        }
        if (subject_.tidy)
            subject_.tidy();
    }

    Registry& registry() { return *subject_.registry; }
    Host& host() { return *subject_.host; }
    Language MakeLanguage() { return Language(registry(), host(), subject_.programFolder); }

    void SetLanguageValue(const RegValue& value) {
        ASSERT_EQ(WriteValue(registry(), hive::CurrentUser, kProgramKey, "Language", value),
                  err::Success);
    }
    void WriteLanguageFile(const std::string& name, const std::string& text) {
        ASSERT_TRUE(
            host().WriteWholeFile(subject_.programFolder + "\\Language\\" + name + ".ini", text));
    }

  private:
    bool KeyIsEmpty() {
        KeyHandle key(registry());
        if (registry().OpenKey(hive::CurrentUser, kProgramKey, access::Read, key.out()) !=
            err::Success) {
            return false;
        }
        char name[256];
        std::uint32_t nameLength = sizeof name;
        return registry().EnumKey(key.get(), 0, name, sizeof name) == err::NoMoreItems &&
               registry().EnumValue(key.get(), 0, name, &nameLength, nullptr, nullptr, nullptr) ==
                   err::NoMoreItems;
    }

    LanguageSubject subject_;
    bool keyExisted_ = false;
    std::optional<RegValue> saved_;
};

TEST_P(LanguageConformance, TextsComeFromTheNamedLanguageFile) {
    // Stored as the date store stores names: no terminating zero.
    SetLanguageValue(RegValue{regtype::Sz, {'T', 'e', 's', 't', 'e', 'n'}});
    WriteLanguageFile("Testen",
                      "[QuenbyManagerStringTable]\r\n"
                      "2004=Nur Windows XP\\nSonst nichts\r\n"
                      "[1004]\r\n"
                      "251=30\r\n"
                      "302=Registro\r\n");
    Language language = MakeLanguage();
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), "Testen");
    EXPECT_TRUE(host().FileExists(language.FilePath()));

    EXPECT_EQ(language.LocalisedString(kStringOnlyXp), "Nur Windows XP\nSonst nichts");
    EXPECT_EQ(language.LocalisedString(kStringAlertCaption), "A L E R T");
    TweakCatalogue catalogue(26);
    for (TweakId id = 0; id < catalogue.size(); ++id)
        catalogue[id] = {"Name", "About", 0, id};
    language.TranslateCatalogue(catalogue);
    EXPECT_EQ(catalogue[25].tweakId, 30u);
    EXPECT_EQ(catalogue[25].name, "Registro");
}

TEST_P(LanguageConformance, MissingFileLeavesBuiltInTexts) {
    SetLanguageValue(SzValue("Klingon"));
    WriteLanguageFile("English", "[QuenbyManagerStringTable]\r\n2001=Not this one\r\n");
    Language language = MakeLanguage();
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), "Klingon");
    EXPECT_EQ(language.LocalisedString(kStringAlertCaption), "A L E R T");
}

TEST_P(LanguageConformance, LongNameReadWholeAndOtherTypesIgnored) {
    const std::string longName(240, 'n');
    SetLanguageValue(SzValue(longName));
    Language language = MakeLanguage();
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), longName);

    SetLanguageValue(DwordValue(1));
    Language other = MakeLanguage();
    other.ReadLanguageName();
    EXPECT_EQ(other.Name(), "English");
}

INSTANTIATE_TEST_SUITE_P(Memory, LanguageConformance, ::testing::Values(&MakeMemorySubject),
                         [](const auto&) { return std::string("Seams"); });
#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Win32, LanguageConformance, ::testing::Values(&MakeWin32Subject),
                         [](const auto&) { return std::string("Seams"); });
#endif

}  // namespace
}  // namespace tallowick
