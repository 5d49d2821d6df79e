#include "DialogPictures.h"

#include "Font.h"

#include <cmath>
#include <string>

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kText{40, 40, 40};
constexpr Rgb kLink{0, 0, 204};
constexpr Rgb kRule{200, 200, 200};
constexpr Rgb kFrame{90, 90, 90};

// The page pictures sit at (4, 8) on their pages; the dialog's click areas are
// given in page coordinates, so every area below is one of those less (4, 8).
struct Area {
    int x, y, width, height;
};

void PasteFramed(Image& target, const Image& picture, int x, int y) {
    Paste(target, picture, x, y);
    FrameRect(target, x - 1, y - 1, picture.width() + 2, picture.height() + 2, kFrame);
}

void DrawLink(Image& image, int x, int y, const std::string& text, int scale = 1) {
    DrawText(image, x, y, text, kLink, scale);
    FillRect(image, x, y + (kGlyphHeight - 1) * scale, TextWidth(text, scale), scale, kLink);
}

void DrawLines(Image& image, int x, int y, std::initializer_list<const char*> lines) {
    for (const char* line : lines) {
        DrawText(image, x, y, line, kText);
        y += kGlyphHeight + 2;
    }
}

// --- Information picture ---------------------------------------------------

constexpr int kInfoWidth = 445, kInfoHeight = 241;
constexpr int kThumbWidth = 70, kThumbHeight = 52, kThumbGap = 4;

// Distance-like height of the island at (x, y): positive on land. A circle
// whose edge wobbles with a few sines gives a believable coastline.
double IslandHeight(double x, double y) {
    const double dx = (x - 222) / 78, dy = (y - 130) / 42;
    const double angle = std::atan2(dy, dx);
    const double coast =
        1 + 0.18 * std::sin(3 * angle + 0.5) + 0.09 * std::sin(7 * angle + 1.3) + 0.05 * std::sin(13 * angle);
    return coast - std::hypot(dx, dy);
}

Rgb MapColour(int x, int y) {
    const double height = IslandHeight(x, y);
    if (height < 0) {
        const Rgb deep{70, 120, 170}, shallow{130, 185, 215};
        Rgb sea = Mix(deep, shallow, std::exp(height * 6));
        const bool waveLine = std::fmod(height * 40 + 100, 3.0) < 0.35 && height > -0.25;
        return waveLine ? Mix(sea, kWhite, 0.35) : sea;
    }
    const Rgb beach{225, 205, 150}, lowland{120, 165, 90}, highland{150, 120, 80};
    if (height < 0.04) return beach;
    const bool contour = std::fmod(height, 0.15) < 0.012;
    const Rgb land = Mix(lowland, highland, height * 1.6);
    return contour ? Mix(land, kText, 0.4) : land;
}

void DrawMap(Image& image, Area area) {
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            image.set(x, y,
                      (x - area.x) % 36 == 18 || (y - area.y) % 36 == 18 ? Mix(MapColour(x, y), kWhite, 0.3)
                                                                         : MapColour(x, y));
    // Where the photographs were taken: red marks joined by a dotted route.
    const int places[][2] = {{170, 118}, {196, 144}, {226, 112}, {252, 136}, {276, 122}};
    for (size_t i = 0; i + 1 < std::size(places); ++i)
        for (int step = 0; step < 20; step += 2)
            image.set(places[i][0] + (places[i + 1][0] - places[i][0]) * step / 20,
                      places[i][1] + (places[i + 1][1] - places[i][1]) * step / 20, kText);
    for (const auto& place : places) {
        FillRect(image, place[0] - 2, place[1] - 2, 5, 5, {200, 30, 30});
        FrameRect(image, place[0] - 3, place[1] - 3, 7, 7, kWhite);
    }
    FrameRect(image, area.x - 1, area.y - 1, area.width + 2, area.height + 2, kFrame);
}

}  // namespace

Image MakeInfoPicture(const std::vector<Image>& photos) {
    Image info(kInfoWidth, kInfoHeight, {50, 60, 70});
    const int rowPhotos[2][6] = {{0, 10, 21, 12, 25, 17}, {14, 33, 5, 45, 35, 1}};
    const int rowTops[2] = {4, kInfoHeight - 4 - kThumbHeight};
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 6; ++i)
            PasteFramed(info, Thumbnail(photos[rowPhotos[row][i]], kThumbWidth, kThumbHeight),
                        4 + i * (kThumbWidth + kThumbGap), rowTops[row]);
    const int sidePhotos[2][2] = {{3, 18}, {24, 26}};
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 2; ++i)
            PasteFramed(info, Thumbnail(photos[sidePhotos[side][i]], kThumbWidth, kThumbHeight),
                        side ? kInfoWidth - 4 - kThumbWidth : 4, 64 + i * (kThumbHeight + kThumbGap));
    DrawMap(info, {80, 63, 285, 115});
    const std::string title = "Solquera";
    const int titleX = 80 + (285 - TextWidth(title, 3)) / 2;
    DrawText(info, titleX + 2, 68, title, kText, 3, true);
    DrawText(info, titleX, 66, title, kWhite, 3, true);
    return info;
}

