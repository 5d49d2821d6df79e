// The two pictures that are not JPEGs: the maker's logo for the "About" page
// (a 16-grey bitmap file) and the program's 256-colour icon.
#pragma once

#include <cstdint>
#include <vector>

std::vector<uint8_t> MakeLogoBmp();
std::vector<uint8_t> MakeIcon();
