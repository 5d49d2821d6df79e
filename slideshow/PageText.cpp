#include "slideshow/PageText.h"

#include "config/EffectNames.h"

#include <charconv>
#include <optional>

namespace {

constexpr std::string_view kFadeTag = "<meta http-equiv=Page-Exit content=blendTrans(Duration=3)>";
constexpr std::string_view kRevealTagStart =
    "<meta http-equiv=Page-Exit content=revealTrans(Duration=3,transition=";
constexpr std::string_view kRevealTagEnd = ")>";
// The number of draws of the random effect of which one gives the fade
// instead of the random reveal pattern.
constexpr std::int32_t kRandomEffectChoices = 23;

constexpr std::string_view kHead = "<html><head>";
constexpr std::string_view kBlackBody =
    "</head><body oncontextmenu=\"return false;\" "
    "style=\"margin-top:0;margin-left:0;margin-bottom:0;margin-right:0\" bgcolor=\"#000000\">";
constexpr std::string_view kStartPageEnd = "</body></html>";
constexpr std::string_view kCellStart = "<td width=\"";
constexpr std::string_view kCellHeight = "\" height=\"";
constexpr std::string_view kImageStart = "<img src=\"";
constexpr std::string_view kPhotoPageEnd = "></div></td></tr></table></body></html>";

std::string RevealTag(std::int32_t pattern) {
    std::string tag(kRevealTagStart);
    tag += std::to_string(pattern);
    tag += kRevealTagEnd;
    return tag;
}

// Width and height one pixel beyond the window's: 64-bit so that no window
// size can overflow.
std::string PlusOne(std::int32_t size) {
    return std::to_string(std::int64_t{size} + 1);
}

std::string_view FitAttribute(PhotoFit fit) {
    return fit == PhotoFit::Height ? "height=\"100%\"" : "width=\"100%\"";
}

}  // namespace

std::string ChooseExitMeta(std::int32_t effect, RandomGenerator& random) {
    if (effect == kFadeEffect) return std::string(kFadeTag);
    if (effect == kRandomEffect) {
        return random.Draw(kRandomEffectChoices) != 0 ? RevealTag(kRandomRevealPattern)
                                                      : std::string(kFadeTag);
    }
    return RevealTag(effect);
}

std::string StartPage(std::string_view exitMeta) {
    std::string page(kHead);
    page += exitMeta;
    page += kBlackBody;
    page += kStartPageEnd;
    return page;
}

std::string PhotoPage(std::string_view exitMeta, std::int32_t windowWidth, std::int32_t windowHeight,
                      std::string_view photoFile, PhotoFit fit) {
    std::string page(kHead);
    page += exitMeta;
    page += kBlackBody;
    page += "<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" width=\"";
    page += PlusOne(windowWidth);
    page += "\" height=\"";
    page += PlusOne(windowHeight);
    page += "\" style=\"overflow:hidden\"><tr><td width=\"";
    page += std::to_string(windowWidth);
    page += "\" height=\"";
    page += std::to_string(windowHeight);
    page += "\" style=\"overflow:hidden\"><div align=\"center\" style=\"overflow:hidden\">";
    page += "<img src=\"";
    page += photoFile;
    page += "\" ";
    page += FitAttribute(fit);
    page += kPhotoPageEnd;
    return page;
}

namespace {

bool IsExitTag(std::string_view tag) {
    if (tag == kFadeTag) return true;
    if (!tag.starts_with(kRevealTagStart)) return false;
    std::int32_t pattern = 0;
    const char* digits = tag.data() + kRevealTagStart.size();
    std::from_chars(digits, tag.data() + tag.size(), pattern);
    return tag == RevealTag(pattern);
}

// The decimal number right after `marker`, searched from `from` on.
std::optional<std::int32_t> NumberAfter(std::string_view text, std::string_view marker, std::size_t& from) {
    from = text.find(marker, from);
    if (from == std::string_view::npos) return std::nullopt;
    from += marker.size();
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data() + from, text.data() + text.size(), number);
    if (error != std::errc()) return std::nullopt;
    from = static_cast<std::size_t>(end - text.data());
    return number;
}

// The photo page's variable parts are read where PhotoPage puts them; the
// page is then made again from them and must come out the same.
bool IsPhotoPage(std::string_view text, std::string_view exitMeta) {
    std::size_t at = 0;
    const auto width = NumberAfter(text, kCellStart, at);
    const auto height = NumberAfter(text, kCellHeight, at);
    const std::size_t source = text.find(kImageStart, at);
    if (!width || !height || source == std::string_view::npos) return false;
    for (const PhotoFit fit : {PhotoFit::Height, PhotoFit::Width}) {
        const std::string end = "\" " + std::string(FitAttribute(fit)) + std::string(kPhotoPageEnd);
        const std::size_t pathStart = source + kImageStart.size();
        if (!text.ends_with(end) || text.size() < pathStart + end.size()) continue;
        const std::string_view path = text.substr(pathStart, text.size() - end.size() - pathStart);
        return text == PhotoPage(exitMeta, *width, *height, path, fit);
    }
    return false;
}

}  // namespace

bool IsSlideshowPage(std::string_view text) {
    if (!text.starts_with(kHead)) return false;
    const std::size_t body = text.find(kBlackBody);
    if (body == std::string_view::npos) return false;
    const std::string_view exitMeta = text.substr(kHead.size(), body - kHead.size());
    if (!IsExitTag(exitMeta)) return false;
    return text == StartPage(exitMeta) || IsPhotoPage(text, exitMeta);
}
