// Every case runs through ReadProfileString and, on Windows, through GetPrivateProfileStringA
// on a real file, so the portable reader cannot drift from the system's.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "model/profile_string.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tallowick {
namespace {

using namespace std::string_view_literals;

struct ProfileCase {
    const char* name;
    std::optional<std::string_view> file;  // nullopt: there is no file
    std::string_view section;
    std::string_view key;
    std::string_view defaultValue;
    std::size_t bufferSize;
    std::string_view expected;
};

void PrintTo(const ProfileCase& c, std::ostream* os) {
    *os << c.name;
}

const ProfileCase kCases[] = {
    // Finding the key.
    {"NamesIgnoreCase", "[Main]\r\nCaption=Hello\r\n", "MAIN", "caption", "D", 64, "Hello"},
    {"FirstOfDuplicateKeys", "[A]\r\nk=one\r\nK=two\r\n", "A", "k", "D", 64, "one"},
    {"FirstOfDuplicateSections", "[A]\r\nk=one\r\n[A]\r\nk=two\r\n", "A", "k", "D", 64, "one"},
    {"LaterDuplicateSectionIgnored", "[A]\r\nx=1\r\n[a]\r\nk=two\r\n", "A", "k", "D", 64, "D"},
    {"KeyOfNextSectionNotFound", "[A]\nk=v\n\n[B]\nj=w\n", "A", "j", "D", 64, "D"},
    {"KeyBeforeFirstHeaderNotFound", "k=v\n[A]\n", "A", "k", "D", 64, "D"},
    {"LineWithoutEqualsHidesLaterKey", "[A]\nk\nk=v\n", "A", "k", "D", 64, "D"},
    {"CommentAndBlankLinesSkipped", "[A]\n\n;k=x\n   \nk=v\n", "A", "k", "D", 64, "v"},
    {"ZeroByteEndsValueNotLine", "[A]\nk=a\0b\nj=c\n"sv, "A", "k", "D", 64, "a"},

    // Headers and line ends.
    {"BlanksInAndAroundBrackets", "  [ A\t]  \nk=v\n", "A", "k", "D", 64, "v"},
    {"TextAfterHeaderIgnored", "[A] ; was B\nk=v\n", "A", "k", "D", 64, "v"},
    {"HeaderRunsToLastBracket", "[A]x]\nk=v\n", "A", "k", "D", 64, "D"},
    {"BracketWithoutCloseIsNoHeader", "[A]\n[B\nk=v\n", "A", "k", "D", 64, "v"},
    {"CrLfLineEnds", "[A]\r\nk=v\r\nj=w\r\n", "A", "j", "D", 64, "w"},
    {"LoneCrEndsLine", "[A]\rk=a\rb=c\r", "A", "k", "D", 64, "a"},
    {"LastLineWithoutLineEnd", "[A]\nk=v", "A", "k", "D", 64, "v"},

    // Blanks and quotes.
    {"BlanksAroundKeyAndValue", "[A]\n \t k \t= \t v x \t\n", "A", "k", "D", 64, "v x"},
    {"BlanksAroundArguments", "[A]\nk=v\n", " A\t", "\tk ", "D", 64, "v"},
    {"CtrlZIsBlank", "[A]\nk=\x1av\x1a\n", "A", "k", "D", 64, "v"},
    {"EqualsInValueKept", "[A]\nk = a = b\n", "A", "k", "D", 64, "a = b"},
    {"EmptyValueNotDefault", "[A]\nk=\n", "A", "k", "D", 64, ""},
    {"BlankValueNotDefault", "[A]\nk=  \t\n", "A", "k", "D", 64, ""},
    {"DoubleQuotesDropped", "[A]\nk=\"v x\"\n", "A", "k", "D", 64, "v x"},
    {"SingleQuotesDropped", "[A]\nk='v'\n", "A", "k", "D", 64, "v"},
    {"BlanksInsideQuotesKept", "[A]\nk= \" a \" \n", "A", "k", "D", 64, " a "},
    {"OnlyOnePairDropped", "[A]\nk=\"\"v\"\"\n", "A", "k", "D", 64, "\"v\""},
    {"EmptyQuotesGiveEmpty", "[A]\nk=\"\"\n", "A", "k", "D", 64, ""},
    {"MismatchedQuotesKept", "[A]\nk=\"v'\n", "A", "k", "D", 64, "\"v'"},
    {"LoneQuoteKept", "[A]\nk=\"\n", "A", "k", "D", 64, "\""},

    // The default.
    {"NoFileGivesDefault", std::nullopt, "A", "k", "Built in", 64, "Built in"},
    {"NoSectionGivesDefault", "[A]\nk=v\n", "B", "k", "D", 64, "D"},
    {"NoKeyGivesDefault", "[A]\nk=v\n", "A", "j", "D", 64, "D"},
    {"DefaultLosesTrailingSpacesOnly", "", "A", "k", "  D \t  ", 64, "  D \t"},
    {"AllSpaceDefaultKeepsOne", "", "A", "k", "   ", 64, " "},
    {"DefaultLosesQuotes", std::nullopt, "A", "k", "\"D\"  ", 64, "D"},

    // The buffer.
    {"ValueCutToBuffer", "[A]\nk=abcdef\n", "A", "k", "D", 4, "abc"},
    {"ValueFillsBuffer", "[A]\nk=abc\n", "A", "k", "D", 4, "abc"},
    {"OneByteBufferHoldsNothing", "[A]\nk=abc\n", "A", "k", "D", 1, ""},
    {"DefaultCutToBuffer", "", "A", "k", "abcdef", 4, "abc"},
    {"QuotedValueCutToBuffer", "[A]\nk=\"abcdef\"\n", "A", "k", "D", 6, "abcde"},
    {"QuotedValueFillingBufferLosesOneMore", "[A]\nk=\"abcdef\"\n", "A", "k", "D", 7, "abcde"},
    {"QuotedValueWithRoomToSpare", "[A]\nk=\"abcdef\"\n", "A", "k", "D", 8, "abcdef"},
};

class ProfileStringTest : public testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileStringTest, PortableReader) {
    const ProfileCase& c = GetParam();
    EXPECT_EQ(
        ReadProfileString(c.file.value_or(""), c.section, c.key, c.defaultValue, c.bufferSize),
        c.expected);
}

