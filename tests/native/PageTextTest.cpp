#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "slideshow/PageBuilder.h"
#include "slideshow/PageText.h"

namespace {

const std::string kFade = "<meta http-equiv=Page-Exit content=blendTrans(Duration=3)>";

std::string Reveal(const std::string& pattern) {
    return "<meta http-equiv=Page-Exit content=revealTrans(Duration=3,transition=" + pattern + ")>";
}

// The first seed whose first draw in 0..22 does (or does not) give 0.
std::uint32_t SeedWhoseFirstDrawIsZero(bool zero) {
    for (std::uint32_t seed = 0;; ++seed) {
        RandomGenerator probe(seed);
        if ((probe.Draw(23) == 0) == zero) return seed;
    }
}

// Whether the exit tag took exactly `draws` draws from the generator: the
// next draw must match the one a fresh generator gives after that many.
void ExpectDrawsTaken(const RandomGenerator& used, std::uint32_t seed, int draws) {
    RandomGenerator after = used;
    RandomGenerator reference(seed);
    for (int i = 0; i < draws; ++i) reference.Draw(23);
    EXPECT_EQ(after.Draw(1000000), reference.Draw(1000000)) << draws << " draws expected";
}

}  // namespace

TEST(ExitMeta, FixedEffectsGiveTheirTagWithoutDrawing) {
    const struct {
        std::int32_t effect;
        std::string tag;
    } rows[] = {
        {0, Reveal("0")},   {22, Reveal("22")}, {23, kFade},
        {25, Reveal("25")}, {-1, Reveal("-1")}, {INT32_MIN, Reveal("-2147483648")},
    };
    for (const auto& row : rows) {
        RandomGenerator random(99);
        EXPECT_EQ(ChooseExitMeta(row.effect, random), row.tag) << "effect " << row.effect;
        ExpectDrawsTaken(random, 99, 0);
    }
}

TEST(ExitMeta, RandomEffectRevealsWithPattern23UnlessTheDrawIsZero) {
    const std::uint32_t nonZeroSeed = SeedWhoseFirstDrawIsZero(false);
    RandomGenerator nonZero(nonZeroSeed);
    EXPECT_EQ(ChooseExitMeta(24, nonZero), Reveal("23"));
    ExpectDrawsTaken(nonZero, nonZeroSeed, 1);

    const std::uint32_t zeroSeed = SeedWhoseFirstDrawIsZero(true);
    RandomGenerator zero(zeroSeed);
    EXPECT_EQ(ChooseExitMeta(24, zero), kFade);
    ExpectDrawsTaken(zero, zeroSeed, 1);
}

TEST(ExitMeta, RandomEffectFadesOnAboutOnePageIn23) {
    RandomGenerator random(2024);
    constexpr int kPages = 23000;
    int fades = 0;
    for (int i = 0; i < kPages; ++i) {
        const std::string tag = ChooseExitMeta(24, random);
        if (tag == kFade) {
            ++fades;
        } else {
            ASSERT_EQ(tag, Reveal("23"));
        }
    }
    EXPECT_GT(fades, 880);
    EXPECT_LT(fades, 1120);
}

TEST(StartPage, IsTheBlackPageWithTheExitTag) {
    const std::string page = StartPage(kFade);
    EXPECT_EQ(page,
              "<html><head><meta http-equiv=Page-Exit content=blendTrans(Duration=3)></head>"
              "<body oncontextmenu=\"return false;\" "
              "style=\"margin-top:0;margin-left:0;margin-bottom:0;margin-right:0\" bgcolor=\"#000000\">"
              "</body></html>");
    EXPECT_EQ(page.size(), 211u);
    EXPECT_EQ(StartPage(Reveal("5")).size(), 153u + Reveal("5").size());
}

TEST(PhotoPage, IsTheFullTextWithTheWindowSizeAndThePath) {
    const std::string page = PhotoPage(kFade, 800, 600, "C:\\T\\inst1.jpg", PhotoFit::Width);
    EXPECT_EQ(page,
              "<html><head><meta http-equiv=Page-Exit content=blendTrans(Duration=3)></head>"
              "<body oncontextmenu=\"return false;\" "
              "style=\"margin-top:0;margin-left:0;margin-bottom:0;margin-right:0\" bgcolor=\"#000000\">"
              "<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" width=\"801\" height=\"601\" "
              "style=\"overflow:hidden\"><tr><td width=\"800\" height=\"600\" style=\"overflow:hidden\">"
              "<div align=\"center\" style=\"overflow:hidden\"><img src=\"C:\\T\\inst1.jpg\" width=\"100%\">"
              "</div></td></tr></table></body></html>");
}

