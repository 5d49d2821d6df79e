#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "slideshow/PageText.h"
#include "slideshow/TempFile.h"
#include "ui/Error.h"

namespace {

// A fresh file name in the temporary directory, deleted when the test ends.
class TempPath {
public:
    TempPath() {
        char directory[MAX_PATH];
        char name[MAX_PATH];
        GetTempPathA(MAX_PATH, directory);
        GetTempFileNameA(directory, "pgt", 0, name);
        path_ = name;
    }
    ~TempPath() { DeleteFileA(path_.c_str()); }
    TempPath(const TempPath&) = delete;
    TempPath& operator=(const TempPath&) = delete;

    const std::string& Get() const { return path_; }

private:
    std::string path_;
};

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const std::string kFade = "<meta http-equiv=Page-Exit content=blendTrans(Duration=3)>";

}  // namespace

TEST(TempFile, HoldsExactlyThePageBytes) {
    const TempPath file;
    const std::string page =
        PhotoPage(kFade, 1024, 768, "C:\\users\\J\xE4ger\\Temp\\inst1.jpg", PhotoFit::Height);
    WriteTempFile(file.Get(), page);
    const std::string bytes = FileBytes(file.Get());
    EXPECT_EQ(bytes, page);
    EXPECT_EQ(bytes.back(), '>');
}

TEST(TempFile, ConvertsNoCharacter) {
    const TempPath file;
    const std::string text = "a\nb\r\nc\xE4\xFC\x80\x1A" + std::string(1, '\0') + "d";
    WriteTempFile(file.Get(), text);
    EXPECT_EQ(FileBytes(file.Get()), text);
}

TEST(TempFile, ShorterPageReplacesTheWholeContent) {
    const TempPath file;
    WriteTempFile(file.Get(), PhotoPage(kFade, 1920, 1080, "C:\\a long path\\inst2.jpg", PhotoFit::Width));
    const std::string start = StartPage(kFade);
    WriteTempFile(file.Get(), start);
    EXPECT_EQ(FileBytes(file.Get()), start);
}

TEST(TempFile, MissingFileIsCreated) {
    const TempPath file;
    DeleteFileA(file.Get().c_str());
    WriteTempFile(file.Get(), "<html></html>");
    EXPECT_EQ(FileBytes(file.Get()), "<html></html>");
}

TEST(TempFile, UncreatableFileRaisesAnErrorNamingIt) {
    const std::string path = "C:\\no such directory 7f3a\\inst3.htm";
    try {
        WriteTempFile(path, "<html></html>");
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}
