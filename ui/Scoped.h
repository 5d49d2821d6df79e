// Small owners for what the program opens from the system: each gives its
// handle back when it goes out of scope, even when an error is on its way, so
// no release call is paired by hand. Owners move and never copy.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <utility>

// The COM pointer is the SDK's: it releases on scope exit and on reassignment.
using Microsoft::WRL::ComPtr;

// One owner over a traits type that names the handle type, its empty value
// and the call that gives it back.
template <typename Traits>
class Scoped {
public:
    using Handle = typename Traits::Handle;

    Scoped() noexcept = default;
    explicit Scoped(Handle handle) noexcept : handle_(handle) {}
    ~Scoped() { Reset(); }
    Scoped(Scoped&& other) noexcept : handle_(other.Release()) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    Handle Get() const noexcept { return handle_; }
    bool IsValid() const noexcept { return handle_ != Traits::Empty(); }
    explicit operator bool() const noexcept { return IsValid(); }

    // Gives the handle up without closing it.
    Handle Release() noexcept { return std::exchange(handle_, Traits::Empty()); }
    void Reset(Handle handle = Traits::Empty()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Empty()) Traits::Close(old);
    }
    // For a call that hands the handle out through a pointer: closes the one
    // held and lets the call write the new one.
    Handle* Receive() noexcept {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Empty();
};

// The traits of a kernel handle whose failure value is INVALID_HANDLE_VALUE,
// not null, given back by `release`.
template <auto release>
struct InvalidValueEmptyTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { release(handle); }
};

// A file from CreateFile.
using ScopedFile = Scoped<InvalidValueEmptyTraits<&CloseHandle>>;
// A search from FindFirstFile.
using ScopedFind = Scoped<InvalidValueEmptyTraits<&FindClose>>;

// The traits of a handle that is null when empty and given back by `release`.
template <typename HandleType, auto release>
struct NullEmptyTraits {
    using Handle = HandleType;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { release(handle); }
};

using ScopedRegistryKey = Scoped<NullEmptyTraits<HKEY, &RegCloseKey>>;
// A DC from CreateCompatibleDC.
using ScopedMemoryDc = Scoped<NullEmptyTraits<HDC, &DeleteDC>>;
// A brush, pen, font or bitmap; it must no longer be selected into a DC when
// it goes (declare its ScopedSelection after it).
template <typename Object>
using ScopedGdiObject = Scoped<NullEmptyTraits<Object, &DeleteObject>>;
using ScopedBstr = Scoped<NullEmptyTraits<BSTR, &SysFreeString>>;
// A library from LoadLibrary; its entries are invalid once it goes.
using ScopedLibrary = Scoped<NullEmptyTraits<HMODULE, &FreeLibrary>>;
// A window the owner destroys; only for a window that nothing else destroys
// (a top-level window of ours), since the handle does not learn of it.
using ScopedWindow = Scoped<NullEmptyTraits<HWND, &DestroyWindow>>;

// A window disabled for as long as the owner lives: while a modal window of
// ours is open, its owner and the other windows wait. Made by DisableWindow.
struct DisabledWindowTraits {
    using Handle = HWND;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle window) noexcept { EnableWindow(window, TRUE); }
};
using ScopedDisabledWindow = Scoped<DisabledWindowTraits>;

inline ScopedDisabledWindow DisableWindow(HWND window) noexcept {
    EnableWindow(window, FALSE);
    return ScopedDisabledWindow(window);
}

// The cursor shown for as long as the owner lives, where the system hides
// it otherwise (a running saver); ShowCursor counts, so each owner adds one.
class ScopedCursorShown {
public:
    ScopedCursorShown() noexcept { ShowCursor(TRUE); }
    ~ScopedCursorShown() { ShowCursor(FALSE); }
    ScopedCursorShown(const ScopedCursorShown&) = delete;
    ScopedCursorShown& operator=(const ScopedCursorShown&) = delete;
};

// A window's DC from GetDC, given back to the same window.
class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~ScopedWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    ScopedWindowDc(ScopedWindowDc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    ScopedWindowDc& operator=(ScopedWindowDc&&) = delete;
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;

    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// A paint cycle of a window, from BeginPaint to its EndPaint: the region it
// validates is validated even when the painting raises, so no WM_PAINT
// follows for ever.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~ScopedPaint() { EndPaint(window_, &paint_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;

    HDC Dc() const noexcept { return dc_; }
    const RECT& Area() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a DC; the DC's previous object returns on scope exit.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() {
        if (dc_ && previous_) SelectObject(dc_, previous_);
    }
    ScopedSelection(ScopedSelection&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), previous_(other.previous_) {}
    ScopedSelection& operator=(ScopedSelection&&) = delete;
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
