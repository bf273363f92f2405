// Registry behaviour the program relies on, checked the same way on every implementation.
#include "platform/registry_conformance.h"

#include <cstring>
#include <set>
#include <vector>

#include "support/registry_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kScratch = "Software\\TallowickConformance";
constexpr const char* kClassesScratch = "TallowickConformance.Test";
const std::string kUserClasses = std::string("Software\\Classes\\") + kClassesScratch;
const std::string kMachineClasses = std::string("SOFTWARE\\Classes\\") + kClassesScratch;

class Conformance : public RegistryConformance {
  protected:
    void SetUp() override {
        reg_ = GetParam().make();
        Clean();
        ASSERT_EQ(reg_->CreateKey(hive::CurrentUser, kScratch, &root_), err::Success);
    }
    void TearDown() override {
        if (root_)
            reg_->CloseKey(root_);
        Clean();
    }
    void Clean() {
        reg_->DeleteTree(hive::CurrentUser, kScratch);
        reg_->DeleteTree(hive::LocalMachine, kScratch);
        reg_->DeleteTree(hive::CurrentUser, kUserClasses.c_str());
        reg_->DeleteTree(hive::LocalMachine, kMachineClasses.c_str());
    }
    bool Merges() const { return GetParam().mergesClassesRoot; }
    std::string Scratch(const std::string& sub) const { return std::string(kScratch) + "\\" + sub; }

    // Sets a value from a literal text, letting the registry decide about the terminator.
    long SetText(RegKey key, const char* name, const char* text, std::uint32_t size) {
        return reg_->SetValue(key, name, regtype::Sz, reinterpret_cast<const std::uint8_t*>(text),
                              size);
    }

    std::unique_ptr<Registry> reg_;
    RegKey root_ = 0;  // HKCU\Software\TallowickConformance, open for the whole case
};

std::vector<std::string> SubkeyNames(Registry& reg, RegKey key) {
    std::vector<std::string> names;
    char name[256];
    for (std::uint32_t i = 0; reg.EnumKey(key, i, name, sizeof name) == err::Success; ++i) {
        names.emplace_back(name);
    }
    return names;
}

// ---- Open and create -------------------------------------------------------------------

TEST_P(Conformance, NamesMatchWithoutCaseAndKeepTheirCase) {
    KeyHandle made(*reg_);
    ASSERT_EQ(reg_->CreateKey(root_, "Mixed\\Case", made.out()), err::Success);
    EXPECT_TRUE(KeyExists(*reg_, hive::CurrentUser, Scratch("mIXED\\cASE")));
    EXPECT_TRUE(KeyExists(*reg_, hive::CurrentUser, "SOFTWARE\\tallowickconformance\\MIXED"));
    // Creating it again in another case neither renames nor duplicates it.
    KeyHandle again(*reg_);
    ASSERT_EQ(reg_->CreateKey(root_, "MIXED\\case\\Leaf", again.out()), err::Success);
    EXPECT_EQ(SubkeyNames(*reg_, root_), std::vector<std::string>{"Mixed"});

    ASSERT_EQ(SetText(made.get(), "Value", "x", 1), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, Scratch("MIXED\\CASE"), "VALUE"), SzValue("x"));
}

TEST_P(Conformance, OpenFindsOnlyExistingKeysCreateMakesThemAndOpensThemAgain) {
    RegKey out = 12345;
    EXPECT_EQ(reg_->OpenKey(hive::CurrentUser, Scratch("A\\B\\C").c_str(), access::Read, &out),
              err::FileNotFound);
    EXPECT_EQ(out, 0u);
    EXPECT_FALSE(KeyExists(*reg_, hive::CurrentUser, Scratch("A")));

    KeyHandle first(*reg_);
    ASSERT_EQ(reg_->CreateKey(hive::CurrentUser, Scratch("A\\B\\C").c_str(), first.out()),
              err::Success);
    EXPECT_TRUE(KeyExists(*reg_, hive::CurrentUser, Scratch("A")));
    EXPECT_TRUE(KeyExists(*reg_, hive::CurrentUser, Scratch("A\\B")));
    ASSERT_EQ(SetText(first.get(), "v", "one", 3), err::Success);

    KeyHandle second(*reg_);
    ASSERT_EQ(reg_->CreateKey(hive::CurrentUser, Scratch("A\\B\\C").c_str(), second.out()),
              err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, Scratch("A\\B\\C"), "v"), SzValue("one"));
}

