// The built-in view reads back exactly what the page builder writes.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "view/PageReader.h"
#include "slideshow/PageText.h"
#include "view/PhotoPlacement.h"
#include "ui/Error.h"

namespace {

// The tag of a fixed effect, which is the reveal pattern of its number (23 aside).
std::string RevealTag(std::int32_t effect) {
    RandomGenerator unused;
    return ChooseExitMeta(effect, unused);
}

std::string FadeTag() {
    RandomGenerator unused;
    return ChooseExitMeta(23, unused);
}

std::optional<std::string> ReadError(const std::string& text) {
    try {
        ReadPage(text);
    } catch (const Error& error) {
        return error.what();
    }
    return std::nullopt;
}

void ExpectReveal(const ExitTransition& exit, std::int32_t pattern) {
    EXPECT_EQ(exit.kind, ExitTransition::Kind::Reveal);
    EXPECT_EQ(exit.pattern, pattern);
    EXPECT_EQ(exit.durationMs, 3000);
}

}  // namespace

TEST(PageReader, StartPageIsBlackWithItsExitTransition) {
    const PageContent fade = ReadPage(StartPage(FadeTag()));
    EXPECT_EQ(fade.exit.kind, ExitTransition::Kind::Fade);
    EXPECT_EQ(fade.exit.durationMs, 3000);
    EXPECT_FALSE(fade.photo.has_value());

    for (const std::int32_t pattern : {0, 12, 22, 25, -1, INT32_MIN, INT32_MAX}) {
        const PageContent page = ReadPage(StartPage(RevealTag(pattern)));
        ExpectReveal(page.exit, pattern);
        EXPECT_FALSE(page.photo.has_value());
    }
}

TEST(PageReader, RandomEffectGivesPattern23OrTheFade) {
    RandomGenerator random(5);
    bool sawPattern23 = false;
    bool sawFade = false;
    while (!sawPattern23 || !sawFade) {
        const ExitTransition exit = ReadPage(StartPage(ChooseExitMeta(24, random))).exit;
        if (exit.kind == ExitTransition::Kind::Fade) {
            sawFade = true;
        } else {
            ExpectReveal(exit, 23);
            sawPattern23 = true;
        }
    }
}

TEST(PageReader, PhotoPageGivesTableCellSourceAndFit) {
    const struct {
        std::string path;
        PhotoFit fit;
    } rows[] = {
        {"C:\\users\\root\\Temp\\inst1A2B.jpg", PhotoFit::Height},
        {"C:\\users\\root\\Temp\\inst1A2B.jpg", PhotoFit::Width},
        {"C:\\Documents and Settings\\J\xFCrgen M\xFCller\\Lokale Einstellungen\\Temp\\inst7.jpg",
         PhotoFit::Height},
        {"D:\\Temp dir\\caf\xE9 \xA9 '1'\\inst\xFF.jpg", PhotoFit::Width},
    };
    for (const auto& row : rows) {
        const PageContent page = ReadPage(PhotoPage(RevealTag(7), 800, 600, row.path, row.fit));
        ExpectReveal(page.exit, 7);
        ASSERT_TRUE(page.photo.has_value()) << row.path;
        EXPECT_EQ(page.photo->source, row.path);
        EXPECT_EQ(page.photo->fit, row.fit) << row.path;
        EXPECT_EQ(page.photo->table.width, 801);
        EXPECT_EQ(page.photo->table.height, 601);
        EXPECT_EQ(page.photo->cell.width, 800);
        EXPECT_EQ(page.photo->cell.height, 600);
    }
}

TEST(PageReader, PageWithoutExitTagCuts) {
    const PageContent page = ReadPage("<html><body bgcolor=\"#000000\"></body></html>");
    EXPECT_EQ(page.exit.kind, ExitTransition::Kind::Cut);
    EXPECT_FALSE(page.photo.has_value());
}

