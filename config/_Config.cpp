#include "config/_Config.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "config/ConfigLayout.h"
#include "config/EffectNames.h"
#include "config/LinkTargets.h"
#include "saver/ScreenSaver.h"
#include "ui/Application.h"
#include "ui/Resource.h"

TConfig* Config = nullptr;

namespace {

constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kFontHeight = -11;  // 8 point at 96 pixels per inch

std::unique_ptr<ControlFonts> FontsFor(int dpi) {
    return std::make_unique<ControlFonts>(kFontFace, kFontHeight, dpi);
}

const FormLayout& ConfigFormLayout() {
    static const FormLayout layout = {
        .caption = kConfigDesignCaption,
        .clientWidth = kConfigClientWidth,
        .clientHeight = kConfigClientHeight,
        .color = GetSysColor(COLOR_BTNFACE),
        .bordered = true,
        .stayOnTop = false,
        .keyPreview = false,
    };
    return layout;
}

// Pages count in the order of their rows.
int PageIndexOf(const char* name) {
    int index = 0;
    for (const LayoutRow& row : kConfigControls) {
        if (row.kind != ControlKind::Page) continue;
        if (std::string_view(row.name) == name) return index;
        ++index;
    }
    return -1;
}

std::string AboutText() {
    std::string text;
    for (const char* line : kAboutLines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace

TConfig::TConfig() : Form(ConfigFormLayout()) {
    Config = this;
    CreateWindowFromLayout();
    fonts_ = FontsFor(Dpi());
    CreateControls();
    keys_ = std::make_unique<DialogKeys>(Handle(), TabStops(), Button9, PageControl1);
    RunCreateHandler();
}

// The window goes before the fonts its controls use.
TConfig::~TConfig() {
    DestroyWindow(Handle());
    Config = nullptr;
}

// A dialog frame without any border icon, centred on the screen. Started for
// a window of the display settings, the dialog belongs to that window, which
// waits, disabled, until the dialog closes or fails to be built; the
// application then shows no taskbar button of its own.
void TConfig::CreateParams(CreateParamsRecord& params) {
    params.style &= ~WS_SYSMENU;
    params.left = (GetSystemMetrics(SM_CXSCREEN) - params.width) / 2;
    params.top = (GetSystemMetrics(SM_CYSCREEN) - params.height) / 2;
    params.parent = nullptr;
    if (ParentWindow == 0) return;
    const HWND parent = ParentWindowHandle();
    // A handle that names no window would make the dialog fail to appear
    // at all; it then opens without an owner.
    if (IsWindow(parent)) params.parent = parent;
    parentDisabled_ = DisableWindow(parent);
    const HWND applicationWindow = Application::Handle();
    SetWindowLongA(applicationWindow, GWL_EXSTYLE,
                   GetWindowLongA(applicationWindow, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

void TConfig::CreateControls() {
    for (std::size_t index = 0; index < kConfigControls.size(); ++index) {
        const LayoutRow& row = kConfigControls[index];
        const HWND parent = row.parent ? Control(row.parent) : Handle();
        controls_.push_back(
            CreateControl(row, parent, kFirstControlId + static_cast<int>(index), *fonts_, Dpi()));
    }
    PageControl1 = Control("PageControl1");
    comboEffekt = Control("comboEffekt");
    Image1 = Control("Image1");
    Memo1 = Control("Memo1");
    Button9 = Control(kConfigDefaultButton);
    Button10 = Control("Button10");
    for (const char* label : kEffectLabels) {
        SendMessageA(comboEffekt, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    }
    SetWindowTextA(Memo1, AboutText().c_str());
    LayLinkLabelsOnTheirLines();
    SelectPage(PageControl1, PageIndexOf(kTipsPage));
}

// At 96 dpi the memo's lines are as high as the table's line height; at
// another DPI the font's lines do not grow by exactly the scale (13 pixels
// become 20 at 144 dpi, not 19.5), so each link label moves to where its
// line really is, or it would cover part of the line above.
void TConfig::LayLinkLabelsOnTheirLines() {
    RECT memo;
    GetWindowRect(Memo1, &memo);
    MapWindowPoints(HWND_DESKTOP, GetParent(Memo1), reinterpret_cast<POINT*>(&memo), 2);
    for (const auto& [label, line] : kLinkLabelLines) {
        const LRESULT first = SendMessageA(Memo1, EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0);
        const LRESULT position = SendMessageA(Memo1, EM_POSFROMCHAR, static_cast<WPARAM>(first), 0);
        const int left = ScaleForDpi(
            kConfigControls[static_cast<std::size_t>(RowIndex(kConfigControls, label))].bounds.left, Dpi());
        SetWindowPos(Control(label), nullptr, left, memo.top + static_cast<short>(HIWORD(position)), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Every control is laid out anew for the monitor's DPI, in fonts made for
// it; the old fonts go once no control uses them.
void TConfig::OnDpiChanged(const RECT& suggested) {
    auto fonts = FontsFor(Dpi());
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        PlaceControl(controls_[index].window, kConfigControls[index], *fonts, Dpi());
    }
    LayLinkLabelsOnTheirLines();
    fonts_ = std::move(fonts);
    SetBounds(suggested.left, suggested.top, suggested.right - suggested.left,
              suggested.bottom - suggested.top);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND TConfig::Control(const char* name) const {
    const int index = RowIndex(kConfigControls, name);
    return index >= 0 && static_cast<std::size_t>(index) < controls_.size()
               ? controls_[static_cast<std::size_t>(index)].window
               : nullptr;
}

const LayoutRow* TConfig::RowOf(HWND control) const {
    return IsChild(Handle(), control) ? RowOfId(kConfigControls, GetDlgCtrlID(control)) : nullptr;
}

// The layout's rows give the order.
std::vector<HWND> TConfig::TabStops() const {
    std::vector<HWND> stops;
    for (const std::size_t index : TabOrder(kConfigControls)) stops.push_back(controls_[index].window);
    return stops;
}

void TConfig::FormCreate() {
    SetControlPicture(Image1, Picture::FromJpeg(ResourceBytes(kInfoPictureResource)));
    LoadSettings(*this);
    SetCaption(kConfigCaption);
}

void TConfig::FormClose() {
    if (ParentWindow == 0) return;
    parentDisabled_.Reset();
    // Hidden first: an active window that is hidden hands the activation on,
    // and the system may pick another window than the parent.
    Hide();
    SetForegroundWindow(ParentWindowHandle());
}

void TConfig::Button9Click() {
    SaveSettings(*this);
    Close();
}

void TConfig::Button10Click() {
    Close();
}

void TConfig::LinkClick(const char* handler) {
    ShellExecuteA(Handle(), "open", LinkAddressOf(handler), nullptr, nullptr, SW_SHOW);
}

void TConfig::ShowTipsPage() {
    SelectPage(PageControl1, PageIndexOf(kTipsPage));
}

void TConfig::SelectEffect(std::int32_t index) {
    // An index the list does not have leaves nothing selected.
    const bool listed = index >= 0 && index < static_cast<std::int32_t>(kEffectLabels.size());
    SendMessageA(comboEffekt, CB_SETCURSEL, listed ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

std::int32_t TConfig::SelectedEffect() const {
    return static_cast<std::int32_t>(SendMessageA(comboEffekt, CB_GETCURSEL, 0, 0));
}

// Enter reaches here as the default button's click, Escape as IDCANCEL,
// which no control has: it does nothing.
void TConfig::Click(int controlId) {
    const LayoutRow* row = RowOfId(kConfigControls, controlId);
    if (!row || !row->properties.onClick) return;
    const std::string_view handler = row->properties.onClick;
    if (handler == "Button9Click") {
        Button9Click();
    } else if (handler == "Button10Click") {
        Button10Click();
    } else {
        LinkClick(row->properties.onClick);
    }
}

bool TConfig::OnControlMessage(Message& message) {
    switch (message.msg) {
        case WM_COMMAND:
            if (HIWORD(message.wParam) == BN_CLICKED) Click(LOWORD(message.wParam));
            return true;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(message.lParam)->hwndFrom == PageControl1 &&
                reinterpret_cast<const NMHDR*>(message.lParam)->code == static_cast<UINT>(TCN_SELCHANGE)) {
                ShowSelectedPage(PageControl1);
            }
            return false;
        case WM_SETCURSOR: {
            const LayoutRow* row = RowOf(reinterpret_cast<HWND>(message.wParam));
            if (!row || row->properties.cursor == ControlCursor::Default ||
                LOWORD(message.lParam) != HTCLIENT) {
                return false;
            }
            const auto cursor = row->properties.cursor == ControlCursor::Hand ? IDC_HAND : IDC_ARROW;
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(cursor)));
            message.result = TRUE;
            return true;
        }
        default: {  // the WM_CTLCOLOR* family
            const LayoutRow* row = RowOf(reinterpret_cast<HWND>(message.lParam));
            const HBRUSH brush = row ? ControlColors(*row, reinterpret_cast<HDC>(message.wParam)) : nullptr;
            if (!brush) return false;
            message.result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
    }
}

void RunConfig() {
    Application::Initialize();
    TConfig dialog;
    dialog.ShowModal();
}