TEST_P(Conformance, TrailingAndDoubledBackslashesAreAcceptedALeadingOneIsNot) {
    KeyHandle made(*reg_);
    ASSERT_EQ(reg_->CreateKey(root_, "P\\Q", made.out()), err::Success);
    EXPECT_TRUE(KeyExists(*reg_, hive::CurrentUser, Scratch("P\\Q\\")));
    EXPECT_TRUE(KeyExists(*reg_, hive::CurrentUser, Scratch("P\\\\Q")));

    RegKey out = 1;
    EXPECT_EQ(reg_->OpenKey(hive::CurrentUser, "\\Software", access::Read, &out), err::BadPathname);
    EXPECT_EQ(reg_->CreateKey(hive::CurrentUser, ("\\" + Scratch("Lead")).c_str(), &out),
              err::BadPathname);
    EXPECT_FALSE(KeyExists(*reg_, hive::CurrentUser, Scratch("Lead")));
}

TEST_P(Conformance, AnEmptySubkeyGivesTheHiveItselfOrANewHandleToTheKey) {
    RegKey same = 0;
    ASSERT_EQ(reg_->OpenKey(hive::CurrentUser, "", access::Read, &same), err::Success);
    EXPECT_EQ(same, hive::CurrentUser);
    ASSERT_EQ(reg_->OpenKey(hive::CurrentUser, nullptr, access::Read, &same), err::Success);
    EXPECT_EQ(same, hive::CurrentUser);

    RegKey other = 0;
    ASSERT_EQ(reg_->OpenKey(root_, "", access::AllAccess, &other), err::Success);
    EXPECT_NE(other, root_);
    ASSERT_EQ(SetText(other, "through", "copy", 4), err::Success);
    EXPECT_EQ(reg_->CloseKey(other), err::Success);
    // Closing the second handle leaves the first one working, and itself invalid.
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->QueryValue(root_, "through", nullptr, nullptr, &size), err::Success);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(reg_->QueryValue(other, "through", nullptr, nullptr, &size), err::InvalidHandle);
    EXPECT_EQ(reg_->CloseKey(other), err::InvalidHandle);
}

TEST_P(Conformance, ConnectGivesThePredefinedHiveAndClosingItIsHarmless) {
    for (RegKey h : {hive::ClassesRoot, hive::CurrentUser, hive::LocalMachine, hive::Users}) {
        RegKey connected = 0;
        ASSERT_EQ(reg_->Connect(h, &connected), err::Success);
        EXPECT_EQ(connected, h);
        EXPECT_EQ(reg_->CloseKey(connected), err::Success);
    }
    // The hive still works after its "close".
    EXPECT_TRUE(KeyExists(*reg_, hive::CurrentUser, kScratch));
}

TEST_P(Conformance, AReadOnlyHandleRefusesWrites) {
    ASSERT_EQ(SetText(root_, "kept", "yes", 3), err::Success);
    KeyHandle readOnly(*reg_);
    ASSERT_EQ(reg_->OpenKey(hive::CurrentUser, kScratch, access::Read, readOnly.out()),
              err::Success);
    EXPECT_EQ(SetText(readOnly.get(), "new", "no", 2), err::AccessDenied);
    EXPECT_EQ(reg_->DeleteValue(readOnly.get(), "kept"), err::AccessDenied);
    // Wine lets a read-only handle create subkeys, so that is not checked here.
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "kept"), SzValue("yes"));
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "new"), std::nullopt);
}

// ---- Query -----------------------------------------------------------------------------

