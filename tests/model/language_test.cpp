#include "model/language.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#include "support/registry_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kProgramKey = "Software\\Quenby Manager";

// A dialog as TranslateDialog sees it.
class FakeWindow : public WindowText {
  public:
    FakeWindow(std::string caption, std::vector<std::pair<int, std::string>> children)
        : caption(std::move(caption)), children(std::move(children)) {}

    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    int ChildCount() const override { return static_cast<int>(children.size()); }
    int ChildId(int index) const override { return children[index].first; }
    std::string ChildText(int index) const override { return children[index].second; }
    void SetChildText(int index, const std::string& text) override {
        children[index].second = text;
    }

    std::string caption;
    std::vector<std::pair<int, std::string>> children;
};

TweakCatalogue SmallCatalogue() {
    TweakCatalogue catalogue;
    for (TweakId id = 0; id < 40; ++id) {
        catalogue.push_back({"Name " + std::to_string(id), "About " + std::to_string(id), 0, id});
    }
    return catalogue;
}

class LanguageTest : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }
    void SetLanguageValue(const RegValue& value) {
        ASSERT_EQ(WriteValue(registry, hive::CurrentUser, kProgramKey, "Language", value),
                  err::Success);
    }
    // Selects `name` and gives it a language file holding `text`.
    void UseLanguageFile(const std::string& name, const std::string& text) {
        SetLanguageValue(SzValue(name));
        host.files[host.programFolder + "\\Language\\" + name + ".ini"] = text;
        language.ReadLanguageName();
        ASSERT_EQ(language.Name(), name);
    }

    MemoryRegistry registry;
    FakeHost host;
    Language language{registry, host, host.programFolder};
};

TEST(UnescapeText, ReplacesOnlyLineFeedAndTabPairs) {
    EXPECT_EQ(UnescapeText("One\\nTwo\\tThree\\n"), "One\nTwo\tThree\n");
    EXPECT_EQ(UnescapeText("C:\\Windows\\r\\x\\"), "C:\\Windows\\r\\x\\");
    // The first backslash has no partner; the second pairs with the n.
    EXPECT_EQ(UnescapeText("a\\\\nb"), "a\\\nb");
    EXPECT_EQ(UnescapeText("\\\\t"), "\\\t");
}

// The texts themselves show in the alerts of the gate and application tests.
TEST(LanguageStringTable, EveryIdHasATextAndKeyNamesAreTakenLiterally) {
    for (int id = 2001; id <= 2026; ++id)
        EXPECT_NE(BuiltInString(id), "") << id;
    EXPECT_EQ(BuiltInString(2000), "");
    EXPECT_EQ(BuiltInString(2027), "");

    EXPECT_EQ(FormatKeyFailure("Key %s.", "HKCU\\A%sB"), "Key HKCU\\A%sB.");
    EXPECT_EQ(FormatKeyFailure("%d: %s, %s", "K"), "%d: K, %s");
    EXPECT_EQ(FormatKeyFailure("No placeholder", "K"), "No placeholder");
}

// The whole value, a long one, one without a terminator and one of another type are read
// in the conformance suite; here, what keeps the name as it was.
TEST_F(LanguageTest, NameStaysAsItWasWithoutAReadableValue) {
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), "English");
    EXPECT_FALSE(KeyExists(registry, hive::CurrentUser, kProgramKey)) << "keys are not created";

    SetLanguageValue(SzValue("Deutsch"));
    language.ReadLanguageName();
    registry.FailOn(RegOp::Open, hive::CurrentUser, kProgramKey, err::AccessDenied);
    language.ReadLanguageName();
    EXPECT_EQ(language.Name(), "Deutsch");
}

