// Decoding a picture file (JPEG, GIF, BMP) into a bitmap through OLE.
#pragma once

#include <windows.h>

#include <string>

namespace tallowick {

// The picture in `path` as a bitmap the caller owns, or null when the file is missing or
// cannot be decoded.
HBITMAP LoadPictureToBitmap(const std::string& path);

// Decodes a picture on a thread of its own while the caller goes on building its window:
// under Wine the first decode loads the imaging libraries and costs tens of milliseconds.
// Take() waits for the bitmap; without a thread the picture is decoded there instead.
class PictureLoader {
  public:
    explicit PictureLoader(std::string path);
    ~PictureLoader();
    PictureLoader(const PictureLoader&) = delete;
    PictureLoader& operator=(const PictureLoader&) = delete;

    // The bitmap, owned by the caller from now on, or null.
    HBITMAP Take();

  private:
    static DWORD WINAPI Decode(void* self);

    std::string path_;
    HBITMAP bitmap_ = nullptr;
    HANDLE thread_ = nullptr;
};

}  // namespace tallowick
