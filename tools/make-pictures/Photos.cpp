#include "Photos.h"

namespace {

constexpr Chroma k420 = Chroma::k420;
constexpr Chroma k444 = Chroma::k444;

constexpr std::string_view kLomiri16 = "lomiri-wallpapers-16.04/usr/share/backgrounds/";
constexpr std::string_view kLomiri20 = "lomiri-wallpapers-20.04/usr/share/backgrounds/";
constexpr std::string_view kMate = "mate-backgrounds/usr/share/backgrounds/mate/nature/";
constexpr std::string_view kPlasma = "plasma-workspace-wallpapers/usr/share/wallpapers/";
constexpr std::string_view kPalapeli = "palapeli-data/usr/share/palapeli/collection/";

}  // namespace

// Shapes and chroma sampling per number are fixed; see resources/CREDITS.md
// for the authors and licences of the sources.
const Photo kPhotos[kPhotoCount] = {
    {kLomiri16, "Dragonfly_by_Bolly.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kMate, "Aqua.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kLomiri16, "aitzgorri_by_Aitzol_Berasategi.jpg", 1024, 284, k444, 0.5, 0.3, 1.0},
    {kMate, "GreenMeadow.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kLomiri16, "Wine_by_Jakkub_Mede.jpg", 576, 768, k420, 0.5, 0.5, 1.0},
    {kLomiri16, "Picture_0B_by_freespace.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kMate, "Blinds.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kLomiri16, "friends_by_Aitzol_Berasategi.jpg", 576, 768, k444, 0.5, 0.5, 1.0},
    {kMate, "Dune.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kMate, "FreshFlower.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kLomiri16, "picosdeeuropa_by_Aitzol_Berasategi.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kPlasma, "EveningGlow/contents/images/2560x1600.jpg", 1024, 449, k444, 0.5, 0.6, 1.0},
    {kLomiri16, "life_by_Aitzol_Berasategi.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kMate, "Garden.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kMate, "LadyBird.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kLomiri16, "seeding_by_Clements_Engelhardt.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kLomiri20, "Kleiber_by_Lukas_Baubkus.jpg", 576, 768, k444, 0.4, 0.5, 1.0},
    {kLomiri16, "free_by_Peter_Nerlich.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kLomiri16, "greentock_by_Peter_Nerlich.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kPlasma, "Path/contents/images/2560x1600.jpg", 576, 768, k444, 0.5, 0.5, 1.0},
    {kPlasma, "summer_1am/contents/images/2560x1600.jpg", 1024, 424, k444, 0.5, 0.6, 1.0},
    {kLomiri16, "sunset_by_Aitzol_Berasategi.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kMate, "Storm.jpg", 1024, 378, k444, 0.5, 0.5, 1.0},
    {kLomiri16, "Picture_1A_by_freespace.jpg", 576, 768, k444, 0.5, 0.5, 1.0},
    {kMate, "RainDrops.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kPlasma, "OneStandsOut/contents/images/2560x1600.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kMate, "TwoWings.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kLomiri16, "Bridge_by_Sander_Klootwijk.jpg", 1024, 249, k444, 0.5, 0.75, 1.0},
    {kPlasma, "DarkestHour/contents/images/2560x1600.jpg", 1024, 307, k444, 0.5, 0.65, 1.0},
    {kPlasma, "BytheWater/contents/images/2560x1600.jpg", 1024, 305, k444, 0.5, 0.5, 1.0},
    {kPalapeli, "castle-maintenon.jpg", 1024, 282, k444, 0.5, 0.5, 1.0},
    {kPlasma, "ColdRipple/contents/images/2560x1600.jpg", 1024, 376, k444, 0.5, 0.5, 1.0},
    {kPlasma, "Kite/contents/images/2560x1600.jpg", 1024, 333, k444, 0.5, 0.4, 1.0},
    {kMate, "Wood.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kMate, "YellowFlower.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kPlasma, "FallenLeaf/contents/images/2560x1600.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kPlasma, "ColorfulCups/contents/images/2560x1600.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kPalapeli, "panther-chameleon-female.jpg", 455, 768, k444, 0.5, 0.5, 1.0},
    {kLomiri16, "seeding_by_Clements_Engelhardt.jpg", 576, 768, k444, 0.27, 0.5, 1.3},
    {kPalapeli, "cincinnati-bridge.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kLomiri16, "picosdeeuropa_by_Aitzol_Berasategi.jpg", 1024, 421, k444, 0.65, 0.45, 1.3},
    {kPalapeli, "european-honey-bee.jpg", 1024, 768, k420, 0.5, 0.5, 1.0},
    {kPalapeli, "citrus-fruits.jpg", 555, 768, k444, 0.5, 0.5, 1.0},
    {kPlasma, "Grey/contents/images/2560x1600.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kLomiri16, "Dragonfly_by_Bolly.jpg", 576, 768, k420, 0.6, 0.4, 1.4},
    {kLomiri16, "Bridge_by_Sander_Klootwijk.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kLomiri16, "Wine_by_Jakkub_Mede.jpg", 522, 768, k420, 0.5, 0.3, 1.8},
    {kLomiri16, "friends_by_Aitzol_Berasategi.jpg", 549, 768, k420, 0.5, 0.4, 1.6},
    {kLomiri16, "aitzgorri_by_Aitzol_Berasategi.jpg", 1024, 768, k444, 0.5, 0.5, 1.0},
    {kLomiri16, "sunset_by_Aitzol_Berasategi.jpg", 1024, 399, k444, 0.5, 0.55, 1.0},
};
