// The controls a form's layout table names, made one per row: Windows'
// common controls where they fit, and three small window classes of our own
// for containers (pages, panels, group boxes) and for pictures and shapes.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/LayoutRow.h"
#include "ui/Picture.h"
#include "ui/Scoped.h"

// The font a form's controls use and its underlined twin for link labels,
// made for a DPI from the height at 96 dpi.
struct ControlFonts {
    ControlFonts(const char* face, int height, int dpi);

    const ScopedGdiObject<HFONT> normal;
    const ScopedGdiObject<HFONT> link;
};

// What draws a picture or a shape control.
struct Graphic;

// A control made from a row: its window and, for a picture or a shape, what
// draws it. The window goes with its graphic, or before it with its parent.
struct LayoutControl {
    LayoutControl();
    ~LayoutControl();
    LayoutControl(LayoutControl&&) noexcept;
    LayoutControl& operator=(LayoutControl&&) noexcept;

    HWND window = nullptr;
    std::unique_ptr<Graphic> graphic;
};

// Makes the window of one row inside parent, with the given id, on top of the
// siblings made before it, placed for the DPI. Containers pass the
// notifications of their children on to the form; a picture control's click
// comes as BN_CLICKED. A row's stored picture is loaded here.
LayoutControl CreateControl(const LayoutRow& row, HWND parent, int id, const ControlFonts& fonts, int dpi);

// Puts a control made from row where the row says, scaled to the DPI, in the
// fonts made for it; pictures are drawn at that scale. A page takes its page
// control's display area: place the page control first.
void PlaceControl(HWND control, const LayoutRow& row, const ControlFonts& fonts, int dpi);

// The picture a picture control shows; it takes the picture's size when its
// row says so. Not for other windows.
void SetControlPicture(HWND control, std::unique_ptr<Picture> picture);

// The colours the control of row asks for in WM_CTLCOLOR*: its row's
// background, in its kind's text colour. Sets them on dc and returns the
// background brush, or nullptr for a control that keeps the system's colours.
HBRUSH ControlColors(const LayoutRow& row, HDC dc);

// Page controls: selecting a page shows it and hides the others, without
// telling the form (as a page change by the program does not).
void SelectPage(HWND pageControl, int index);
int SelectedPage(HWND pageControl);
// Shows the page the page control has selected (after the user changed it).
void ShowSelectedPage(HWND pageControl);
// Selects and shows the page step pages on (back when negative), all round.
void TurnPageControl(HWND pageControl, int step);