// Without a buffer the size is reported; a missing value or a buffer too small leaves
// the buffer alone, the latter saying how much is needed.
// Tweaks read and write the default user's settings under HKEY_USERS\.DEFAULT.
TEST_P(Conformance, UsersHiveListsTheDefaultUserAndOpensItWithoutRegardToCase) {
    // Its stored case differs between systems (".DEFAULT", ".Default").
    const auto names = SubkeyNames(*reg_, hive::Users);
    EXPECT_TRUE(std::any_of(names.begin(), names.end(), [](const std::string& name) {
        return name == ".DEFAULT" || name == ".Default";
    }));
    EXPECT_TRUE(KeyExists(*reg_, hive::Users, ".DEFAULT"));
    EXPECT_TRUE(KeyExists(*reg_, hive::Users, ".Default"));
}

TEST_P(Conformance, QueryReportsSizesAndWritesOnlyWhatFits) {
    std::uint8_t buf[8];
    std::memset(buf, '#', sizeof buf);
    std::uint32_t size = sizeof buf;
    EXPECT_EQ(reg_->QueryValue(root_, "absent", nullptr, buf, &size), err::FileNotFound);
    EXPECT_EQ(buf[0], '#');

    ASSERT_EQ(SetText(root_, "s", "hello", 5), err::Success);
    std::uint32_t type = 0;
    EXPECT_EQ(reg_->QueryValue(root_, "s", &type, nullptr, &size), err::Success);
    EXPECT_EQ(type, regtype::Sz);
    EXPECT_EQ(size, 6u);

    const std::uint8_t bytes[] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(reg_->SetValue(root_, "b", regtype::Binary, bytes, 6), err::Success);
    size = 3;
    EXPECT_EQ(reg_->QueryValue(root_, "b", nullptr, buf, &size), err::MoreData);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(buf[0], '#');
    EXPECT_EQ(buf[1], '#');
}

// A text written with its length gets its terminator stored, as the literal has its zero
// right after the counted bytes. One whose next byte is no zero reads back as its bytes,
// given a zero only when there is room; an empty one has no bytes at all.
TEST_P(Conformance, TextsGetTheirTerminatorAsWindowsGivesIt) {
    ASSERT_EQ(SetText(root_, "t", "abcd", 4), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "t"), SzValue("abcd"));

    ASSERT_EQ(SetText(root_, "s", "abcdX", 4), err::Success);
    std::uint8_t buf[8];
    std::memset(buf, '#', sizeof buf);
    std::uint32_t size = 4;
    ASSERT_EQ(reg_->QueryValue(root_, "s", nullptr, buf, &size), err::Success);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 5), "abcd#");

    std::memset(buf, '#', sizeof buf);
    size = 5;
    ASSERT_EQ(reg_->QueryValue(root_, "s", nullptr, buf, &size), err::Success);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 6), std::string("abcd\0#", 6));

    std::memset(buf, '#', sizeof buf);
    size = 3;
    EXPECT_EQ(reg_->QueryValue(root_, "s", nullptr, buf, &size), err::MoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buf[0], '#');

    ASSERT_EQ(SetText(root_, "e", "", 0), err::Success);
    size = sizeof buf;
    ASSERT_EQ(reg_->QueryValue(root_, "e", nullptr, buf, &size), err::Success);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(buf[0], '#');
}

TEST_P(Conformance, ANewKeyHasNoDefaultValueUntilOneIsSet) {
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->QueryValue(root_, "", nullptr, nullptr, &size), err::FileNotFound);
    EXPECT_EQ(reg_->QueryValue(root_, nullptr, nullptr, nullptr, &size), err::FileNotFound);
    ASSERT_EQ(SetText(root_, nullptr, "dflt", 4), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, ""), SzValue("dflt"));
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, nullptr), SzValue("dflt"));
    EXPECT_EQ(reg_->DeleteValue(root_, ""), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, nullptr), std::nullopt);
}

