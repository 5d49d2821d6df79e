#include "slideshow/TempFile.h"

#include <windows.h>

#include "ui/Error.h"

namespace {

ErrorText FileError(const char* typeName, const std::string& path, const char* problem) {
    return {typeName, "Datei " + path + problem};
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

void WriteTempFile(const std::string& path, std::string_view bytes) {
    // The view may still be reading the file while the next one is written.
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) Raise(FileError("FileCreateError", path, " kann nicht erstellt werden"));
    if (!WriteAll(file.Get(), bytes))
        Raise(FileError("FileWriteError", path, " kann nicht geschrieben werden"));
}
