// Where a photo page puts its photograph.
#pragma once

#include "view/PageReader.h"
#include "view/PixelRect.h"

// The photograph at 100 % of the cell's height or width with its proportions
// kept (the other side rounded to the nearest pixel, ties to even), centred
// in the cell: across by its centred block, down by the cell's default middle
// alignment. In page coordinates; it may reach beyond the cell, which clips it.
PixelRect PlacePhoto(const PagePhoto& photo, PixelSize photoSize);

// The part of the page the photograph may cover: the cell at the page's corner.
PixelRect CellArea(const PagePhoto& photo);
