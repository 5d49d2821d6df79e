// Checks the committed picture files as the program and Windows will meet
// them: the numbering of the photographs, the structure of every JPEG (one
// baseline frame and scan, the JFIF, Adobe, quality and Exif segments), the
// pixel sizes, the logo bitmap, the icon and the resource script's entries.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::filesystem::path kResources = SOLQUERA_RESOURCES_DIR;

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned Big16(const Bytes& b, size_t at) {
    return b[at] << 8 | b[at + 1];
}
unsigned Little16(const Bytes& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}
uint32_t Little32(const Bytes& b, size_t at) {
    return Little16(b, at) | uint32_t(Little16(b, at + 2)) << 16;
}

// --- JPEG structure ----------------------------------------------------------

struct Jfif {
    int major, minor, units, xDensity, yDensity;
};

struct JpegFacts {
    std::string fault;  // empty when the marker structure could be walked to the end
    std::optional<Jfif> jfif;
    std::vector<int> frameMarkers;  // every SOFn seen
    int precision = 0, width = 0, height = 0;
    std::vector<std::pair<int, int>> sampling;  // per component, in frame order
    int scans = 0;
    bool restartInterval = false, app12 = false, exif = false;
    std::optional<int> adobeTransform;
};

bool IsFrameMarker(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

void NoteSegment(JpegFacts& facts, int marker, const Bytes& b, size_t data, size_t length) {
    auto startsWith = [&](const std::string& tag) {
        return length >= tag.size() && std::equal(tag.begin(), tag.end(), b.begin() + data);
    };
    if (marker == 0xE0 && startsWith(std::string("JFIF", 5)) && length >= 14)
        facts.jfif =
            Jfif{b[data + 5], b[data + 6], b[data + 7], int(Big16(b, data + 8)), int(Big16(b, data + 10))};
    if (marker == 0xE1 && startsWith(std::string("Exif\0\0", 6))) facts.exif = true;
    if (marker == 0xEC) facts.app12 = true;
    if (marker == 0xEE && startsWith("Adobe") && length >= 12) facts.adobeTransform = b[data + 11];
    if (marker == 0xDD) facts.restartInterval = length >= 2 && Big16(b, data) != 0;
    if (IsFrameMarker(marker)) {
        facts.frameMarkers.push_back(marker);
        if (length < 6) return;
        facts.precision = b[data];
        facts.height = Big16(b, data + 1);
        facts.width = Big16(b, data + 3);
        for (size_t c = 0; c < b[data + 5] && 6 + c * 3 + 2 < length; ++c)
            facts.sampling.emplace_back(b[data + 7 + c * 3] >> 4, b[data + 7 + c * 3] & 0x0F);
    }
}

// Index of the next marker after entropy-coded data (stuffed 0xFF00 and
// restart markers belong to the data).
size_t SkipEntropyCodedData(const Bytes& b, size_t at) {
    while (at + 1 < b.size() && !(b[at] == 0xFF && b[at + 1] != 0x00 && (b[at + 1] & 0xF8) != 0xD0)) ++at;
    return at;
}

JpegFacts ReadJpegFacts(const Bytes& b) {
    JpegFacts facts;
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return facts.fault = "does not start with SOI", facts;
    size_t at = 2;
    for (;;) {
        if (at + 1 >= b.size() || b[at] != 0xFF)
            return facts.fault = "no marker at " + std::to_string(at), facts;
        while (at + 1 < b.size() && b[at + 1] == 0xFF) ++at;  // fill bytes
        const int marker = b[at + 1];
        at += 2;
        if (marker == 0xD9) {
            if (at != b.size()) facts.fault = std::to_string(b.size() - at) + " bytes after EOI";
            return facts;
        }
        if (at + 2 > b.size()) return facts.fault = "truncated segment", facts;
        const size_t length = Big16(b, at);
        if (length < 2 || at + length > b.size()) return facts.fault = "bad segment length", facts;
        NoteSegment(facts, marker, b, at + 2, length - 2);
        at += length;
        if (marker == 0xDA) {
            ++facts.scans;
            at = SkipEntropyCodedData(b, at);
        }
    }
}

// --- The resources and how each must be stored -------------------------------

enum class Chroma { k420, k444 };
// kPhoto: density 100 x 100, APP12 and APP14 (transform 1), no Exif.
// kExif: density 1 x 1 and an Exif APP1, neither APP12 nor APP14.
// kPlain: density 100 x 100 and none of the three.
enum class Segments { kPhoto, kExif, kPlain };

struct JpegResource {
    std::string file;  // below resources/
    int width, height;
    Chroma chroma;
    Segments segments;
};

void PrintTo(const JpegResource& resource, std::ostream* out) {
    *out << resource.file;
}

struct PhotoRow {
    int resource, width, height;
    Chroma chroma;
};

constexpr Chroma k420 = Chroma::k420, k444 = Chroma::k444;

const PhotoRow kPhotoRows[] = {
    {110, 1024, 768, k444}, {111, 1024, 768, k420}, {112, 1024, 284, k444}, {113, 1024, 768, k420},
    {114, 576, 768, k420},  {115, 1024, 768, k444}, {116, 1024, 768, k420}, {117, 576, 768, k444},
    {118, 1024, 768, k420}, {119, 1024, 768, k420}, {120, 1024, 768, k444}, {121, 1024, 449, k444},
    {122, 1024, 768, k444}, {123, 1024, 768, k420}, {124, 1024, 768, k420}, {125, 1024, 768, k420},
    {126, 576, 768, k444},  {127, 1024, 768, k444}, {128, 1024, 768, k444}, {129, 576, 768, k444},
    {130, 1024, 424, k444}, {131, 1024, 768, k444}, {132, 1024, 378, k444}, {133, 576, 768, k444},
    {134, 1024, 768, k420}, {135, 1024, 768, k444}, {136, 1024, 768, k420}, {137, 1024, 249, k444},
    {138, 1024, 307, k444}, {139, 1024, 305, k444}, {140, 1024, 282, k444}, {141, 1024, 376, k444},
    {142, 1024, 333, k444}, {143, 1024, 768, k444}, {144, 1024, 768, k444}, {145, 1024, 768, k444},
    {146, 1024, 768, k444}, {147, 455, 768, k444},  {148, 576, 768, k444},  {149, 1024, 768, k444},
    {150, 1024, 421, k444}, {151, 1024, 768, k420}, {152, 555, 768, k444},  {153, 1024, 768, k444},
    {154, 576, 768, k420},  {155, 1024, 768, k444}, {156, 522, 768, k420},  {157, 549, 768, k420},
    {158, 1024, 768, k444}, {159, 1024, 399, k444},
};

constexpr int kFirstPhoto = 110, kPhotoCount = 50, kExifPhoto = 125;

std::string PhotoFile(int resource) {
    return "photos/" + std::to_string(resource) + ".jpg";
}

std::vector<JpegResource> AllJpegResources() {
    std::vector<JpegResource> all = {{"info.jpg", 445, 241, k420, Segments::kExif},
                                     {"links.jpg", 486, 313, k444, Segments::kPlain},
                                     {"tips.jpg", 486, 313, k420, Segments::kExif}};
    for (const PhotoRow& row : kPhotoRows)
        all.push_back({PhotoFile(row.resource), row.width, row.height, row.chroma,
                       row.resource == kExifPhoto ? Segments::kExif : Segments::kPhoto});
    return all;
}

TEST(PictureResources, PhotographsAreNumbered110To159WithoutGapOrExtra) {
    ASSERT_EQ(std::size(kPhotoRows), size_t(kPhotoCount));
    for (int n = 0; n < kPhotoCount; ++n) {
        EXPECT_EQ(kPhotoRows[n].resource, kFirstPhoto + n);
        EXPECT_TRUE(std::filesystem::is_regular_file(kResources / PhotoFile(kFirstPhoto + n)))
            << "photograph " << n << " is missing";
    }
    const auto files = std::distance(std::filesystem::directory_iterator(kResources / "photos"), {});
    EXPECT_EQ(files, kPhotoCount) << "resources/photos holds files that are not photographs 110 to 159";
}

class JpegResourceTest : public testing::TestWithParam<JpegResource> {};

TEST_P(JpegResourceTest, IsOneBaselineYCbCrImageOfItsSizeWithItsSegments) {
    const JpegResource& expected = GetParam();
    const JpegFacts facts = ReadJpegFacts(ReadBytes(kResources / expected.file));
    ASSERT_EQ(facts.fault, "");
    ASSERT_TRUE(facts.jfif.has_value()) << "no JFIF segment";
    EXPECT_EQ(facts.jfif->major, 1);
    EXPECT_EQ(facts.jfif->minor, 2);
    EXPECT_EQ(facts.jfif->units, 0);
    const int density = expected.segments == Segments::kExif ? 1 : 100;
    EXPECT_EQ(facts.jfif->xDensity, density);
    EXPECT_EQ(facts.jfif->yDensity, density);

    EXPECT_EQ(facts.frameMarkers, std::vector<int>{0xC0}) << "want exactly one baseline frame (SOF0)";
    EXPECT_EQ(facts.precision, 8);
    EXPECT_EQ(facts.width, expected.width);
    EXPECT_EQ(facts.height, expected.height);
    const int lumaFactor = expected.chroma == Chroma::k420 ? 2 : 1;
    const std::vector<std::pair<int, int>> sampling = {{lumaFactor, lumaFactor}, {1, 1}, {1, 1}};
    EXPECT_EQ(facts.sampling, sampling);
    EXPECT_EQ(facts.scans, 1);
    EXPECT_FALSE(facts.restartInterval);

    EXPECT_EQ(facts.exif, expected.segments == Segments::kExif);
    EXPECT_EQ(facts.app12, expected.segments == Segments::kPhoto);
    EXPECT_EQ(facts.adobeTransform,
              expected.segments == Segments::kPhoto ? std::optional<int>(1) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(PictureResources, JpegResourceTest, testing::ValuesIn(AllJpegResources()),
                         [](const testing::TestParamInfo<JpegResource>& info) {
                             std::string name = info.param.file;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(PictureResources, JpegReaderCatchesBrokenFiles) {
    const Bytes good = ReadBytes(kResources / "info.jpg");
    ASSERT_EQ(ReadJpegFacts(good).fault, "");
    Bytes trailing = good;
    trailing.push_back(0);
    EXPECT_EQ(ReadJpegFacts(trailing).fault, "1 bytes after EOI");
    const Bytes truncated(good.begin(), good.end() - 2);
    EXPECT_NE(ReadJpegFacts(truncated).fault, "");
    Bytes leading = good;
    leading.insert(leading.begin(), 0);
    EXPECT_EQ(ReadJpegFacts(leading).fault, "does not start with SOI");
}

TEST(PictureResources, PhotographsTakeAPlausibleAmountOfSpace) {
    uintmax_t total = 0;
    for (const PhotoRow& row : kPhotoRows)
        total += std::filesystem::file_size(kResources / PhotoFile(row.resource));
    std::printf("the fifty photographs take %ju bytes\n", total);
    EXPECT_GT(total, 2'000'000u);
    EXPECT_LT(total, 16'000'000u);
}

// --- Logo and icon -------------------------------------------------------------

TEST(PictureResources, LogoIsA100By100SixteenGreyBottomUpBitmap) {
    const Bytes b = ReadBytes(kResources / "logo.bmp");
    ASSERT_EQ(b.size(), 5318u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Little32(b, 2), b.size());
    const uint32_t pixels = Little32(b, 10);
    EXPECT_EQ(pixels, 14u + 40 + 16 * 4);
    EXPECT_EQ(Little32(b, 14), 40u);                             // BITMAPINFOHEADER
    EXPECT_EQ(Little32(b, 18), 100u);                            // width
    EXPECT_EQ(Little32(b, 22), 100u);                            // height, positive: bottom-up
    EXPECT_EQ(Little16(b, 26), 1u);                              // planes
    EXPECT_EQ(Little16(b, 28), 4u);                              // bits per pixel
    EXPECT_EQ(Little32(b, 30), 0u);                              // BI_RGB, uncompressed
    EXPECT_TRUE(Little32(b, 46) == 16 || Little32(b, 46) == 0);  // colours used
    for (unsigned i = 0; i < 16; ++i) {
        const size_t entry = 54 + i * 4;
        EXPECT_EQ(b[entry], i * 0x11) << "palette entry " << i;
        EXPECT_EQ(b[entry + 1], i * 0x11) << "palette entry " << i;
        EXPECT_EQ(b[entry + 2], i * 0x11) << "palette entry " << i;
    }
    // Black on white: the corners are white and some pixels are black.
    auto level = [&](int x, int yFromTop) {
        const uint8_t pair = b[pixels + (99 - yFromTop) * 52 + x / 2];  // rows of 50 bytes padded to 52
        return x % 2 ? pair & 0x0F : pair >> 4;
    };
    EXPECT_EQ(level(0, 0), 15);
    EXPECT_EQ(level(99, 99), 15);
    int blackPixels = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) blackPixels += level(x, y) == 0;
    EXPECT_GT(blackPixels, 100);
}

TEST(PictureResources, IconHoldsOne32By32ImageWith256Colours) {
    const Bytes b = ReadBytes(kResources / "Solquera.ico");
    ASSERT_GE(b.size(), 22u + 40);
    EXPECT_EQ(Little16(b, 0), 0u);
    EXPECT_EQ(Little16(b, 2), 1u);  // icon
    EXPECT_EQ(Little16(b, 4), 1u);  // one image
    EXPECT_EQ(b[6], 32);
    EXPECT_EQ(b[7], 32);
    EXPECT_EQ(b[8], 0);  // 0 in the directory means 256 colours
    EXPECT_EQ(Little16(b, 12), 8u);
    const uint32_t size = Little32(b, 14), offset = Little32(b, 18);
    EXPECT_EQ(offset, 22u);
    EXPECT_EQ(offset + size, b.size());
    EXPECT_EQ(Little32(b, offset), 40u);
    EXPECT_EQ(Little32(b, offset + 4), 32u);
    EXPECT_EQ(Little32(b, offset + 8), 64u);  // colour rows plus mask rows
    EXPECT_EQ(Little16(b, offset + 14), 8u);
    EXPECT_EQ(size, 40u + 256 * 4 + 32 * 32 + 32 * 4);
}

// --- Resource script -------------------------------------------------------------

// The dialog's pictures stand in a script of their own, which the main one
// includes.
TEST(PictureResources, ScriptListsEveryPictureUnderItsName) {
    const auto read = [](const char* name) {
        const Bytes bytes = ReadBytes(kResources / name);
        return std::string(bytes.begin(), bytes.end());
    };
    const std::string main = read("Solquera.rc");
    EXPECT_NE(main.find("#include \"DialogPictures.rc\""), std::string::npos);
    const std::string text = main + read("DialogPictures.rc");
    std::map<std::string, std::string> rcdata;
    const std::regex entry(R"re(^(\w+)\s+RCDATA\s+"([^"]+)")re", std::regex::multiline);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), entry); it != std::sregex_iterator(); ++it)
        EXPECT_TRUE(rcdata.emplace((*it)[1], (*it)[2]).second) << "listed twice: " << (*it)[1];

    std::map<std::string, std::string> expected = {
        {"105", "info.jpg"}, {"LINKS", "links.jpg"}, {"TIPS", "tips.jpg"}, {"LOGO", "logo.bmp"}};
    for (int n = 0; n < kPhotoCount; ++n)
        expected[std::to_string(kFirstPhoto + n)] = PhotoFile(kFirstPhoto + n);
    EXPECT_EQ(rcdata.size(), expected.size());
    for (const auto& [name, file] : expected) {
        EXPECT_EQ(rcdata[name], file) << "resource " << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(kResources / file)) << file;
    }

    EXPECT_NE(text.find("MAINICON ICON \"Solquera.ico\""), std::string::npos);
    // The build fills the project version into the manifest and names its copy.
    EXPECT_NE(text.find("RT_MANIFEST SOLQUERA_MANIFEST_FILE"), std::string::npos);
    const Bytes manifest = ReadBytes(kResources / "Solquera.manifest");
    const std::string manifestText(manifest.begin(), manifest.end());
    EXPECT_NE(manifestText.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
}

}  // namespace