TEST_F(LanguageTest, CatalogueTextsAndRenumbering) {
    UseLanguageFile("Test",
                    "[1004]\r\n"
                    "23=First line\\nSecond line\r\n"
                    "251=30\r\n"
                    "252=Never used: 25 is now 30\r\n"
                    "302=Registro\r\n"
                    "303=Editor\\tdel registro\r\n"
                    "32=\r\n"
                    "41= -4x\r\n"
                    "51=2147483648\r\n"
                    "33=" +
                        std::string(2000, 'x') + "\r\n");
    TweakCatalogue catalogue = SmallCatalogue();
    language.TranslateCatalogue(catalogue);

    EXPECT_EQ(catalogue[2].description, "First line\nSecond line");
    EXPECT_EQ(catalogue[2].name, "Name 2");
    EXPECT_EQ(catalogue[25].tweakId, 30u);
    EXPECT_EQ(catalogue[25].name, "Registro");
    EXPECT_EQ(catalogue[25].description, "Editor\tdel registro");
    // Record 30 answers to the same keys, so it takes the same texts.
    EXPECT_EQ(catalogue[30].tweakId, 30u);
    EXPECT_EQ(catalogue[30].name, "Registro");
    EXPECT_EQ(catalogue[3].name, "Name 3") << "an empty value is never applied";
    EXPECT_EQ(catalogue[3].description, std::string(1023, 'x'));
    EXPECT_EQ(catalogue[4].tweakId, static_cast<TweakId>(-4)) << "read as atoi reads it";
    EXPECT_EQ(catalogue[5].tweakId, 5u) << "a number past the field is refused";
}

TEST_F(LanguageTest, DialogCaptionAndControls) {
    UseLanguageFile("Test",
                    "[100]\r\n"
                    "1=Schliessen\r\n"
                    "1040=\r\n"
                    "[102]\r\n"
                    "102=" +
                        std::string(300, 'c') +
                        "\r\n"
                        "1016=Anwenden\r\n"
                        "[0]\r\n"
                        "0=Never a caption\r\n"
                        "1=Zero\r\n");
    FakeWindow about("About Tallowick", {{1, "OK"}, {1040, "Version 1.0"}, {1041, "(c)"}});
    language.TranslateDialog(about, 100);
    EXPECT_EQ(about.caption, "About Tallowick");
    EXPECT_EQ(about.children, (std::vector<std::pair<int, std::string>>{
                                  {1, "Schliessen"}, {1040, "Version 1.0"}, {1041, "(c)"}}));

    FakeWindow main("Tallowick", {{1016, "Apply Changes"}});
    language.TranslateDialog(main, 102);
    EXPECT_EQ(main.caption, std::string(259, 'c'));
    EXPECT_EQ(main.children[0].second, "Anwenden");

    FakeWindow untitled("Untitled", {{1, "OK"}});
    language.TranslateDialog(untitled, 0);
    EXPECT_EQ(untitled.caption, "Untitled");
    EXPECT_EQ(untitled.children[0].second, "Zero");
}

TEST_F(LanguageTest, LocalisedStringsComeFromAFileReadOnce) {
    UseLanguageFile("Test",
                    "[QuenbyManagerStringTable]\r\n"
                    "2001=Achtung\r\n"
                    "2005=\r\n"
                    "2023=Schluessel %s\r\n");
    EXPECT_EQ(language.LocalisedString(kStringAlertCaption), "Achtung");
    EXPECT_EQ(language.LocalisedString(2005), "") << "unlike other texts, empty is returned";
    EXPECT_EQ(language.LocalisedString(9999), "");
    EXPECT_EQ(FormatKeyFailure(language.LocalisedString(kStringKeyWriteFailed), "HKCU\\X"),
              "Schluessel HKCU\\X");

    host.files[language.FilePath()] = "[QuenbyManagerStringTable]\r\n2001=Changed\r\n";
    EXPECT_EQ(language.LocalisedString(kStringAlertCaption), "Achtung");

    // An unreadable file counts as a missing one.
    Language other(registry, host, host.programFolder);
    other.ReadLanguageName();
    host.failReads.insert(other.FilePath());
    EXPECT_EQ(other.LocalisedString(kStringAlertCaption), "A L E R T");
}

}  // namespace
}  // namespace tallowick
