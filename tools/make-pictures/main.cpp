// Makes every picture resource of the screen saver from the source photographs
// in unpacked Debian packages. Usage: make-pictures SOURCE_DIR RESOURCES_DIR
// (run.sh fetches and unpacks the packages and calls this).
#include "Bitmaps.h"
#include "DialogPictures.h"
#include "Jpeg.h"
#include "Photos.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kFirstPhotoResource = 110;

Image FramePhoto(const std::string& sourceDir, const Photo& photo) {
    const Image source = ReadJpeg(sourceDir + "/" + std::string(photo.folder) + std::string(photo.file));
    const Rect crop = CropFor(source, photo.width, photo.height, photo.centreX, photo.centreY, photo.zoom);
    return Shrink(source, crop, photo.width, photo.height);
}

size_t Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteFile(path, bytes);
    std::printf("%-40s %8zu bytes\n", path.c_str(), bytes.size());
    return bytes.size();
}

void MakeAll(const std::string& sourceDir, const std::string& resourcesDir) {
    std::filesystem::create_directories(resourcesDir + "/photos");
    std::vector<Image> photos;
    size_t photoBytes = 0;
    for (int n = 0; n < kPhotoCount; ++n) {
        const Photo& photo = kPhotos[n];
        photos.push_back(FramePhoto(sourceDir, photo));
        const Segments segments = n == kExifPhoto ? Segments::kExif : Segments::kPhoto;
        photoBytes += Save(resourcesDir + "/photos/" + std::to_string(kFirstPhotoResource + n) + ".jpg",
                           EncodeJpeg(photos.back(), {photo.chroma, segments}));
    }
    std::printf("fifty photographs: %zu bytes\n", photoBytes);
    Save(resourcesDir + "/info.jpg", EncodeJpeg(MakeInfoPicture(photos), {Chroma::k420, Segments::kExif}));
    Save(resourcesDir + "/links.jpg", EncodeJpeg(MakeLinksPicture(photos), {Chroma::k444, Segments::kPlain}));
    Save(resourcesDir + "/tips.jpg", EncodeJpeg(MakeTipsPicture(photos), {Chroma::k420, Segments::kExif}));
    Save(resourcesDir + "/logo.bmp", MakeLogoBmp());
    Save(resourcesDir + "/Solquera.ico", MakeIcon());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE_DIR RESOURCES_DIR\n", argv[0]);
        return 2;
    }
    try {
        MakeAll(argv[1], argv[2]);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-pictures: %s\n", error.what());
        return 1;
    }
}
