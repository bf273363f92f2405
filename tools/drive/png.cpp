#include "png.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tallowick::drive {

namespace {

// Writes a deflate bit stream: values least significant bit first, as RFC 1951 packs
// them, except Huffman codes, which go most significant bit first.
class BitWriter {
  public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Bits(std::uint32_t value, int count) {
        pending_ |= static_cast<std::uint64_t>(value) << used_;
        used_ += count;
        while (used_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(pending_));
            pending_ >>= 8;
            used_ -= 8;
        }
    }

    void Code(std::uint32_t code, int length) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i)
            reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Bits(reversed, length);
    }

    // Pads the last byte with zero bits.
    void Flush() {
        if (used_ > 0)
            out_.push_back(static_cast<std::uint8_t>(pending_));
        pending_ = 0;
        used_ = 0;
    }

  private:
    std::vector<std::uint8_t>& out_;
    std::uint64_t pending_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of RFC 1951 section 3.2.6.
void PutSymbol(BitWriter& bits, int symbol) {
    if (symbol < 144)
        bits.Code(0x30 + symbol, 8);
    else if (symbol < 256)
        bits.Code(0x190 + (symbol - 144), 9);
    else if (symbol < 280)
        bits.Code(symbol - 256, 7);
    else
        bits.Code(0xC0 + (symbol - 280), 8);
}

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The last table entry not above `value`.
template <std::size_t N>
int CodeIndex(const std::array<int, N>& bases, int value) {
    return static_cast<int>(std::upper_bound(bases.begin(), bases.end(), value) - bases.begin()) -
           1;
}

void PutMatch(BitWriter& bits, int length, int distance) {
    // 258 has its own code (285) although 227 + 5 extra bits could reach it.
    const int l = CodeIndex(kLengthBase, length);
    PutSymbol(bits, 257 + l);
    bits.Bits(length - kLengthBase[l], kLengthExtra[l]);
    const int d = CodeIndex(kDistanceBase, distance);
    bits.Code(d, 5);
    bits.Bits(distance - kDistanceBase[d], kDistanceExtra[d]);
}

constexpr int kWindow = 32768;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kHashBits = 15;
// How many earlier places with the same hash are tried: screenshots are mostly flat
// colour, where the first candidate is already the longest.
constexpr int kMaxChain = 32;

std::uint32_t Hash3(const std::uint8_t* p) {
    return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & ((1u << kHashBits) - 1);
}

// One final block with the fixed codes, greedy LZ77 matching over hash chains.
void Deflate(const std::uint8_t* data, std::size_t size, BitWriter& bits) {
    bits.Bits(1, 1);  // BFINAL
    bits.Bits(1, 2);  // BTYPE 01: fixed Huffman codes
    std::vector<std::int64_t> head(std::size_t{1} << kHashBits, -1);
    std::vector<std::int64_t> previous(kWindow, -1);
    const auto insert = [&](std::size_t at) {
        if (at + kMinMatch > size)
            return;
        const std::uint32_t h = Hash3(data + at);
        previous[at & (kWindow - 1)] = head[h];
        head[h] = static_cast<std::int64_t>(at);
    };

    std::size_t at = 0;
    while (at < size) {
        int bestLength = 0;
        int bestDistance = 0;
        if (at + kMinMatch <= size) {
            const int longest = static_cast<int>(std::min<std::size_t>(kMaxMatch, size - at));
            std::int64_t candidate = head[Hash3(data + at)];
            for (int tries = 0; candidate >= 0 && tries < kMaxChain; ++tries) {
                const auto distance = static_cast<std::int64_t>(at) - candidate;
                if (distance > kWindow)
                    break;
                int length = 0;
                while (length < longest && data[candidate + length] == data[at + length])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = static_cast<int>(distance);
                    if (length == longest)
                        break;
                }
                const std::int64_t next = previous[candidate & (kWindow - 1)];
                if (next >= candidate)
                    break;
                candidate = next;
            }
        }
        if (bestLength >= kMinMatch) {
            PutMatch(bits, bestLength, bestDistance);
            for (int i = 0; i < bestLength; ++i)
                insert(at + i);
            at += bestLength;
        } else {
            PutSymbol(bits, data[at]);
            insert(at);
            ++at;
        }
    }
    PutSymbol(bits, 256);  // end of block
    bits.Flush();
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5],
              const std::vector<std::uint8_t>& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