namespace {

// --- Links picture ---------------------------------------------------------

constexpr int kPageWidth = 486, kPageHeight = 313;

struct LinkEntry {
    Area area;
    int photo;
    const char* title;
    const char* line1;
    const char* line2;
};

// Over Image3, Image4, Image5 and Image6 of the "Links" page.
constexpr LinkEntry kLinkEntries[] = {
    {{4, 8, 289, 65},
     27,
     "Orvandel Photography",
     "Galleries of coasts, mountains",
     "and gardens in full size."},
    {{4, 72, 289, 65}, 12, "Orvandel", "The maker's home page: news,", "screen savers and programs."},
    {{4, 136, 289, 65}, 2, "Orvandel Travel Notes", "Walks, routes and stories", "behind the pictures."},
    {{4, 200, 289, 65},
     13,
     "Orvandel Garden Diary",
     "Flowers, leaves and small",
     "creatures through the year."},
};

// Over Image7 and Image8.
constexpr Area kMoreSavers{4, 264, 289, 22}, kMorePrograms{4, 286, 289, 22};
// Under Image9.
constexpr Area kTallBanner{292, 8, 193, 305};

void DrawLinkEntry(Image& page, const LinkEntry& entry, const Image& photo) {
    const Area& a = entry.area;
    PasteFramed(page, Thumbnail(photo, 88, 46), a.x + 6, a.y + 10);
    DrawLink(page, a.x + 104, a.y + 10, entry.title);
    DrawLines(page, a.x + 104, a.y + 27, {entry.line1, entry.line2});
    FillRect(page, a.x + 4, a.y + a.height - 1, a.width - 8, 1, kRule);
}

void DrawTallBanner(Image& page, const Image& photo) {
    const Area& a = kTallBanner;
    FillRect(page, a.x, a.y, a.width, a.height, {35, 55, 80});
    PasteFramed(page, Thumbnail(photo, a.width - 16, 190), a.x + 8, a.y + 8);
    DrawText(page, a.x + 12, a.y + 210, "Orvandel", kWhite, 2, true);
    DrawText(page, a.x + 12, a.y + 234, "Travel Notes", kWhite, 2);
    DrawText(page, a.x + 12, a.y + 262, "New walks every month.", {200, 215, 230});
    DrawText(page, a.x + 12, a.y + 280, "Visit the site >>", {255, 210, 90}, 1, true);
}

}  // namespace

Image MakeLinksPicture(const std::vector<Image>& photos) {
    Image page(kPageWidth, kPageHeight, kWhite);
    for (const LinkEntry& entry : kLinkEntries) DrawLinkEntry(page, entry, photos[entry.photo]);
    DrawLink(page, kMoreSavers.x + 10, kMoreSavers.y + 6, ">> More screen savers by Orvandel");
    DrawLink(page, kMorePrograms.x + 10, kMorePrograms.y + 6, ">> More free programs by Orvandel");
    DrawTallBanner(page, photos[19]);
    FrameRect(page, 0, 0, kPageWidth, kPageHeight, kRule);
    return page;
}

namespace {

// --- Tips picture ----------------------------------------------------------

// Over Image13, Image12 and Image11 of the "Tips" page.
constexpr Area kUpperTip{12, 6, 465, 137}, kLowerLeftTip{12, 168, 217, 137},
    kLowerRightTip{252, 168, 225, 137};
constexpr Rgb kTipBackground{255, 250, 230}, kTipBorder{220, 190, 120}, kHeading{170, 90, 0};

void DrawTipBox(Image& page, Area a, const char* heading) {
    FillRect(page, a.x, a.y, a.width, a.height, kTipBackground);
    FrameRect(page, a.x, a.y, a.width, a.height, kTipBorder);
    DrawText(page, a.x + 10, a.y + 8, heading, kHeading, 1, true);
}

// A small picture of the viewer program: a window with a grid of photos.
Image ViewerScreenshot(const std::vector<Image>& photos) {
    Image window(160, 100, {236, 233, 216});
    FillRect(window, 0, 0, 160, 14, {10, 36, 106});
    DrawText(window, 4, 2, "Orvandel Album", kWhite);
    const int shown[] = {6, 9, 24, 26, 34, 41};
    for (int i = 0; i < 6; ++i)
        Paste(window, Thumbnail(photos[shown[i]], 44, 33), 8 + i % 3 * 50, 22 + i / 3 * 39);
    FrameRect(window, 0, 0, 160, 100, kFrame);
    return window;
}

void DrawSisterCollection(Image& page, Area a, const char* name, const std::vector<Image>& photos,
                          std::initializer_list<int> shown) {
    DrawTipBox(page, a, "Sister collection");
    int x = a.x + 10;
    for (int photo : shown) {
        PasteFramed(page, Thumbnail(photos[photo], 62, 46), x, a.y + 26);
        x += 67;
    }
    DrawText(page, a.x + 10, a.y + 80, name, kText, 2, true);
    DrawText(page, a.x + 10, a.y + 104, "50 photographs, free", kText);
    DrawLink(page, a.x + 10, a.y + 119, "Gallery and download >>");
}

}  // namespace

Image MakeTipsPicture(const std::vector<Image>& photos) {
    Image page(kPageWidth, kPageHeight, kWhite);
    DrawTipBox(page, kUpperTip, "Download tip");
    PasteFramed(page, ViewerScreenshot(photos), kUpperTip.x + 10, kUpperTip.y + 27);
    const int textX = kUpperTip.x + 186;
    DrawText(page, textX, kUpperTip.y + 28, "Orvandel Album", kText, 2, true);
    DrawLines(page, textX, kUpperTip.y + 56,
              {"A free picture viewer: browse your", "folders, sort your photographs and",
               "show them as a slideshow."});
    DrawLink(page, textX, kUpperTip.y + 108, "Free download >>");
    DrawSisterCollection(page, kLowerLeftTip, "Nordlicht", photos, {31, 28, 43});
    DrawSisterCollection(page, kLowerRightTip, "Costaval", photos, {8, 11, 49});
    FrameRect(page, 0, 0, kPageWidth, kPageHeight, kRule);
    return page;
}
