#include "platform/host_conformance.h"

#include <optional>
#include <string>

namespace tallowick {
namespace {

using namespace std::string_literals;

// Bytes a text-mode layer would mangle: zeros, CR LF, a lone LF, high bytes.
const std::string kBinary = "line one\r\nnul\0here\nend\x1a\xff\x80"s;

TEST_P(HostConformance, WrittenBytesReadBackExactly) {
    const std::string path = PathOf("binary.dat");
    ASSERT_TRUE(host().WriteWholeFile(path, "a much longer first version\r\n"));
    ASSERT_TRUE(host().WriteWholeFile(path, kBinary));  // and the rest is cut off
    EXPECT_TRUE(host().FileExists(path));
    EXPECT_EQ(host().ReadWholeFile(path), kBinary);

    // An empty file is present with no bytes, not missing.
    const std::string empty = PathOf("empty.dat");
    ASSERT_TRUE(host().WriteWholeFile(empty, ""));
    EXPECT_EQ(host().ReadWholeFile(empty), std::optional<std::string>(""));

    // Larger than one read or write request: every part comes back, in order.
    std::string large;
    for (int i = 0; large.size() < (3u << 20) / 2; ++i)
        large += std::to_string(i) + kBinary;
    const std::string big = PathOf("large.dat");
    ASSERT_TRUE(host().WriteWholeFile(big, large));
    EXPECT_EQ(host().ReadWholeFile(big), large);
}

TEST_P(HostConformance, PathsIgnoreCase) {
    ASSERT_TRUE(host().WriteWholeFile(PathOf("DateFile.txt"), "a"));
    EXPECT_TRUE(host().FileExists(PathOf("DATEFILE.TXT")));
    ASSERT_TRUE(host().WriteWholeFile(PathOf("datefile.txt"), "b"));
    EXPECT_EQ(host().ReadWholeFile(PathOf("DateFile.txt")), "b");
}

TEST_P(HostConformance, RemoveDeletesOnceAndAMissingFileIsNotRead) {
    const std::string path = PathOf("doomed.txt");
    ASSERT_TRUE(host().WriteWholeFile(path, "x"));
    EXPECT_TRUE(host().RemoveFile(path));
    EXPECT_FALSE(host().FileExists(path));
    EXPECT_EQ(host().ReadWholeFile(path), std::nullopt);
    EXPECT_FALSE(host().RemoveFile(path));
}

// The date file's save: the target is replaced whole, or made, or kept when there is
// nothing to put in its place.
TEST_P(HostConformance, RenameOverReplacesOrCreatesTheTarget) {
    const std::string from = PathOf("save.tmp");
    const std::string to = PathOf("save.txt");
    ASSERT_TRUE(host().WriteWholeFile(from, "new"));
    EXPECT_TRUE(host().RenameOver(from, to));
    EXPECT_EQ(host().ReadWholeFile(to), "new");
    EXPECT_FALSE(host().FileExists(from));

    ASSERT_TRUE(host().WriteWholeFile(to, "old contents, longer than the new"));
    ASSERT_TRUE(host().WriteWholeFile(from, kBinary));
    EXPECT_TRUE(host().RenameOver(from, to));
    EXPECT_EQ(host().ReadWholeFile(to), kBinary);
    EXPECT_FALSE(host().FileExists(from));

    EXPECT_FALSE(host().RenameOver(from, to));
    EXPECT_EQ(host().ReadWholeFile(to), kBinary);
}

// The boot file's replacement is given the attributes of the file it replaces.
TEST_P(HostConformance, AttributesAreReadAndSet) {
    const std::string path = PathOf("attributes.txt");
    EXPECT_EQ(host().AttributesOf(path), std::nullopt);
    EXPECT_FALSE(host().ChangeAttributes(path, fileattr::Hidden));
    ASSERT_TRUE(host().WriteWholeFile(path, "x"));
    const std::uint32_t wanted = fileattr::ReadOnly | fileattr::Hidden | fileattr::Archive;
    EXPECT_TRUE(host().ChangeAttributes(path, wanted));
    EXPECT_EQ(host().AttributesOf(path), wanted);
    // Made plain again, it can be removed.
    EXPECT_TRUE(host().ChangeAttributes(path, fileattr::Normal));
    EXPECT_EQ(host().AttributesOf(path).value_or(fileattr::ReadOnly) & fileattr::ReadOnly, 0u);
    EXPECT_TRUE(host().RemoveFile(path));
}

}  // namespace
}  // namespace tallowick
