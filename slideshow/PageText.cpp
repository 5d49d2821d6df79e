#include "slideshow/PageText.h"

#include "config/EffectNames.h"

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
    page += "></div></td></tr></table></body></html>";
    return page;
}
