// The configuration dialog's layout: every control with its place, size and
// properties, in one table that reads like the dialog it draws.
#pragma once

#include <array>
#include <span>

#include "ui/LayoutRow.h"

inline constexpr int kConfigClientWidth = 513;
inline constexpr int kConfigClientHeight = 401;
inline constexpr const char* kConfigDesignCaption = "Vorlage";
inline constexpr const char* kConfigCaption = "Orvandel - Solquera";

// Rows stand in drawing order, bottom first, and parents before their
// children; among siblings the keyboard's tab order follows the rows.
extern const std::span<const LayoutRow> kConfigControls;

inline constexpr const char* kConfigDefaultButton = "Button9";
inline constexpr const char* kTipsPage = "t4";
inline constexpr const char* kInfoPictureResource = "#105";

// The About text, one entry per line.
inline constexpr int kMemoLineCount = 20;
extern const std::array<const char*, kMemoLineCount> kAboutLines;

// The link labels and the lines of the About text (1 for the first) whose
// name each of them covers.
struct LinkLabelLine {
    const char* label;
    int line;
};
inline constexpr std::array<LinkLabelLine, 2> kLinkLabelLines = {{{"StaticText1", 14}, {"StaticText5", 17}}};
