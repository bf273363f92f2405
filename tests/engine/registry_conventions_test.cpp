#include "engine/registry_conventions.h"

#include "engine/declarations.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/registry_test_support.h"
#include "tweak_harness.h"

namespace tallowick {
namespace {

// The in-memory registry, which notes each open's access and each set's byte count. With
// `denyWrite` it is seen through a user without rights to write: opens asking for more
// than read access, and creates, are refused.
class WatchedRegistry : public MemoryRegistry {
  public:
    bool denyWrite = false;
    std::vector<std::uint32_t> openMasks;
    std::vector<std::uint32_t> setSizes;

    long OpenKey(RegKey key, const char* sub, std::uint32_t mask, RegKey* out) override {
        openMasks.push_back(mask);
        *out = 0;
        return denyWrite && (mask & ~access::Read) ? err::AccessDenied
                                                   : MemoryRegistry::OpenKey(key, sub, mask, out);
    }
    long CreateKey(RegKey key, const char* sub, RegKey* out) override {
        *out = 0;
        return denyWrite ? err::AccessDenied : MemoryRegistry::CreateKey(key, sub, out);
    }
    long SetValue(RegKey k, const char* n, std::uint32_t t, const std::uint8_t* d,
                  std::uint32_t size) override {
        setSizes.push_back(size);
        return MemoryRegistry::SetValue(k, n, t, d, size);
    }
};

constexpr TweakId kTweak = 11;
constexpr const char* kKey = "Software\\Tallowick Test";
constexpr RegKey kCU = hive::CurrentUser;
constexpr RegKey kLM = hive::LocalMachine;

class ConventionsTest : public ::testing::Test {
  protected:
    void Load(const std::string& regText) {
        std::string error;
        ASSERT_TRUE(reg.LoadRegText(regText, &error)) << error;
    }
    void LoadEmptyKey() { Load(std::string("REGEDIT4\n[HKEY_CURRENT_USER\\") + kKey + "]\n"); }
    // Every helper closes what it opened, whatever the outcome.
    void TearDown() override { EXPECT_EQ(reg.OpenHandleCount(), 0u); }

