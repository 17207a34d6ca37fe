#include "reference/letter_index_strip.h"

#include "app/window_text.h"
#include "platform/accessible_name.h"
#include "platform/owned_handle.h"
#include "reference/code_list.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

constexpr const wchar_t* kClassName = L"TallyvaneLetterStrip";

HFONT FontOf(HWND strip) { return reinterpret_cast<HFONT>(GetWindowLongPtrW(strip, GWLP_USERDATA)); }

// The cell the keys move between, kept in the window's own memory.
int FocusedCell(HWND strip) { return static_cast<int>(GetWindowLongPtrW(strip, 0)); }
void FocusCell(HWND strip, int cell) {
    SetWindowLongPtrW(strip, 0, (cell % kStripCells + kStripCells) % kStripCells);
    InvalidateRect(strip, nullptr, TRUE);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, strip, OBJID_CLIENT, CHILDID_SELF);
}

// A screen reader reads the focused cell's letters as the strip's value.
std::wstring FocusedLetters(HWND strip) { return kStripCellTable[FocusedCell(strip)].label; }

void Paint(HWND strip) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(strip, &ps);
    RECT r;
    GetClientRect(strip, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    const int cellWidth = (r.right - r.left) / kStripCells;
    MoveToEx(dc, r.left, r.top, nullptr);
    LineTo(dc, r.right, r.top);
    for (int i = 1; i < kStripCells; ++i) {
        MoveToEx(dc, i * cellWidth, r.top, nullptr);
        LineTo(dc, i * cellWidth, r.bottom);
    }
    {
        const SelectedObject selected(dc, FontOf(strip));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        for (int i = 0; i < kStripCells; ++i) {
            RECT cell = {i * cellWidth, r.top, i == kStripCells - 1 ? r.right : (i + 1) * cellWidth, r.bottom};
            DrawTextW(dc, kStripCellTable[i].label, -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            if (i == FocusedCell(strip) && GetFocus() == strip) {
                InflateRect(&cell, -2, -2);
                DrawFocusRect(dc, &cell);
            }
        }
    }
    EndPaint(strip, &ps);
}

LRESULT CALLBACK StripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT: {
            // The dialog's font, in every character set: one a font the
            // dialog gives (at each dpi or zoom), not one a paint.
            LOGFONTW lf = {};
            if (!GetObjectW(reinterpret_cast<HFONT>(wParam), sizeof lf, &lf)) return 0;
            lf.lfCharSet = DEFAULT_CHARSET;
            const OwnedFont old(reinterpret_cast<HFONT>(
                SetWindowLongPtrW(strip, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(CreateFontIndirectW(&lf)))));
            if (LOWORD(lParam)) InvalidateRect(strip, nullptr, TRUE);
            return 0;
        }
        case WM_NCDESTROY: {
            const OwnedFont font(reinterpret_cast<HFONT>(SetWindowLongPtrW(strip, GWLP_USERDATA, 0)));
            return DefWindowProcW(strip, message, wParam, lParam);
        }
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(FontOf(strip));
        case WM_PAINT:
            Paint(strip);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(strip, nullptr, TRUE);
            return 0;
        case WM_KEYDOWN:
            // Left and Right move between the cells, Home and End to the
            // first and last; Enter and Space jump, as a tap does.
            switch (wParam) {
                case VK_LEFT: FocusCell(strip, FocusedCell(strip) - 1); return 0;
                case VK_RIGHT: FocusCell(strip, FocusedCell(strip) + 1); return 0;
                case VK_HOME: FocusCell(strip, 0); return 0;
                case VK_END: FocusCell(strip, kStripCells - 1); return 0;
                case VK_RETURN:
                case VK_SPACE:
                    PostMessageW(GetParent(strip), kStripTapMessage, static_cast<WPARAM>(FocusedCell(strip)), 0);
                    return 0;
                default:
                    return DefWindowProcW(strip, message, wParam, lParam);
            }
        case WM_LBUTTONUP: {
            RECT r;
            GetClientRect(strip, &r);
            const int cell = StripCellAt(static_cast<short>(LOWORD(lParam)), r.right - r.left);
            if (cell >= 0) PostMessageW(GetParent(strip), kStripTapMessage, static_cast<WPARAM>(cell), 0);
            return 0;
        }
        default:
            return DefWindowProcW(strip, message, wParam, lParam);
    }
}

}  // namespace

HWND LetterIndexStrip::Create(HWND parent) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    if (!GetClassInfoW(instance, kClassName, &wc)) {
        wc.lpfnWndProc = StripProc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        RegisterClassW(&wc);
    }
    const std::wstring name = StringResource(IDS_NAME_JUMP_TO_LETTER);
    HWND strip = CreateWindowExW(0, kClassName, name.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                                 nullptr, instance, nullptr);
    SetAccessibleName(strip, name);
    SetAccessibleValue(strip, FocusedLetters);
    return strip;
}

}  // namespace tv