TEST(PageReader, ReadsTheTagsHtmlAllows) {
    // Letter case, single quotes, fractional seconds, blanks around attributes.
    const PageContent page = ReadPage(
        "<HTML><HEAD><META HTTP-EQUIV='page-exit'  CONTENT='RevealTrans(duration=1.5,Transition=4)'></HEAD>"
        "<BODY><TABLE WIDTH=11 HEIGHT=21><TR><TD HEIGHT='20' WIDTH='10'><IMG SRC='a b.jpg' WIDTH='100%'>");
    ExpectReveal({page.exit.kind, page.exit.pattern, 3000}, 4);
    EXPECT_EQ(page.exit.durationMs, 1500);
    ASSERT_TRUE(page.photo.has_value());
    EXPECT_EQ(page.photo->source, "a b.jpg");
    EXPECT_EQ(page.photo->fit, PhotoFit::Width);
    EXPECT_EQ(page.photo->cell.width, 10);
    EXPECT_EQ(page.photo->cell.height, 20);

    // Another page's tags before ours; sizes and durations at their bounds.
    const PageContent bounds = ReadPage(
        "<html><meta http-equiv=Content-Type content=text/html><meta http-equiv=Page-Exit "
        "content=blendTrans(Duration=3600)><table width=32768 height=0><td width=0 height=32768>"
        "<img src=x height=100%>");
    EXPECT_EQ(bounds.exit.kind, ExitTransition::Kind::Fade);
    EXPECT_EQ(bounds.exit.durationMs, 3600000);
    ASSERT_TRUE(bounds.photo.has_value());
    EXPECT_EQ(bounds.photo->table.width, 32768);
    EXPECT_EQ(bounds.photo->table.height, 0);
    EXPECT_EQ(bounds.photo->cell.width, 0);
    EXPECT_EQ(bounds.photo->cell.height, 32768);
    // A duration is rounded to the millisecond, not cut.
    for (const auto& [seconds, ms] : {std::pair{"2.9996", 3000}, {"0.0004", 0}, {"0.0005", 1}}) {
        const std::string tag =
            "<html><meta http-equiv=Page-Exit content=blendTrans(Duration=" + std::string(seconds) + ")>";
        EXPECT_EQ(ReadPage(tag).exit.durationMs, ms) << seconds;
    }
}

TEST(PageReader, PageItCannotReadRaisesAClearError) {
    const std::string head = "<html><head>" + FadeTag() + "</head><body>";
    const struct {
        std::string text;
        std::string says;
    } rows[] = {
        {"", "no HTML page"},
        {"\xFF\xD8\xFF\xE0 JFIF", "no HTML page"},
        {head + "<img src=\"x.jpg\" height=\"100%\">", "not in its table"},
        {head + "<table width=\"9\" height=\"9\"><tr><td width=\"8\" height=\"8\"><img height=\"100%\">",
         "no source"},
        {head + "<table width=\"9\" height=\"9\"><tr><td width=\"8\" height=\"8\"><img src=\"x.jpg\">",
         "neither"},
        {head + "<table width=\"9\" height=\"9\"><tr><td width=\"8\" height=\"8\"><img src=\"x.jpg\" "
                "height=\"100%\" width=\"100%\">",
         "neither"},
        {head + "<table width=\"nine\" height=\"9\"><tr><td width=\"8\" height=\"8\"><img src=\"x\" "
                "height=\"100%\">",
         "'nine' is not a whole number"},
        {head + "<table width=\"9\" height=\"9\"><tr><td width=\"-8\" height=\"8\"><img src=\"x\" "
                "height=\"100%\">",
         "negative"},
        {head + "<table width=\"9\" height=\"9\"><tr><td width=\"8\" height=\"2147483647\"><img src=\"x\" "
                "height=\"100%\">",
         "the height of <td> is larger than 32768 pixels"},
        {head + "<table width=\"9\"><tr><td width=\"8\" height=\"8\"><img src=\"x\" height=\"100%\">",
         "height of <table> is missing"},
        {head + "<table width=\"9\" height=\"9\"><tr><td width=\"32769\" height=\"8\"><img src=\"x\" "
                "height=\"100%\">",
         "the width of <td> is larger than 32768 pixels"},
        {head + "<img src=\"x.jpg", "not closed"},
        {"<html><meta http-equiv=Page-Exit", "the tag <meta is not closed"},
        {"<html><meta a=b'c http-equiv='Page-Exit>", "a value of <meta> is not closed"},
        {"<html><meta http-equiv=Page-Exit content=blendTrans(Duration=3600.001)>", "'3600.001'"},
        {"<html><meta http-equiv=Page-Exit content=blendTrans(Duration=-0.5)>", "'-0.5'"},
        {"<html><meta http-equiv=Page-Exit content=blendTrans(Duration=3,transition=2)>",
         "'transition=2' is unknown"},
        {"<html><meta http-equiv=Page-Exit content=spinTrans(Duration=3)>", "'spinTrans' is unknown"},
        {"<html><meta http-equiv=Page-Exit content=blendTrans(Duration=3>", "malformed"},
        {"<html><meta http-equiv=Page-Exit content=revealTrans(Duration=3)>", "no transition number"},
        {"<html><meta http-equiv=Page-Exit content=revealTrans(transition=3)>", "no duration"},
        {"<html><meta http-equiv=Page-Exit content=revealTrans(Duration=x,transition=3)>", "'x'"},
        {"<html><meta http-equiv=Page-Exit content=revealTrans(Duration=3,transition=99999999999)>",
         "'99999999999' is not a whole number"},
        {"<html><meta http-equiv=Page-Exit content=blendTrans(Duration=3,speed=2)>", "'speed=2' is unknown"},
    };
    for (const auto& row : rows) {
        const auto error = ReadError(row.text);
        ASSERT_TRUE(error.has_value()) << row.text;
        EXPECT_NE(error->find("The page cannot be shown: "), std::string::npos) << *error;
        EXPECT_NE(error->find(row.says), std::string::npos) << row.text << "\n gave: " << *error;
    }
}

