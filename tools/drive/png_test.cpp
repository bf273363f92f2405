#include "png.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tallowick::drive {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::uint32_t BigEndianAt(const Bytes& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

// Just enough inflate to read back what ZlibCompress writes: fixed-code blocks only.
class FixedInflater {
  public:
    explicit FixedInflater(const Bytes& stream) : in_(stream) {}

    std::optional<Bytes> Run() {
        if (in_.size() < 6 || (in_[0] * 256 + in_[1]) % 31 != 0 || (in_[0] & 0x0F) != 8)
            return std::nullopt;
        at_ = 16;
        Bytes out;
        bool last = false;
        while (!last) {
            last = Bits(1) == 1;
            if (Bits(2) != 1)
                return std::nullopt;
            for (;;) {
                const int symbol = Symbol();
                if (symbol < 0 || symbol > 285)
                    return std::nullopt;
                if (symbol < 256) {
                    out.push_back(static_cast<std::uint8_t>(symbol));
                    continue;
                }
                if (symbol == 256)
                    break;
                static const int kBase[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                            15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                            67, 83, 99, 115, 131, 163, 195, 227, 258};
                static const int kDistance[] = {1,    2,    3,    4,     5,     7,    9,    13,
                                                17,   25,   33,   49,    65,    97,   129,  193,
                                                257,  385,  513,  769,   1025,  1537, 2049, 3073,
                                                4097, 6145, 8193, 12289, 16385, 24577};
                const int l = symbol - 257;
                const int lengthExtra = l < 8 || l == 28 ? 0 : (l - 4) / 4;
                const int length = kBase[l] + Bits(lengthExtra);
                const int d = Code(5);
                if (d > 29)
                    return std::nullopt;
                const int distanceExtra = d < 4 ? 0 : (d - 2) / 2;
                const int distance = kDistance[d] + Bits(distanceExtra);
                if (distance > 32768 || static_cast<std::size_t>(distance) > out.size())
                    return std::nullopt;
                for (int i = 0; i < length; ++i)
                    out.push_back(out[out.size() - distance]);
            }
        }
        const std::size_t adlerAt = (at_ + 7) / 8;
        if (adlerAt + 4 != in_.size() ||
            BigEndianAt(in_, adlerAt) != Adler32(out.data(), out.size()))
            return std::nullopt;
        return out;
    }

  private:
    int Bits(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i, ++at_)
            if (at_ / 8 < in_.size())
                value |= ((in_[at_ / 8] >> (at_ % 8)) & 1) << i;
        return value;
    }
    int Code(int length) {
        int code = 0;
        for (int i = 0; i < length; ++i)
            code = code << 1 | Bits(1);
        return code;
    }
    // The fixed literal/length code: 7, 8 or 9 bits, told apart by their ranges.
    int Symbol() {
        int code = Code(7);
        if (code <= 0x17)
            return 256 + code;
        code = code << 1 | Bits(1);
        if (code >= 0x30 && code <= 0xBF)
            return code - 0x30;
        if (code >= 0xC0 && code <= 0xC7)
            return 280 + code - 0xC0;
        code = code << 1 | Bits(1);
        return code >= 0x190 ? 144 + code - 0x190 : -1;
    }

    const Bytes& in_;
    std::size_t at_ = 0;
};

// The bytes a PNG filter predicts from: one pixel to the left, above, above-left.
struct Neighbours {
    int left;
    int up;
    int upLeft;
};

Neighbours NeighboursOf(const Bytes& image, std::size_t row, std::size_t y, std::size_t i) {
    const auto at = [&](std::size_t yy, std::size_t ii) { return int{image[yy * row + ii]}; };
    return {i >= 3 ? at(y, i - 3) : 0, y > 0 ? at(y - 1, i) : 0,
            y > 0 && i >= 3 ? at(y - 1, i - 3) : 0};
}

int Predict(int filter, const Neighbours& n) {
    const int estimate = n.left + n.up - n.upLeft;
    const int toLeft = std::abs(estimate - n.left);
    const int toUp = std::abs(estimate - n.up);
    const int toUpLeft = std::abs(estimate - n.upLeft);
    switch (filter) {
        case 1:
            return n.left;
        case 2:
            return n.up;
        case 3:
            return (n.left + n.up) / 2;
        case 4:
            return toLeft <= toUp && toLeft <= toUpLeft ? n.left
                   : toUp <= toUpLeft                   ? n.up
                                                        : n.upLeft;
        default:
            return 0;
    }
}

void ExpectRoundTrip(const Bytes& data, const char* what) {
    SCOPED_TRACE(what);
    const auto inflated = FixedInflater(ZlibCompress(data.data(), data.size())).Run();
    ASSERT_TRUE(inflated.has_value());
    EXPECT_TRUE(*inflated == data);
}