int Paeth(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left);
    const int toUp = std::abs(estimate - up);
    const int toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Appends one row, filter byte first, with whichever of the five PNG filters leaves the
// smallest residues (the usual heuristic: sum of the bytes taken as signed).
void PutFilteredRow(std::vector<std::uint8_t>& out, const std::uint8_t* row,
                    const std::uint8_t* above, std::size_t length) {
    constexpr std::size_t kPixel = 3;
    std::array<std::vector<std::uint8_t>, 5> tries;
    for (int filter = 0; filter < 5; ++filter) {
        auto& bytes = tries[filter];
        bytes.resize(length + 1);
        bytes[0] = static_cast<std::uint8_t>(filter);
        for (std::size_t i = 0; i < length; ++i) {
            const int left = i >= kPixel ? row[i - kPixel] : 0;
            const int up = above ? above[i] : 0;
            const int upLeft = above && i >= kPixel ? above[i - kPixel] : 0;
            int predicted = 0;
            switch (filter) {
                case 1:
                    predicted = left;
                    break;
                case 2:
                    predicted = up;
                    break;
                case 3:
                    predicted = (left + up) / 2;
                    break;
                case 4:
                    predicted = Paeth(left, up, upLeft);
                    break;
                default:
                    break;
            }
            bytes[i + 1] = static_cast<std::uint8_t>(row[i] - predicted);
        }
    }
    const auto cost = [](const std::vector<std::uint8_t>& bytes) {
        long sum = 0;
        for (std::size_t i = 1; i < bytes.size(); ++i)
            sum += std::abs(static_cast<int>(static_cast<std::int8_t>(bytes[i])));
        return sum;
    };
    const auto best =
        std::min_element(tries.begin(), tries.end(),
                         [&](const auto& a, const auto& b) { return cost(a) < cost(b); });
    out.insert(out.end(), best->begin(), best->end());
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler) {
    constexpr std::uint32_t kModulus = 65521;
    // 5552 bytes is the most that can be summed before the 32-bit sums might overflow.
    constexpr std::size_t kRun = 5552;
    std::uint32_t a = adler & 0xFFFFu;
    std::uint32_t b = adler >> 16;
    while (size > 0) {
        const std::size_t run = std::min(size, kRun);
        for (std::size_t i = 0; i < run; ++i) {
            a += data[i];
            b += a;
        }
        a %= kModulus;
        b %= kModulus;
        data += run;
        size -= run;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> ZlibCompress(const std::uint8_t* data, std::size_t size) {
    // CMF 0x78: deflate with a 32 KiB window; FLG 0x01 makes the pair a multiple of 31.
    std::vector<std::uint8_t> out = {0x78, 0x01};
    BitWriter bits(out);
    Deflate(data, size, bits);
    PutBigEndian(out, Adler32(data, size));
    return out;
}

std::vector<std::uint8_t> EncodePng(const std::uint8_t* rgb, std::uint32_t width,
                                    std::uint32_t height) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    std::vector<std::uint8_t> header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    // 8 bits a sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(out, "IHDR", header);

    const std::size_t rowLength = std::size_t{width} * 3;
    std::vector<std::uint8_t> filtered;
    filtered.reserve((rowLength + 1) * height);
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = rgb + y * rowLength;
        PutFilteredRow(filtered, row, y > 0 ? row - rowLength : nullptr, rowLength);
    }
    PutChunk(out, "IDAT", ZlibCompress(filtered.data(), filtered.size()));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace tallowick::drive
