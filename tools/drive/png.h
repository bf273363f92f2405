// A small PNG writer for the driver's screenshots: 8-bit RGB, no interlacing, compressed
// with a fixed-code deflate. Portable: no Windows header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallowick::drive {

// CRC-32 as PNG and zlib use it (reflected, polynomial 0xEDB88320). Pass a previous
// result as `crc` to continue over more bytes.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

// Adler-32 as zlib uses it. Pass a previous result as `adler` to continue.
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

// A zlib stream (RFC 1950 header, one deflate block with the fixed codes, Adler-32) of
// `size` bytes at `data`.
std::vector<std::uint8_t> ZlibCompress(const std::uint8_t* data, std::size_t size);

// A whole PNG file of a `width` x `height` image. `rgb` holds the rows top first, three
// bytes (red, green, blue) a pixel and no padding: width * height * 3 bytes.
std::vector<std::uint8_t> EncodePng(const std::uint8_t* rgb, std::uint32_t width,
                                    std::uint32_t height);

}  // namespace tallowick::drive
