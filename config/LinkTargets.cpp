#include "config/LinkTargets.h"

#include <cstring>

// The maker's sites use reserved ".example" names until real ones are chosen
// for a release: no click can reach a stranger's server.
const std::array<LinkTarget, kLinkCount> kLinkTargets = {{
    // This collection's gallery, beside the info picture.
    {"Image1Click", "http://www.orvandel.example/galerie/solquera.html"},
    // The maker's home page under its short address; the German one is the default.
    {"StaticText5Click", "http://orvandel.example/"},
    {"StaticText1Click", "http://www.orvandel.example/en/"},
    {"Button1Click", "http://www.orvandel.example/en/donate.html"},
    // The maker's other sites (photography, travel notes, garden diary) and
    // the photography site's pages of screen savers and free programs.
    {"Image3Click", "http://www.orvandel-photography.example/"},
    {"Image5Click", "http://www.orvandel-travel.example/"},
    {"Image6Click", "http://www.orvandel-garden.example/"},
    {"Image7Click", "http://www.orvandel-photography.example/screensavers/"},
    {"Image8Click", "http://www.orvandel-photography.example/downloads/"},
    // The tips: the picture viewer "Orvandel Album" and the sister
    // collections "Nordlicht" and "Costaval".
    {"Image13Click", "http://www.orvandel.example/en/album/"},
    {"Image12Click", "http://www.orvandel.example/en/gallery/nordlicht.html"},
    {"Image11Click", "http://www.orvandel.example/en/gallery/costaval.html"},
}};

const char* LinkAddressOf(const char* handler) {
    for (const LinkTarget& target : kLinkTargets) {
        if (std::strcmp(target.handler, handler) == 0) return target.address;
    }
    return nullptr;
}
