// The configuration dialog's drawn pictures. Each takes the finished
// photographs (numbered 0 to 49) for its thumbnails.
#pragma once

#include "Image.h"

#include <vector>

// "Options" page: thumbnails round a map, with the collection's title. 445 x 241.
Image MakeInfoPicture(const std::vector<Image>& photos);
// "Links" page: four entries, two text links and a tall banner. 486 x 313.
Image MakeLinksPicture(const std::vector<Image>& photos);
// "Tips" page: one tip across the top, two below it. 486 x 313.
Image MakeTipsPicture(const std::vector<Image>& photos);
