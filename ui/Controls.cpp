#include "ui/Controls.h"

#include <commctrl.h>

#include <array>
#include <iterator>
#include <string>

#include "ui/Error.h"
#include "ui/Resource.h"
#include "ui/Scoped.h"
#include "ui/WindowBinding.h"

namespace {

constexpr const char* kContainerClass = "SolqueraContainer";
constexpr const char* kGraphicClass = "SolqueraGraphic";

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

// The system refused a control's window (out of window handles or memory).
ErrorText ControlCreationError(const char* name) {
    return {"EOutOfResources", std::string("Fehler beim Erzeugen des Fensters ") + name + " (Systemfehler " +
                                   std::to_string(GetLastError()) + ")"};
}

// A drop-down list shows this many rows of this height before it scrolls.
constexpr int kComboVisibleRows = 20;
constexpr int kComboItemHeight = 13;

bool IsControlColorMessage(UINT msg) {
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}

// Pages, panels and group boxes: what their children report goes to the
// form, which handles every control of its layout in one place.
LRESULT CALLBACK ContainerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == WM_COMMAND || msg == WM_NOTIFY || IsControlColorMessage(msg)) {
        return SendMessageA(GetAncestor(window, GA_ROOT), msg, wParam, lParam);
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

// Pictures and shapes draw themselves; a picture control without a picture
// draws nothing and leaves what lies beneath it to show through.
struct Graphic {
    ~Graphic();

    HWND window = nullptr;
    std::unique_ptr<Picture> picture;
    bool shape = false;
    bool autoSize = false;
    bool pressed = false;
    int dpi = kLayoutDpi;
};

namespace {

Graphic* GraphicOf(HWND window) {
    return reinterpret_cast<Graphic*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// A picture is drawn at the scale of the layout around it.
SIZE ShownSize(const Graphic& graphic) {
    return {ScaleForDpi(graphic.picture->Width(), graphic.dpi),
            ScaleForDpi(graphic.picture->Height(), graphic.dpi)};
}

void PaintGraphic(HWND window, const Graphic& graphic) {
    const ScopedPaint paint(window);
    const HDC dc = paint.Dc();
    if (graphic.shape) {
        RECT area;
        GetClientRect(window, &area);
        const ScopedGdiObject<HBRUSH> fill(CreateSolidBrush(kWhite));
        const ScopedGdiObject<HBRUSH> outline(CreateSolidBrush(kGrey));
        FillRect(dc, &area, fill.Get());
        FrameRect(dc, &area, outline.Get());
    } else if (graphic.picture) {
        const SIZE size = ShownSize(graphic);
        graphic.picture->Draw(dc, 0, 0, size.cx, size.cy);
    }
}

// A click is a press and a release of the left button inside the control,
// told to the parent as a button's BN_CLICKED.
void ReleaseButton(HWND window, Graphic& graphic, LPARAM position) {
    if (!graphic.pressed) return;
    graphic.pressed = false;
    ReleaseCapture();
    RECT area;
    GetClientRect(window, &area);
    const POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (!PtInRect(&area, point)) return;
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

LRESULT CALLBACK GraphicProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    Graphic* graphic = BoundOwner(window, msg, lParam, &Graphic::window);
    if (!graphic) return DefWindowProcA(window, msg, wParam, lParam);
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintGraphic(window, *graphic);
            return 0;
        case WM_LBUTTONDOWN:
            graphic->pressed = true;
            SetCapture(window);
            return 0;
        case WM_LBUTTONUP:
            ReleaseButton(window, *graphic, lParam);
            return 0;
        case WM_LBUTTONDBLCLK:
            return 0;  // the second press of a double-click: one click is told, not two
        case WM_CAPTURECHANGED:
            graphic->pressed = false;
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

void RegisterClasses() {
    static bool registered = false;
    if (registered) return;
    INITCOMMONCONTROLSEX common = {sizeof common, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSA windowClass = {};
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpfnWndProc = ContainerProc;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kContainerClass;
    RegisterClassA(&windowClass);
    windowClass.lpfnWndProc = GraphicProc;
    windowClass.style = CS_DBLCLKS;
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = kGraphicClass;
    RegisterClassA(&windowClass);
    registered = true;
}

int PageCount(HWND pageControl) {
    return static_cast<int>(SendMessageA(pageControl, TCM_GETITEMCOUNT, 0, 0));
}

// A page gets the next tab, which carries the page window; it starts hidden.
void AddPage(HWND page, const LayoutRow& row) {
    const HWND pageControl = GetParent(page);
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(row.properties.caption);
    item.lParam = reinterpret_cast<LPARAM>(page);
    SendMessageA(pageControl, TCM_INSERTITEMA, PageCount(pageControl), reinterpret_cast<LPARAM>(&item));
}

// A page fills the page control's display area, which its tabs decide.
Bounds PageArea(HWND pageControl) {
    RECT area;
    GetClientRect(pageControl, &area);
    SendMessageA(pageControl, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

HWND PageWindow(HWND pageControl, int index) {
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    SendMessageA(pageControl, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return reinterpret_cast<HWND>(item.lParam);
}

int WindowHeight(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    return frame.bottom - frame.top;
}

// The closed box is as high as its row says: the selection field is sized
// to fit. The window's own height is that of the dropped-down list.
// Wine reads the field's height back 2 pixels higher than it was set, so
// the size is corrected until it fits (Windows fits at the first try).
void PlaceComboBox(HWND combo, const Bounds& closed, const ControlFonts&, int dpi) {
    const int itemHeight = ScaleForDpi(kComboItemHeight, dpi);
    const int closedHeight = closed.height;
    SetWindowPos(combo, nullptr, closed.left, closed.top, closed.width,
                 closedHeight + kComboVisibleRows * itemHeight + 2, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(combo, CB_SETITEMHEIGHT, 0, itemHeight);
    auto field = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3 && WindowHeight(combo) != closedHeight; ++attempt) {
        field += closedHeight - WindowHeight(combo);
        SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
    SendMessageA(combo, CB_SETMINVISIBLE, kComboVisibleRows, 0);
}

// A group box is a container with the captioned frame at its bottom: its
// one child without an id, as large as the box.
void AddGroupFrame(HWND box, const LayoutRow& row) {
    CreateWindowExA(0, "Button", row.properties.caption,
                    WS_CHILD | WS_VISIBLE | BS_GROUPBOX | WS_CLIPSIBLINGS, 0, 0, 0, 0, box, nullptr,
                    GetModuleHandleA(nullptr), nullptr);
}

// A picture that sizes itself takes its picture's size at the layout's scale.
Bounds GraphicBounds(const Graphic& graphic, Bounds bounds) {
    if (!graphic.autoSize || !graphic.picture) return bounds;
    const SIZE size = ShownSize(graphic);
    return {bounds.left, bounds.top, size.cx, size.cy};
}

void MoveControl(HWND control, const Bounds& bounds) {
    SetWindowPos(control, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(control, nullptr, TRUE);
}

void PlacePlain(HWND control, const Bounds& bounds, const ControlFonts&, int) {
    MoveControl(control, bounds);
}

void PlacePage(HWND control, const Bounds&, const ControlFonts&, int) {
    MoveControl(control, PageArea(GetParent(control)));
}

void PlaceGroupBox(HWND box, const Bounds& bounds, const ControlFonts& fonts, int) {
    const HWND frame = GetDlgItem(box, 0);
    SetWindowPos(frame, nullptr, 0, 0, bounds.width, bounds.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(frame, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.normal.Get()), FALSE);
    MoveControl(box, bounds);
}

void PlaceGraphic(HWND control, const Bounds& bounds, const ControlFonts&, int dpi) {
    Graphic& graphic = *GraphicOf(control);
    graphic.dpi = dpi;
    MoveControl(control, GraphicBounds(graphic, bounds));
}

// What sets one kind of control apart from the others, beside its class and styles.
enum KindFlag : unsigned {
    // Every control but a picture keeps its siblings' area to them; a
    // picture paints under the see-through click areas that lie on it.
    kOverSiblings = 1,
    kNoText = 2,        // a page's caption is its tab's, a group box's its frame's
    kStartsHidden = 4,  // a page waits until its page control selects it
    kLink = 8,          // underlined and in the link colour
    kDrawnByGraphic = 16,
};

struct KindTraits {
    ControlKind kind;
    const char* className;
    DWORD style;  // beside WS_CHILD, WS_VISIBLE, WS_CLIPSIBLINGS and the row's tab stop
    DWORD exStyle;
    // Adds what the window needs beside itself, once it is made.
    void (*complete)(HWND control, const LayoutRow& row);
    // Puts the control at its scaled bounds, in the fonts made for the DPI.
    void (*place)(HWND control, const Bounds& bounds, const ControlFonts& fonts, int dpi);
    unsigned flags;
};

constexpr DWORD kContainer = WS_EX_CONTROLPARENT;

// In the order of ControlKind.
constexpr auto kKindTraits = [] {
    using enum ControlKind;
    // clang-format off
    return std::to_array<KindTraits>({
        // kind       class            style                           exStyle     complete       place
        //            flags
        {PageControl, WC_TABCONTROLA,  TCS_MULTILINE | WS_CLIPCHILDREN, kContainer, nullptr,       PlacePlain,
                      0},
        {Page,        kContainerClass, WS_CLIPCHILDREN,                kContainer, AddPage,       PlacePage,
                      kNoText | kStartsHidden},
        {Panel,       kContainerClass, WS_CLIPCHILDREN,                kContainer, nullptr,       PlacePlain,
                      0},
        // The frame covers the whole box but leaves its inside to the box's
        // own background: the box must not clip it out.
        {GroupBox,    kContainerClass, 0,                              kContainer, AddGroupFrame, PlaceGroupBox,
                      kNoText},
        {PushButton,  "Button",        BS_PUSHBUTTON,                  0,          nullptr,       PlacePlain,
                      0},
        {ComboBox,    "ComboBox",      CBS_DROPDOWNLIST | WS_VSCROLL,  0,          nullptr,       PlaceComboBox,
                      0},
        {Picture,     kGraphicClass,   0,                              0,          nullptr,       PlaceGraphic,
                      kOverSiblings | kDrawnByGraphic},
        {Shape,       kGraphicClass,   0,                              0,          nullptr,       PlaceGraphic,
                      kDrawnByGraphic},
        {Memo,        "Edit",          ES_MULTILINE | ES_READONLY | ES_CENTER | ES_NOHIDESEL,
                                                                       0,          nullptr,       PlacePlain,
                      0},
        {LinkLabel,   "Static",        SS_LEFT | SS_NOTIFY,            0,          nullptr,       PlacePlain,
                      kLink},
    });
    // clang-format on
}();

constexpr bool InKindOrder() {
    for (std::size_t index = 0; index < std::size(kKindTraits); ++index) {
        if (static_cast<std::size_t>(kKindTraits[index].kind) != index) return false;
    }
    return std::size(kKindTraits) == static_cast<std::size_t>(ControlKind::LinkLabel) + 1;
}
static_assert(InKindOrder(), "one row per kind, in the order of ControlKind");

const KindTraits& TraitsOf(ControlKind kind) {
    return kKindTraits[static_cast<std::size_t>(kind)];
}

bool Has(const KindTraits& traits, KindFlag flag) {
    return (traits.flags & flag) != 0;
}

HFONT MakeFont(const char* face, int height, int dpi, bool underline) {
    return CreateFontA(ScaleForDpi(height, dpi), 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face);
}

DWORD ExStyleFor(const LayoutRow& row) {
    // A picture without a picture of its own is a see-through click area.
    const bool seeThrough = row.kind == ControlKind::Picture && !row.properties.picture;
    return TraitsOf(row.kind).exStyle | (seeThrough ? WS_EX_TRANSPARENT : 0);
}

DWORD StyleFor(const LayoutRow& row) {
    const KindTraits& traits = TraitsOf(row.kind);
    return WS_CHILD | traits.style | (Has(traits, kStartsHidden) ? 0 : WS_VISIBLE) |
           (Has(traits, kOverSiblings) ? 0 : WS_CLIPSIBLINGS) | (row.properties.tabStop ? WS_TABSTOP : 0);
}

}  // namespace

Graphic::~Graphic() {
    if (window) DestroyWindow(window);
}

LayoutControl::LayoutControl() = default;
LayoutControl::~LayoutControl() = default;
LayoutControl::LayoutControl(LayoutControl&&) noexcept = default;
LayoutControl& LayoutControl::operator=(LayoutControl&&) noexcept = default;

ControlFonts::ControlFonts(const char* face, int height, int dpi)
    : normal(MakeFont(face, height, dpi, false)), link(MakeFont(face, height, dpi, true)) {}

LayoutControl CreateControl(const LayoutRow& row, HWND parent, int id, const ControlFonts& fonts, int dpi) {
    RegisterClasses();
    const KindTraits& traits = TraitsOf(row.kind);
    LayoutControl control;
    if (Has(traits, kDrawnByGraphic)) {
        control.graphic = std::make_unique<Graphic>();
        control.graphic->shape = row.kind == ControlKind::Shape;
        control.graphic->autoSize = row.properties.autoSize;
    }
    control.window = CreateWindowExA(ExStyleFor(row), traits.className,
                                     Has(traits, kNoText) ? nullptr : row.properties.caption, StyleFor(row),
                                     0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleA(nullptr), control.graphic.get());
    if (!control.window) Raise(ControlCreationError(row.name));
    SetWindowPos(control.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (traits.complete) traits.complete(control.window, row);
    PlaceControl(control.window, row, fonts, dpi);
    if (row.properties.picture)
        SetControlPicture(control.window, Picture::FromFile(ResourceBytes(row.properties.picture)));
    return control;
}

// The font goes first: it decides the height of the page control's tabs,
// hence the area of its pages.
void PlaceControl(HWND control, const LayoutRow& row, const ControlFonts& fonts, int dpi) {
    const KindTraits& traits = TraitsOf(row.kind);
    SendMessageA(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(Has(traits, kLink) ? fonts.link.Get() : fonts.normal.Get()), TRUE);
    traits.place(control, ScaleForDpi(row.bounds, dpi), fonts, dpi);
}

void SetControlPicture(HWND control, std::unique_ptr<Picture> picture) {
    Graphic& graphic = *GraphicOf(control);
    graphic.picture = std::move(picture);
    if (graphic.autoSize && graphic.picture) {
        const SIZE size = ShownSize(graphic);
        SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(control, nullptr, FALSE);
}

// The brush is the DC's own, set to the row's colour: nothing to make or free.
HBRUSH ControlColors(const LayoutRow& row, HDC dc) {
    if (!row.properties.background) return nullptr;
    const RgbColor& background = *row.properties.background;
    const COLORREF color = RGB(background.red, background.green, background.blue);
    SetTextColor(dc, Has(TraitsOf(row.kind), kLink) ? kLinkBlue : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, color);
    SetDCBrushColor(dc, color);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

void SelectPage(HWND pageControl, int index) {
    SendMessageA(pageControl, TCM_SETCURSEL, index, 0);
    ShowSelectedPage(pageControl);
}

int SelectedPage(HWND pageControl) {
    return static_cast<int>(SendMessageA(pageControl, TCM_GETCURSEL, 0, 0));
}

void ShowSelectedPage(HWND pageControl) {
    const int selected = SelectedPage(pageControl);
    const int count = PageCount(pageControl);
    for (int index = 0; index < count; ++index) {
        ShowWindow(PageWindow(pageControl, index), index == selected ? SW_SHOW : SW_HIDE);
    }
}

void TurnPageControl(HWND pageControl, int step) {
    const int count = PageCount(pageControl);
    if (count == 0) return;
    SelectPage(pageControl, ((SelectedPage(pageControl) + step) % count + count) % count);
}
