// Language lookups through the seams: natively over the in-memory registry and files, and
// on Windows (Wine) over the real registry and a real program folder.
#include <gtest/gtest.h>

#include <string>

#include "model/language.h"
#include "support/registry_test_support.h"
#include "support/scratch.h"

namespace tallowick {
namespace {

constexpr const char* kProgramKey = "Software\\Quenby Manager";

class LanguageConformance : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(seams_.folder.empty()) << "no scratch program folder";
#ifdef _WIN32
        ASSERT_TRUE(CreateDirectoryA((seams_.folder + "\\Language").c_str(), nullptr));
#endif
    }

    Registry& registry() {
        return *seams_.registry;
    }
    Host& host() {
        return *seams_.host;
    }
    Language MakeLanguage() {
        return Language(registry(), host(), seams_.folder);
    }

    void SetLanguageValue(const RegValue& value) {
        ASSERT_EQ(WriteValue(registry(), hive::CurrentUser, kProgramKey, "Language", value),
                  err::Success);
    }
    void WriteLanguageFile(const std::string& name, const std::string& text) {
        ASSERT_TRUE(host().WriteWholeFile(seams_.folder + "\\Language\\" + name + ".ini", text));
    }

  private:
    Seams seams_;
    // The real hive is the prefix's: put back what was there.
    SavedKey savedKey_{registry(), hive::CurrentUser, kProgramKey};
};

// The name stored as the date store stores it, without a terminating zero; the file read
// as bytes and its texts unescaped; built-in texts where it has none.
TEST_F(LanguageConformance, TextsComeFromTheNamedLanguageFile) {
    SetLanguageValue(RegValue{regtype::Sz, {'T', 'e', 's', 't', 'e', 'n'}});
    WriteLanguageFile("Testen",
                      "[QuenbyManagerStringTable]\r\n"
                      "2004=Nur Windows XP\\nSonst nichts\r\n");
    Language language = MakeLanguage();
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), "Testen");
    EXPECT_TRUE(host().FileExists(language.FilePath()));
    EXPECT_EQ(language.LocalisedString(kStringOnlyXp), "Nur Windows XP\nSonst nichts");
    EXPECT_EQ(language.LocalisedString(kStringAlertCaption), "A L E R T");
}

// A long name is read whole and a value of another type leaves the name as it was; a
// language without its own file keeps the built-in texts, whatever other files there are.
TEST_F(LanguageConformance, LongNamesOtherTypesAndMissingFiles) {
    const std::string longName(300, 'n');
    SetLanguageValue(SzValue(longName));
    Language language = MakeLanguage();
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), longName);
    SetLanguageValue(DwordValue(1));
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), longName);

    SetLanguageValue(SzValue("Klingon"));
    WriteLanguageFile("English", "[QuenbyManagerStringTable]\r\n2001=Not this one\r\n");
    Language klingon = MakeLanguage();
    klingon.ReadLanguageName();
    EXPECT_EQ(klingon.Name(), "Klingon");
    EXPECT_EQ(klingon.LocalisedString(kStringAlertCaption), "A L E R T");
}

}  // namespace
}  // namespace tallowick
