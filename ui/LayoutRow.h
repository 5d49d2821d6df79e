// One control of a form's layout, as data: the forms list their controls in a
// table of these rows and one function makes a window from a row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

enum class ControlKind {
    PageControl,  // tabs over pages; its pages are the rows of kind Page
    Page,         // fills the page control's display area; the caption is the tab's text
    Panel,        // plain container in the button-face colour
    GroupBox,     // container with a captioned frame
    PushButton,
    ComboBox,   // drop-down list, no typing
    Picture,    // shows a picture when it has one, is see-through when not
    Shape,      // filled rectangle with an outline
    Memo,       // read-only multi-line text
    LinkLabel,  // one line of text that reads as a web link
};

enum class ControlCursor { Default, Hand, Arrow };

// Left, top relative to the parent's client area; width x height.
struct Bounds {
    int left, top, width, height;
};

// Layouts are drawn for 96 pixels per inch. At another DPI every length,
// position and font height is multiplied by dpi / 96 and rounded to the
// nearest pixel, halves away from zero, as the system's MulDiv rounds.
inline constexpr int kLayoutDpi = 96;

constexpr int ScaleForDpi(int length, int dpi) {
    const long long product = static_cast<long long>(length) * dpi;
    const long long half = kLayoutDpi / 2;
    return static_cast<int>((product < 0 ? product - half : product + half) / kLayoutDpi);
}

constexpr Bounds ScaleForDpi(const Bounds& bounds, int dpi) {
    return {ScaleForDpi(bounds.left, dpi), ScaleForDpi(bounds.top, dpi), ScaleForDpi(bounds.width, dpi),
            ScaleForDpi(bounds.height, dpi)};
}

// A colour by its red, green and blue parts.
struct RgbColor {
    std::uint8_t red, green, blue;
};

struct ControlProperties {
    const char* caption = nullptr;
    ControlCursor cursor = ControlCursor::Default;
    // What the control stands on; none: the system's colours.
    std::optional<RgbColor> background = std::nullopt;
    // Handler that a click on the control calls, by name; nullptr: none.
    const char* onClick = nullptr;
    // Picture resource stored with the layout ("#105" for a numbered one);
    // nullptr: none, or loaded later.
    const char* picture = nullptr;
    bool autoSize = false;  // a picture control takes its picture's size
    bool tabStop = false;
};

struct LayoutRow {
    const char* name;
    ControlKind kind;
    const char* parent;  // nullptr: the form itself
    Bounds bounds;
    ControlProperties properties = {};
};

// Control ids: the row's index plus this base, so that no control takes the
// ids the dialog keys send for Enter and Escape (IDOK 1, IDCANCEL 2).
inline constexpr int kFirstControlId = 100;

// Index of the named row; -1 when the table has none.
inline int RowIndex(std::span<const LayoutRow> rows, const char* name) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (std::strcmp(rows[i].name, name) == 0) return static_cast<int>(i);
    }
    return -1;
}

// The row of a control id; nullptr for an id outside the table.
inline const LayoutRow* RowOfId(std::span<const LayoutRow> rows, int id) {
    const int index = id - kFirstControlId;
    return index >= 0 && static_cast<std::size_t>(index) < rows.size()
               ? &rows[static_cast<std::size_t>(index)]
               : nullptr;
}

// Appends the tab stops among parent's children (the form's for nullptr) and
// their contents, in tab order.
inline void AppendTabStops(std::span<const LayoutRow> rows, const char* parent,
                           std::vector<std::size_t>& stops) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool child =
            parent ? rows[i].parent && std::strcmp(rows[i].parent, parent) == 0 : !rows[i].parent;
        if (!child) continue;
        if (rows[i].properties.tabStop) stops.push_back(i);
        AppendTabStops(rows, rows[i].name, stops);
    }
}

// The rows Tab visits, by index, in order: siblings in the order of their
// rows, the contents of a container right after the container itself (so a
// container can be a stop of its own, before what it holds).
inline std::vector<std::size_t> TabOrder(std::span<const LayoutRow> rows) {
    std::vector<std::size_t> stops;
    AppendTabStops(rows, nullptr, stops);
    return stops;
}
