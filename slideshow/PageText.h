// The pages the HTML view shows: a black start page and one page per
// photograph, each with the "Page-Exit" tag that names the transition played
// when the next page replaces it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/PageFormat.h"
#include "base/RandomGenerator.h"

// The exit tag for an effect: the fade for 23; for 24 one draw in 0..22
// decides between reveal pattern 23 (1..22) and the fade (0); any other value,
// even one outside the known effects, as the reveal pattern of that number.
// Only effect 24 draws from the generator.
std::string ChooseExitMeta(std::int32_t effect, RandomGenerator& random);

// A black page without margins and without a context menu.
std::string StartPage(std::string_view exitMeta);

// The photograph centred in a one-cell table of the window's size, scaled to
// 100 % of the cell's height or width. The path goes in verbatim.
std::string PhotoPage(std::string_view exitMeta, std::int32_t windowWidth, std::int32_t windowHeight,
                      std::string_view photoFile, PhotoFit fit);

// True when the text is exactly one of the pages above, whatever its exit
// tag, window size, path and fit: how a page file an earlier run left behind
// is told from another program's file.
bool IsSlideshowPage(std::string_view text);