    // The harness keeps the dates; the helpers under test get their own registry.
    TweakHarness h;
    WatchedRegistry reg;
    TweakContext ctx{reg, h.host, h.pages, h.catalogue, h.dates, h.language, kTweak, 0};
};

const std::string kValues = std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\") + kKey + "]\n" +
                            "@=\"default\"\n\"Number\"=dword:0000002a\n\"NumberAsText\"=\"1\"\n"
                            "\"LongText\"=\"abcd\"\n\"Short\"=hex:01,02\n\"Empty\"=hex:\n"
                            "\"Unterminated\"=hex(1):41,42\n\"Stopped\"=hex(1):41,00,42,00\n";

TEST_F(ConventionsTest, ReadsNeverAskForWriteAccess) {
    Load(kValues);
    reg.denyWrite = true;
    EXPECT_EQ(ReadNumber(reg, kLM, kKey, "Number"), 42u);
    EXPECT_EQ(ReadText(reg, kLM, kKey, nullptr), "default");
    EXPECT_EQ(reg.openMasks, std::vector<std::uint32_t>(2, access::Read));

    // Writes ask for everything, so the same user is refused there, and no date is kept.
    reg.openMasks.clear();
    EXPECT_EQ(StoreData(ctx, {kLM, kKey, "Number"}, Dword(7), true), err::AccessDenied);
    EXPECT_EQ(reg.openMasks, std::vector<std::uint32_t>{access::AllAccess});
    EXPECT_FALSE(h.RecordedToday(kTweak));
}

TEST_F(ConventionsTest, ValuesAreReadWholeWhateverTheirType) {
    const std::string longText(300, 'x');
    Load(kValues + "\"Long\"=\"" + longText + "\"\n");
    EXPECT_EQ(ReadText(reg, kLM, kKey, "Long"), longText);
    EXPECT_EQ(ReadNumber(reg, kLM, kKey, "NumberAsText"), 0x31u) << "'1' and its zero";
    EXPECT_EQ(ReadNumber(reg, kLM, kKey, "LongText"), 0x64636261u);
    EXPECT_EQ(ReadNumber(reg, kLM, kKey, "Short"), 0x0201u);
    EXPECT_EQ(ReadNumber(reg, kLM, kKey, "Empty"), 0u);
    EXPECT_EQ(ReadText(reg, kLM, kKey, "Unterminated"), "AB");
    EXPECT_EQ(ReadText(reg, kLM, kKey, "Stopped"), "A");
    EXPECT_EQ(NumberFromBytes({0x78, 0x56, 0x34, 0x12, 0xFF}), 0x12345678u);
    EXPECT_EQ(TextFromBytes({}), "");

    RegValue value;
    EXPECT_EQ(QueryRegValue(reg, kLM, kKey, "Absent", &value), err::FileNotFound);
    EXPECT_EQ(QueryRegValue(reg, kLM, "Software\\Nowhere", "Number", &value), err::FileNotFound);
    reg.FailOn(RegOp::Query, kLM, kKey, err::AccessDenied);
    EXPECT_EQ(QueryRegValue(reg, kLM, kKey, "Number", &value), err::AccessDenied);
    EXPECT_EQ(ReadNumber(reg, kLM, kKey, "Number"), std::nullopt);
}

TEST_F(ConventionsTest, WritesCreateOnlyWhatTheKeyPolicySays) {
    LoadEmptyKey();
    constexpr const char* kDeep = "Software\\Tallowick Test\\Policies\\System";
    EXPECT_EQ(StoreData(ctx, {kCU, kDeep, "Flag", CreateTail(2)}, Dword(1), true), err::Success);
    EXPECT_TRUE(h.RecordedToday(kTweak));
    EXPECT_EQ(StoreData(ctx, {kCU, "Software\\Tallowick Test\\Missing", "F"}, Dword(1), false),
              err::FileNotFound)
        << "opened only";
    EXPECT_EQ(
        StoreData(ctx, {kCU, "Software\\Nowhere\\Leaf", "T", CreateTail(1)}, Text("t"), false),
        err::FileNotFound)
        << "the part above the tail must exist";
    EXPECT_EQ(StoreData(ctx, {kCU, "Software\\Made\\Whole", "T", kCreateAll}, Text("t"), false),
              err::Success);
    EXPECT_EQ(StoreData(ctx, {kCU, kKey, "Bytes"}, Binary({1, 0, 255}), false), err::Success);
    EXPECT_EQ(StoreData(ctx, {kCU, kKey, "Texts"}, MultiText({"a", "bc"}), false), err::Success);
    EXPECT_EQ(StoreData(ctx, {kCU, kKey, "Nothing"}, Nothing(), false), err::Success);
    EXPECT_FALSE(KeyExists(reg, kCU, "Software\\Nowhere"));
    EXPECT_TRUE(KeyExists(reg, kCU, "Software\\Made\\Whole"));
    EXPECT_EQ(reg.ExportRegText(kCU, kKey), R"(Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Tallowick Test]
"Bytes"=hex:01,00,ff
"Texts"=hex(7):61,00,00,00,62,00,63,00,00,00,00,00

[HKEY_CURRENT_USER\Software\Tallowick Test\Policies]

[HKEY_CURRENT_USER\Software\Tallowick Test\Policies\System]
"Flag"=dword:00000001

)");
}

TEST_F(ConventionsTest, KeysAreMadeAndRemovedAsTheSetting) {
    LoadEmptyKey();
    constexpr Target kLeaf{kCU, "Software\\Tallowick Test\\Leaf", "", CreateTail(1)};
    constexpr Target kChild{kCU, "Software\\Tallowick Test\\Leaf\\Child", "", CreateTail(1)};
    EXPECT_FALSE(Matches(ctx, kLeaf, CreateKey()));
    EXPECT_EQ(StoreData(ctx, kLeaf, CreateKey(), true), err::Success);
    EXPECT_TRUE(h.RecordedToday(kTweak));
    EXPECT_TRUE(Matches(ctx, kLeaf, CreateKey()));
    EXPECT_EQ(StoreData(ctx, kChild, CreateKey(), false), err::Success);
    EXPECT_EQ(StoreData(ctx, kLeaf, DeleteKey(), false), err::AccessDenied) << "has a subkey";
    EXPECT_EQ(StoreData(ctx, kChild, DeleteKey(), false), err::Success);
    EXPECT_EQ(StoreData(ctx, kLeaf, DeleteKey(), false), err::Success);
    EXPECT_TRUE(Matches(ctx, kLeaf, DeleteKey()));
    EXPECT_TRUE(KeyExists(reg, kCU, kKey));
}

TEST_F(ConventionsTest, TheDateFollowsTheOpenAndPrecedesTheSet) {
    LoadEmptyKey();
    reg.FailOn(RegOp::Create, kCU, kKey, err::AccessDenied);
    EXPECT_EQ(StoreData(ctx, {kCU, "Software\\Tallowick Test\\Leaf", "Flag", CreateTail(1)},
                        Dword(1), true),
              err::AccessDenied);
    EXPECT_FALSE(h.RecordedToday(kTweak));
    EXPECT_EQ(StoreData(ctx, {kCU, kKey, "Flag"}, Dword(1), false), err::Success);
    EXPECT_FALSE(h.RecordedToday(kTweak)) << "no date asked for";
    reg.FailOn(RegOp::Set, kCU, kKey, err::WriteFault);
    EXPECT_EQ(StoreData(ctx, {kCU, kKey, "Text"}, Text("t"), true), err::WriteFault);
    EXPECT_TRUE(h.RecordedToday(kTweak));
}

TEST_F(ConventionsTest, TextsAreCountedWithoutTheirTerminator) {
    LoadEmptyKey();
    EXPECT_EQ(StoreData(ctx, {kCU, kKey, "Name"}, Text("Menu"), false), err::Success);
    EXPECT_EQ(StoreData(ctx, {kCU, kKey, "Path"}, ExpandText("C:\\x"), false), err::Success);
    EXPECT_EQ(StoreData(ctx, {kCU, kKey, "Blank"}, Text(""), false), err::Success);
    EXPECT_EQ(reg.setSizes, (std::vector<std::uint32_t>{4, 4, 0}));
    // The registry adds the zero as Windows does; an empty text stays empty.
    EXPECT_EQ(ReadValue(reg, kCU, kKey, "Name"), SzValue("Menu"));
    EXPECT_EQ(ReadValue(reg, kCU, kKey, "Path"), SzValue("C:\\x", regtype::ExpandSz));
    EXPECT_EQ(ReadValue(reg, kCU, kKey, "Blank"), (RegValue{regtype::Sz, {}}));
}

TEST_F(ConventionsTest, DeletesByPathByTreeAndThroughAnOpenedKey) {
    const std::string base = std::string("[HKEY_CURRENT_USER\\") + kKey;
    Load("REGEDIT4\n" + base + "]\n\"A\"=dword:1\n\"B\"=dword:2\n\"C\"=dword:3\n" + base +
         "\\Tree\\Deep]\n" + base + "\\Parent\\Leaf]\n" + base + "\\Parent\\Busy\\Child]\n");
    const std::string parent = std::string(kKey) + "\\Parent";
    EXPECT_EQ(DeleteValueByPath(reg, kCU, kKey, "A"), err::Success);
    EXPECT_EQ(DeleteValueOfKey(reg, kCU, kKey, "B"), err::Success);
    EXPECT_EQ(DeleteValueOfKey(reg, kCU, kKey, "B"), err::FileNotFound);
    EXPECT_EQ(DeleteTreeAt(reg, kCU, std::string(kKey) + "\\Tree"), err::Success);
    EXPECT_EQ(DeleteSubkeyOf(reg, kCU, parent, "Leaf"), err::Success);
    EXPECT_EQ(DeleteSubkeyOf(reg, kCU, parent, "Busy"), err::AccessDenied) << "has subkeys";
    EXPECT_EQ(reg.ExportRegText(kCU, kKey), R"(Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Tallowick Test]
"C"=dword:00000003

[HKEY_CURRENT_USER\Software\Tallowick Test\Parent]

[HKEY_CURRENT_USER\Software\Tallowick Test\Parent\Busy]

[HKEY_CURRENT_USER\Software\Tallowick Test\Parent\Busy\Child]

)");
}

TEST(ConventionsConversions, NumbersAndSystemRoot) {
    const std::pair<const char*, int> atoiCases[] = {
        {"", 0},    {"abc", 0},    {"  \t\n-17x", -17},      {"+8", 8},
        {"- 5", 0}, {"3.9", 3},    {"2147483648", INT_MAX},  {"99999999999999999999", INT_MAX},
        {"007", 7}, {"12 34", 12}, {"-2147483648", INT_MIN}, {"-2147483649", INT_MIN},
    };
    for (const auto& [text, value] : atoiCases)
        EXPECT_EQ(AtoiLikeC(text), value) << '"' << text << '"';
    EXPECT_EQ(FormatInt(INT_MIN), "-2147483648");

    const std::string windows = "C:\\WINDOWS";
    EXPECT_EQ(ExpandSystemRoot("%SystemRoot%;%SystemRoot%\\x", windows),
              "C:\\WINDOWS;C:\\WINDOWS\\x");
    EXPECT_EQ(ExpandSystemRoot("%systemroot%\\x", windows), "%systemroot%\\x");
    EXPECT_EQ(ExpandSystemRoot("%SystemRoot%\\x", ""), "%SystemRoot%\\x");
    EXPECT_EQ(CollapseSystemRoot("\"C:\\WINDOWS\\a\" C:\\WINDOWS\\b", windows),
              "\"%SystemRoot%\\a\" %SystemRoot%\\b");
    EXPECT_EQ(CollapseSystemRoot("c:\\windows\\x.ico", windows), "c:\\windows\\x.ico")
        << "another letter case is written unchanged";
    EXPECT_EQ(CollapseSystemRoot("D:\\x", ""), "D:\\x");
}

}  // namespace
}  // namespace tallowick
