// Decoding a picture file (JPEG, GIF, BMP) into a bitmap through OLE.
#pragma once

#include <windows.h>

#include <string>

namespace tallowick {

// The picture in `path` as a bitmap the caller owns, or null when the file is missing or
// cannot be decoded.
HBITMAP LoadPictureToBitmap(const std::string& path);

}  // namespace tallowick
