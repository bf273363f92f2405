#include "platform/win32/win32_host.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "platform/host_conformance.h"
#include "support/scratch.h"

namespace tallowick {
namespace {

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HostSubject MakeWin32Subject() {
    std::string folder = MakeScratchFolder();
    return {std::make_unique<Win32Host>(), folder, [folder] { RemoveFolderTree(folder); }};
}

INSTANTIATE_TEST_SUITE_P(Win32, HostConformance, ::testing::Values(&MakeWin32Subject),
                         [](const auto&) { return std::string("Seams"); });

// Days since 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

TEST(Win32Host, ReportsThePrefixMachine) {
    Win32Host host;

    // The test prefix is set to Windows XP 64-bit, which is NT 5.2.
    OsVersion version = host.WindowsVersion();
    EXPECT_EQ(version.major, 5u);
    EXPECT_EQ(version.minor, 2u);
    EXPECT_EQ(version.platformId, 2u);

    std::string windows = host.WindowsDirectory();
    ASSERT_FALSE(windows.empty());
    EXPECT_NE(windows.back(), '\\');
    EXPECT_TRUE(IsFolder(windows)) << windows;

    std::string program = host.ProgramFolder();
    ASSERT_FALSE(program.empty());
    EXPECT_NE(program.back(), '\\');
    EXPECT_TRUE(host.FileExists(program + "\\tallowick_win_tests.exe")) << program;
}

TEST(Win32Host, TodayMatchesTheCLibraryClock) {
    Win32Host host;
    Date today = host.TodayUtc();
    std::time_t now = std::time(nullptr);
    const std::tm* utc = std::gmtime(&now);
    ASSERT_NE(utc, nullptr);
    long expected = DaysFromCivil(utc->tm_year + 1900, utc->tm_mon + 1, utc->tm_mday);
    EXPECT_LE(std::labs(DaysFromCivil(today.year, today.month, today.day) - expected), 1L)
        << today.year << "-" << today.month << "-" << today.day;
}

TEST(Win32Host, MutexIsHeldUntilItsHostGoes) {
    const std::string name = "Tallowick-host-test-" + std::to_string(GetCurrentProcessId());
    {
        Win32Host first;
        ASSERT_TRUE(first.AcquireSingleInstance(name));
        Win32Host second;
        EXPECT_FALSE(second.AcquireSingleInstance(name));
        EXPECT_FALSE(first.AcquireSingleInstance(name));
    }
    Win32Host later;
    EXPECT_TRUE(later.AcquireSingleInstance(name));
}

}  // namespace
}  // namespace tallowick