// Only a plain file on a drive letter is opened: never another computer, a
// pipe, a device or a file's stream.
TEST(PageReader, PhotoFileLiesOnADriveLetter) {
    const std::string page = "C:\\Temp\\ins1.htm";
    const struct {
        const char* source;
        const char* file;  // null where the source is refused
    } rows[] = {
        {"C:\\Temp\\ins2.jpg", "C:\\Temp\\ins2.jpg"},
        {"ins2.jpg", "C:\\Temp\\ins2.jpg"},
        {"d:/Bilder/com10.jpg", "d:/Bilder/com10.jpg"},
        {"C:\\a\\console.jpg", "C:\\a\\console.jpg"},
        {"\\\\host\\share\\x.jpg", nullptr},
        {"//host/share/x.jpg", nullptr},
        {"\\\\?\\C:\\x.jpg", nullptr},
        {"\\\\.\\pipe\\x", nullptr},
        {"\\x.jpg", nullptr},
        {"C:x.jpg", nullptr},
        {"C:\\", nullptr},
        {"C:\\x.jpg:hidden", nullptr},
        {"C:\\Temp\\nul", nullptr},
        {"C:\\Temp\\NUL.jpg", nullptr},
        {"C:\\con \\x.jpg", nullptr},
        {"C:\\Temp\\com1.jpg", nullptr},
        {"C:\\Temp\\lpt\xB9.jpg", nullptr},
        {"C:\\Temp\\CONOUT$", nullptr},
        {"C:\\Temp\\nul.tar.jpg", nullptr},
        {"C:\\Temp\\lpt0.txt", nullptr},
    };
    for (const auto& row : rows) {
        std::optional<std::string> file;
        std::string error;
        try {
            file = PhotoFileOf(row.source, page);
        } catch (const Error& raised) {
            error = raised.what();
        }
        if (row.file) {
            EXPECT_EQ(file, std::optional<std::string>(row.file)) << row.source << " gave: " << error;
        } else {
            EXPECT_EQ(file, std::nullopt) << row.source;
            EXPECT_NE(error.find("is not a file on a drive letter"), std::string::npos)
                << row.source << ": " << error;
        }
    }
}

TEST(PhotoPlacement, FillsTheCellsHeightOrWidthCentred) {
    const struct {
        PhotoFit fit;
        std::int32_t cellWidth, cellHeight, photoWidth, photoHeight;
        PixelRect expected;
    } rows[] = {
        {PhotoFit::Width, 1024, 768, 1024, 768, {0, 0, 1024, 768}},
        {PhotoFit::Width, 800, 600, 1024, 768, {0, 0, 800, 600}},
        {PhotoFit::Height, 1024, 768, 576, 768, {224, 0, 800, 768}},      // portrait
        {PhotoFit::Height, 1920, 1080, 1024, 768, {240, 0, 1680, 1080}},  // 4:3 on a wide screen
        {PhotoFit::Height, 1920, 1080, 455, 768, {640, 0, 1280, 1080}},   // 639.84 rounds up
        {PhotoFit::Width, 1024, 768, 1024, 249, {0, 259, 1024, 508}},     // flattest panorama
        {PhotoFit::Height, 152, 112, 1024, 768, {1, 0, 150, 112}},        // 149.33 in a preview
        {PhotoFit::Height, 796, 600, 531, 400, {0, 0, 796, 600}},         // 796.5 rounds to even
        {PhotoFit::Height, 795, 600, 531, 400, {-1, 0, 795, 600}},        // wider than the cell
    };
    for (const auto& row : rows) {
        PagePhoto photo;
        photo.fit = row.fit;
        photo.cell = {row.cellWidth, row.cellHeight};
        const PixelRect placed = PlacePhoto(photo, {row.photoWidth, row.photoHeight});
        EXPECT_EQ(placed, row.expected)
            << row.photoWidth << "x" << row.photoHeight << " in " << row.cellWidth << "x" << row.cellHeight
            << ": " << placed.left << "," << placed.top << " " << placed.Width() << "x" << placed.Height();
        EXPECT_EQ(CellArea(photo), (PixelRect{0, 0, row.cellWidth, row.cellHeight}));
    }
}
