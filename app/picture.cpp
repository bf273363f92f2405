#include "app/picture.h"

#include <ole2.h>
#include <olectl.h>

#include <utility>

namespace tallowick {

HBITMAP LoadPictureToBitmap(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    const DWORD size = GetFileSize(file, nullptr);
    HGLOBAL memory = size && size != INVALID_FILE_SIZE ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    DWORD read = 0;
    bool ok = false;
    if (memory) {
        void* bytes = GlobalLock(memory);
        ok = bytes && ReadFile(file, bytes, size, &read, nullptr) && read == size;
        GlobalUnlock(memory);
    }
    CloseHandle(file);
    if (!ok) {
        if (memory)
            GlobalFree(memory);
        return nullptr;
    }
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {  // the stream frees the memory
        GlobalFree(memory);
        return nullptr;
    }
    IPicture* picture = nullptr;
    HBITMAP result = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&picture)))) {
        OLE_HANDLE handle = 0;
        SHORT type = PICTYPE_NONE;
        if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
            SUCCEEDED(picture->get_Handle(&handle))) {
            // The picture deletes its own bitmap when released: keep a copy.
            result = static_cast<HBITMAP>(CopyImage(
                reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
        }
        picture->Release();
    }
    stream->Release();
    return result;
}

PictureLoader::PictureLoader(std::string path) : path_(std::move(path)) {
    thread_ = CreateThread(nullptr, 0, Decode, this, 0, nullptr);
}

PictureLoader::~PictureLoader() {
    DeleteObject(Take());
}

HBITMAP PictureLoader::Take() {
    if (thread_) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    } else if (!path_.empty()) {
        Decode(this);
    }
    path_.clear();
    HBITMAP bitmap = bitmap_;
    bitmap_ = nullptr;
    return bitmap;
}

DWORD WINAPI PictureLoader::Decode(void* self) {
    auto* loader = static_cast<PictureLoader*>(self);
    // OLE's picture decoder needs COM on the thread that calls it.
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    loader->bitmap_ = LoadPictureToBitmap(loader->path_);
    if (com)
        CoUninitialize();
    return 0;
}

}  // namespace tallowick
