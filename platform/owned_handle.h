// The one owner of a GDI or USER handle that outlives a statement: it
// releases the handle with the call that belongs to its kind, once, when it
// goes or is given another.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tv {

template <typename Handle, auto Free>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(Owned&& other) noexcept : handle_(other.Release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Releases the handle held, then holds `handle`.
    void Reset(Handle handle = nullptr) {
        if (handle_) Free(handle_);
        handle_ = handle;
    }
    // Gives the handle up without releasing it.
    Handle Release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

using OwnedBrush = Owned<HBRUSH, DeleteObject>;
using OwnedPen = Owned<HPEN, DeleteObject>;
using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedBitmap = Owned<HBITMAP, DeleteObject>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedImageList = Owned<HIMAGELIST, ImageList_Destroy>;
using OwnedModule = Owned<HMODULE, FreeLibrary>;
using OwnedMenu = Owned<HMENU, DestroyMenu>;

// An object selected into a device context for one scope, and the one it
// replaced put back when the scope ends.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace tv