TEST(PhotoPage, LengthFollowsItsParts) {
    const std::string path = "C:\\users\\root\\Temp\\inst1A2B.tmp.jpg";
    EXPECT_EQ(PhotoPage(kFade, 1024, 768, path, PhotoFit::Height).size(), 463u + path.size());
    EXPECT_EQ(PhotoPage(kFade, 1024, 768, path, PhotoFit::Width).size(), 462u + path.size());
    // 378 fixed characters, the tag, four numbers, the path and the fit attribute.
    const std::string page = PhotoPage(Reveal("7"), 152, 9, "p", PhotoFit::Height);
    EXPECT_EQ(page.size(), 378u + Reveal("7").size() + 3 + 2 + 3 + 1 + 1 + 13);
}

TEST(PhotoPage, ImageHasTheSourceAndTheFitAttributeOnly) {
    for (const PhotoFit fit : {PhotoFit::Height, PhotoFit::Width}) {
        const std::string page = PhotoPage(kFade, 640, 480, "C:\\x.jpg", fit);
        const std::string fitText = fit == PhotoFit::Height ? "height=\"100%\"" : "width=\"100%\"";
        const auto image = page.find("<img ");
        ASSERT_NE(image, std::string::npos);
        EXPECT_EQ(page.substr(image, page.find('>', image) + 1 - image),
                  "<img src=\"C:\\x.jpg\" " + fitText + ">");
        EXPECT_EQ(page.find("<img ", image + 1), std::string::npos);
    }
}

TEST(PhotoPage, PathGoesInVerbatim) {
    const std::string path =
        "C:\\Dokumente und Einstellungen\\J\xE4ger\\Lokale Einstellungen\\Temp\\inst2.jpg";
    const std::string page = PhotoPage(kFade, 1024, 768, path, PhotoFit::Height);
    EXPECT_NE(page.find("<img src=\"" + path + "\" height=\"100%\">"), std::string::npos);
}

TEST(PhotoPage, NumbersAreDecimalWithoutFillAndNoLineBreakAnywhere) {
    const std::string page = PhotoPage(kFade, 7, 2147483647, "a", PhotoFit::Height);
    EXPECT_NE(page.find("width=\"8\" height=\"2147483648\""), std::string::npos);
    EXPECT_NE(page.find("width=\"7\" height=\"2147483647\""), std::string::npos);
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(page.back(), '>');
}

// A page file left behind is deleted only when it is exactly one of ours:
// another program's file with a similar text stays.
TEST(PhotoPage, OurPagesAreRecognisedAndNoOtherText) {
    const std::string photo =
        PhotoPage(Reveal("7"), 1920, 1080, "C:\\Users\\J\xE4ger\\Temp\\ins1.jpg", PhotoFit::Width);
    for (const std::string& page : {StartPage(kFade), StartPage(Reveal("-3")), photo,
                                    PhotoPage(kFade, 152, 112, "C:\\a \"b\" c.jpg", PhotoFit::Height)}) {
        EXPECT_TRUE(IsSlideshowPage(page)) << page;
    }
    for (const std::string& other :
         {std::string(), photo + "\r\n", photo.substr(0, photo.size() - 1), " " + photo,
          StartPage(Reveal("07")), StartPage(Reveal("3,x")), StartPage("<meta name=x>"),
          std::string("<html><head></head><body>Installer</body></html>")}) {
        EXPECT_FALSE(IsSlideshowPage(other)) << other;
    }
}

// The content a window shows without a page file is what the view would
// read from the file.
TEST(PhotoPage, BuiltContentIsWhatThePageSays) {
    const struct {
        PixelSize photo;
        std::int32_t width, height;
    } rows[] = {{{640, 480}, 1920, 1080},
                {{480, 640}, 1920, 1080},
                {{1600, 900}, 152, 112},
                {{1, 1}, 1, 1},
                {{900, 1600}, 768, 1024}};
    for (const auto& row : rows) {
        const BuiltPage page =
            BuildPhotoPage(Reveal("5"), row.photo, row.width, row.height, "C:\\t\\ins2.jpg");
        const PageContent read = ReadPage(page.text);
        ASSERT_TRUE(read.photo && page.content.photo) << page.text;
        EXPECT_EQ(page.content.photo->source, read.photo->source);
        EXPECT_EQ(page.content.photo->fit, read.photo->fit) << page.text;
        EXPECT_EQ(page.content.photo->table.width, read.photo->table.width);
        EXPECT_EQ(page.content.photo->table.height, read.photo->table.height);
        EXPECT_EQ(page.content.photo->cell.width, read.photo->cell.width);
        EXPECT_EQ(page.content.photo->cell.height, read.photo->cell.height);
        EXPECT_EQ(read.photo->cell.width, row.width);
        EXPECT_EQ(read.photo->cell.height, row.height);
        EXPECT_EQ(page.content.exit.pattern, read.exit.pattern);
        EXPECT_EQ(page.content.exit.durationMs, read.exit.durationMs);
    }
    EXPECT_FALSE(BuildStartPage(kFade).content.photo);
    EXPECT_EQ(BuildStartPage(kFade).content.exit.kind, ExitTransition::Kind::Fade);
}
