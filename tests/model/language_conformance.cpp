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

TEST_F(LanguageConformance, TextsComeFromTheNamedLanguageFile) {
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

TEST_F(LanguageConformance, MissingFileLeavesBuiltInTexts) {
    SetLanguageValue(SzValue("Klingon"));
    WriteLanguageFile("English", "[QuenbyManagerStringTable]\r\n2001=Not this one\r\n");
    Language language = MakeLanguage();
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), "Klingon");
    EXPECT_EQ(language.LocalisedString(kStringAlertCaption), "A L E R T");
}

TEST_F(LanguageConformance, LongNameReadWholeAndOtherTypesIgnored) {
    const std::string longName(300, 'n');
    SetLanguageValue(SzValue(longName));
    Language language = MakeLanguage();
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), longName);

    SetLanguageValue(DwordValue(1));
    Language other = MakeLanguage();
    other.ReadLanguageName();
    EXPECT_EQ(other.Name(), "English");
}

}  // namespace
}  // namespace tallowick