// Every type keeps its bytes, however long, and a rewrite replaces type and size.
TEST_P(Conformance, ValuesKeepTypeAndBytesUntilRewritten) {
    const RegValue dword = DwordValue(0xDEADBEEF);
    const RegValue binary{regtype::Binary, {0, 1, 0, 255, 0}};
    const RegValue expand = SzValue("%SystemRoot%\\system32", regtype::ExpandSz);
    const RegValue textWithZero{regtype::Sz, {'a', 0, 'b', 0}};
    const RegValue multi{regtype::MultiSz, {'o', 'n', 'e', 0, 't', 'w', 'o', 0, 0}};
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kScratch, "m", multi), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "m"), multi);
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kScratch, "d", dword), err::Success);
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kScratch, "b", binary), err::Success);
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kScratch, "e", expand), err::Success);
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kScratch, "z", textWithZero), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "d"), dword);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "b"), binary);
    // The registry stores the text as written; nothing expands the variable.
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "e"), expand);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "z"), textWithZero);
    const std::string longText(5000, 'q');
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kScratch, "long", SzValue(longText)),
              err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "long"), SzValue(longText));

    ASSERT_EQ(SetText(root_, "d", "a longer text", 13), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "d"), SzValue("a longer text"));
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kScratch, "d", RegValue{regtype::Binary, {9}}),
              err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kScratch, "d"), (RegValue{regtype::Binary, {9}}));
}

// ---- Delete ----------------------------------------------------------------------------

TEST_P(Conformance, DeletingAKeyWithSubkeysFailsTheRecursiveDeleteSucceeds) {
    KeyHandle deep(*reg_);
    ASSERT_EQ(reg_->CreateKey(root_, "Tree\\Branch\\Leaf", deep.out()), err::Success);
    ASSERT_EQ(SetText(deep.get(), "v", "x", 1), err::Success);
    deep.Reset();
    EXPECT_EQ(reg_->DeleteKey(root_, "Tree"), err::AccessDenied);
    EXPECT_TRUE(KeyExists(*reg_, hive::CurrentUser, Scratch("Tree\\Branch\\Leaf")));
    // A leaf goes with the plain delete, also given as a path.
    EXPECT_EQ(reg_->DeleteKey(root_, "Tree\\Branch\\Leaf"), err::Success);
    EXPECT_FALSE(KeyExists(*reg_, hive::CurrentUser, Scratch("Tree\\Branch\\Leaf")));

    ASSERT_EQ(reg_->CreateKey(root_, "Tree\\Branch\\Leaf", deep.out()), err::Success);
    deep.Reset();
    EXPECT_EQ(reg_->DeleteTree(root_, "tree"), err::Success);
    EXPECT_FALSE(KeyExists(*reg_, hive::CurrentUser, Scratch("Tree")));
    EXPECT_EQ(reg_->DeleteTree(root_, "Tree"), err::FileNotFound);
    EXPECT_EQ(reg_->DeleteKey(root_, "Tree"), err::FileNotFound);
}

TEST_P(Conformance, DeletingValuesOfAnOpenKeyOrByPath) {
    KeyHandle key(*reg_);
    ASSERT_EQ(reg_->CreateKey(root_, "Holder", key.out()), err::Success);
    ASSERT_EQ(SetText(key.get(), "u", "x", 1), err::Success);
    EXPECT_EQ(reg_->DeleteValue(key.get(), "U"), err::Success);
    EXPECT_EQ(reg_->DeleteValue(key.get(), "u"), err::FileNotFound);

    ASSERT_EQ(SetText(key.get(), "v", "x", 1), err::Success);
    ASSERT_EQ(SetText(key.get(), "w", "y", 1), err::Success);
    EXPECT_EQ(reg_->DeleteValueAt(hive::CurrentUser, Scratch("Holder").c_str(), "v"), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, Scratch("Holder"), "v"), std::nullopt);
    EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, Scratch("Holder"), "w"), SzValue("y"));
    EXPECT_EQ(reg_->DeleteValueAt(hive::CurrentUser, Scratch("Holder").c_str(), "v"),
              err::FileNotFound);
    EXPECT_EQ(reg_->DeleteValueAt(hive::CurrentUser, Scratch("Nowhere").c_str(), "v"),
              err::FileNotFound);
    EXPECT_FALSE(KeyExists(*reg_, hive::CurrentUser, Scratch("Nowhere")));
}