TEST(Png, ChecksumsMatchTheStandardCheckValues) {
    const Bytes digits = ToBytes("123456789");
    EXPECT_EQ(Crc32(digits.data(), digits.size()), 0xCBF43926u);
    const Bytes word = ToBytes("Wikipedia");
    EXPECT_EQ(Adler32(word.data(), word.size()), 0x11E60398u);
    // Long enough for the sums to be reduced part way.
    const Bytes ones(100000, 0xFF);
    EXPECT_EQ(Adler32(ones.data(), ones.size()), 0x149A302Cu);
}

TEST(Png, DeflateReadsBackExactly) {
    std::mt19937 random(7);
    Bytes noise(70000);
    for (auto& byte : noise)
        byte = static_cast<std::uint8_t>(random());
    // The same noise twice, 70000 bytes apart: beyond the 32 KiB window, so no match may
    // reach back that far.
    Bytes twice = noise;
    twice.insert(twice.end(), noise.begin(), noise.end());
    Bytes runs;
    for (int length : {1, 2, 3, 4, 257, 258, 259, 1000})
        runs.insert(runs.end(), static_cast<std::size_t>(length),
                    static_cast<std::uint8_t>(length));

    ExpectRoundTrip({}, "empty");
    ExpectRoundTrip({0x42}, "one byte");
    ExpectRoundTrip(ToBytes("abcabcabcabcabcXabcabc"), "short repeats");
    ExpectRoundTrip(runs, "runs around the longest match");
    ExpectRoundTrip(twice, "noise beyond the window");
}

TEST(Png, FileHasValidChunksAndTheImageReadsBack) {
    constexpr std::uint32_t kWidth = 61;
    constexpr std::uint32_t kHeight = 64;
    // Rows that each filter predicts best somewhere: flat, a gradient, then noise rows
    // each followed by a row whose every other pixel is the Average or the Paeth
    // prediction. The random pixels between keep Paeth from simply copying the row above
    // and make it meet ties, which must be broken in the standard order.
    constexpr std::size_t kRow = kWidth * 3;
    Bytes rgb(kRow * kHeight);
    std::mt19937 random(11);
    for (std::uint32_t y = 0; y < kHeight; ++y)
        for (std::size_t i = 0; i < kRow; ++i) {
            const Neighbours near = NeighboursOf(rgb, kRow, y, i);
            int value = 200;
            if (y >= 4 && y < 8)
                value = static_cast<int>(i * 2 + y * 3);
            else if (y >= 8 && (y % 2 == 0 || i / 3 % 2 == 0))
                value = static_cast<int>(random());
            else if (y >= 8)
                value = Predict(y % 4 == 1 ? 3 : 4, near);
            rgb[y * kRow + i] = static_cast<std::uint8_t>(value);
        }
    const Bytes png = EncodePng(rgb.data(), kWidth, kHeight);

    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), signature.size());
    EXPECT_TRUE(Bytes(png.begin(), png.begin() + 8) == signature);
    std::vector<std::string> types;
    Bytes header;
    Bytes compressed;
    for (std::size_t at = 8; at < png.size();) {
        ASSERT_LE(at + 12, png.size());
        const std::uint32_t length = BigEndianAt(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        const std::string type(png.begin() + at + 4, png.begin() + at + 8);
        SCOPED_TRACE(type);
        EXPECT_EQ(BigEndianAt(png, at + 8 + length), Crc32(png.data() + at + 4, length + 4));
        const Bytes data(png.begin() + at + 8, png.begin() + at + 8 + length);
        if (type == "IHDR")
            header = data;
        else if (type == "IDAT")
            compressed = data;
        types.push_back(type);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(BigEndianAt(header, 0), kWidth);
    EXPECT_EQ(BigEndianAt(header, 4), kHeight);
    EXPECT_TRUE(Bytes(header.begin() + 8, header.end()) == (Bytes{8, 2, 0, 0, 0}));

    const auto filtered = FixedInflater(compressed).Run();
    ASSERT_TRUE(filtered.has_value());
    ASSERT_EQ(filtered->size(), (kRow + 1) * kHeight);
    Bytes pixels(kRow * kHeight);
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        const std::uint8_t filter = (*filtered)[y * (kRow + 1)];
        ASSERT_LE(filter, 4);
        for (std::size_t i = 0; i < kRow; ++i)
            pixels[y * kRow + i] =
                static_cast<std::uint8_t>((*filtered)[y * (kRow + 1) + 1 + i] +
                                          Predict(filter, NeighboursOf(pixels, kRow, y, i)));
    }
    EXPECT_TRUE(pixels == rgb);
}

}  // namespace
}  // namespace tallowick::drive