#ifdef _WIN32
// Deletes the file when the case is done, passed or not.
struct TempFile {
    char path[MAX_PATH] = {};
    ~TempFile() { DeleteFileA(path); }
};

TEST_P(ProfileStringTest, SystemReader) {
    const ProfileCase& c = GetParam();
    char folder[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
    // A fresh name per case, so no cached copy of an earlier case's file can answer.
    TempFile ini;
    ASSERT_NE(GetTempFileNameA(folder, "tlw", 0, ini.path), 0u);
    if (c.file) {
        HANDLE h = CreateFileA(ini.path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        BOOL ok =
            WriteFile(h, c.file->data(), static_cast<DWORD>(c.file->size()), &written, nullptr);
        CloseHandle(h);
        ASSERT_TRUE(ok && written == c.file->size());
    } else {
        ASSERT_TRUE(DeleteFileA(ini.path));
    }

    // Marker bytes past the buffer prove nothing is written beyond it.
    constexpr char kMarker = '\xA5';
    constexpr std::size_t kSlack = 8;
    std::string buffer(c.bufferSize + kSlack, kMarker);
    DWORD length =
        GetPrivateProfileStringA(std::string(c.section).c_str(), std::string(c.key).c_str(),
                                 std::string(c.defaultValue).c_str(), buffer.data(),
                                 static_cast<DWORD>(c.bufferSize), ini.path);

    ASSERT_LT(length, c.bufferSize);
    EXPECT_EQ(buffer.substr(0, length), c.expected);
    EXPECT_EQ(buffer[length], '\0');
    EXPECT_EQ(buffer.substr(c.bufferSize), std::string(kSlack, kMarker));
}
#endif

INSTANTIATE_TEST_SUITE_P(Cases, ProfileStringTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ProfileCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tallowick