TEST_P(Conformance, AHandleToADeletedKeyAnswersKeyDeleted) {
    KeyHandle doomed(*reg_);
    ASSERT_EQ(reg_->CreateKey(root_, "Doomed\\Inner", doomed.out()), err::Success);
    ASSERT_EQ(reg_->DeleteTree(root_, "Doomed"), err::Success);
    EXPECT_EQ(SetText(doomed.get(), "v", "x", 1), err::KeyDeleted);
    std::uint32_t size = 0;
    EXPECT_EQ(reg_->QueryValue(doomed.get(), "v", nullptr, nullptr, &size), err::KeyDeleted);
    RegKey sub = 0;
    EXPECT_EQ(reg_->CreateKey(doomed.get(), "Again", &sub), err::KeyDeleted);
    char name[32];
    EXPECT_EQ(reg_->EnumKey(doomed.get(), 0, name, sizeof name), err::KeyDeleted);
    EXPECT_FALSE(KeyExists(*reg_, hive::CurrentUser, Scratch("Doomed")));
}

// ---- Enumeration -----------------------------------------------------------------------

TEST_P(Conformance, SubkeysEnumerateSortedWithoutRegardToCase) {
    for (const char* name : {"b", "A", "_x", "c", "Z", "a1"}) {
        KeyHandle sub(*reg_);
        ASSERT_EQ(reg_->CreateKey(root_, name, sub.out()), err::Success);
    }
    EXPECT_EQ(SubkeyNames(*reg_, root_),
              (std::vector<std::string>{"_x", "A", "a1", "b", "c", "Z"}));
    char name[8];
    EXPECT_EQ(reg_->EnumKey(root_, 6, name, sizeof name), err::NoMoreItems);
    // The size given counts the terminator.
    KeyHandle sub(*reg_);
    ASSERT_EQ(reg_->CreateKey(root_, "zLongName", sub.out()), err::Success);
    char room[16];
    EXPECT_EQ(reg_->EnumKey(root_, 6, room, 9), err::MoreData);
    ASSERT_EQ(reg_->EnumKey(root_, 6, room, 10), err::Success);
    EXPECT_STREQ(room, "zLongName");
}

// Values are enumerated by name only: whether a key holds any (its default value counts)
// and which, to save and put them back.
TEST_P(Conformance, ValuesEnumerateByNameTheDefaultOneIncluded) {
    char name[32];
    std::uint32_t nameLength = sizeof name;
    EXPECT_EQ(reg_->EnumValue(root_, 0, name, &nameLength, nullptr, nullptr, nullptr),
              err::NoMoreItems);
    ASSERT_EQ(SetText(root_, "", "default", 7), err::Success);
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kScratch, "Second", DwordValue(2)),
              err::Success);
    ASSERT_EQ(SetText(root_, "first", "one", 3), err::Success);
    // Windows keeps values in the order set, Wine sorts them: compare as a set.
    std::set<std::string> seen;
    for (std::uint32_t i = 0;; ++i) {
        nameLength = sizeof name;
        const long rc = reg_->EnumValue(root_, i, name, &nameLength, nullptr, nullptr, nullptr);
        if (rc == err::NoMoreItems)
            break;
        ASSERT_EQ(rc, err::Success);
        EXPECT_EQ(nameLength, std::strlen(name));
        seen.insert(name);
    }
    EXPECT_EQ(seen, (std::set<std::string>{"", "Second", "first"}));
}

// ---- HKEY_CLASSES_ROOT -----------------------------------------------------------------

TEST_P(Conformance, ClassesRootWritesLandInTheMachineCopy) {
    KeyHandle made(*reg_);
    ASSERT_EQ(reg_->CreateKey(hive::ClassesRoot, (std::string(kClassesScratch) + "\\shell").c_str(),
                              made.out()),
              err::Success);
    ASSERT_EQ(SetText(made.get(), nullptr, "Open", 4), err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::LocalMachine, kMachineClasses + "\\shell", nullptr),
              SzValue("Open"));
    EXPECT_FALSE(KeyExists(*reg_, hive::CurrentUser, kUserClasses));

    // And what HKLM holds shows through HKCR.
    ASSERT_EQ(WriteValue(*reg_, hive::LocalMachine, kMachineClasses, "m", DwordValue(5)),
              err::Success);
    EXPECT_EQ(ReadValue(*reg_, hive::ClassesRoot, kClassesScratch, "m"), DwordValue(5));
    EXPECT_EQ(reg_->DeleteTree(hive::ClassesRoot, kClassesScratch), err::Success);
    EXPECT_FALSE(KeyExists(*reg_, hive::LocalMachine, kMachineClasses));
}

TEST_P(Conformance, ClassesRootShowsTheUsersCopyFirst) {
    ASSERT_EQ(WriteValue(*reg_, hive::LocalMachine, kMachineClasses, "v", SzValue("machine")),
              err::Success);
    ASSERT_EQ(WriteValue(*reg_, hive::CurrentUser, kUserClasses, "v", SzValue("user")),
              err::Success);
    KeyHandle merged(*reg_);
    ASSERT_EQ(reg_->OpenKey(hive::ClassesRoot, kClassesScratch, access::AllAccess, merged.out()),
              err::Success);
    ASSERT_EQ(SetText(merged.get(), "w", "written", 7), err::Success);
    if (Merges()) {
        EXPECT_EQ(ReadValue(*reg_, hive::ClassesRoot, kClassesScratch, "v"), SzValue("user"));
        EXPECT_EQ(ReadValue(*reg_, hive::CurrentUser, kUserClasses, "w"), SzValue("written"));
        EXPECT_EQ(ReadValue(*reg_, hive::LocalMachine, kMachineClasses, "w"), std::nullopt);
    } else {
        // Wine: HKEY_CLASSES_ROOT is the machine's copy only.
        EXPECT_EQ(ReadValue(*reg_, hive::ClassesRoot, kClassesScratch, "v"), SzValue("machine"));
        EXPECT_EQ(ReadValue(*reg_, hive::LocalMachine, kMachineClasses, "w"), SzValue("written"));
    }
}

TEST_P(Conformance, ClassesRootDeletesTheUsersCopyFirstAndEnumeratesTheUnion) {
    KeyHandle key(*reg_);
    ASSERT_EQ(reg_->CreateKey(hive::LocalMachine, (kMachineClasses + "\\Both").c_str(), key.out()),
              err::Success);
    ASSERT_EQ(
        reg_->CreateKey(hive::LocalMachine, (kMachineClasses + "\\MachineOnly").c_str(), key.out()),
        err::Success);
    ASSERT_EQ(reg_->CreateKey(hive::CurrentUser, (kUserClasses + "\\both").c_str(), key.out()),
              err::Success);
    ASSERT_EQ(reg_->CreateKey(hive::CurrentUser, (kUserClasses + "\\UserOnly").c_str(), key.out()),
              err::Success);
    ASSERT_EQ(reg_->OpenKey(hive::ClassesRoot, kClassesScratch, access::Read, key.out()),
              err::Success);
    if (Merges()) {
        EXPECT_EQ(SubkeyNames(*reg_, key.get()),
                  (std::vector<std::string>{"both", "MachineOnly", "UserOnly"}));
    } else {
        // Wine: the user's keys do not show through HKEY_CLASSES_ROOT.
        EXPECT_EQ(SubkeyNames(*reg_, key.get()), (std::vector<std::string>{"Both", "MachineOnly"}));
    }
    key.Reset();

    const std::string both = std::string(kClassesScratch) + "\\Both";
    ASSERT_EQ(reg_->DeleteKey(hive::ClassesRoot, both.c_str()), err::Success);
    if (Merges()) {
        EXPECT_FALSE(KeyExists(*reg_, hive::CurrentUser, kUserClasses + "\\Both"));
        EXPECT_TRUE(KeyExists(*reg_, hive::LocalMachine, kMachineClasses + "\\Both"));
        EXPECT_TRUE(KeyExists(*reg_, hive::ClassesRoot, both));
        ASSERT_EQ(reg_->DeleteKey(hive::ClassesRoot, both.c_str()), err::Success);
    }
    EXPECT_FALSE(KeyExists(*reg_, hive::LocalMachine, kMachineClasses + "\\Both"));
    EXPECT_FALSE(KeyExists(*reg_, hive::ClassesRoot, both));
}

INSTANTIATE_TEST_SUITE_P(Registry, Conformance, ::testing::ValuesIn(RegistryTargets()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tallowick
