#include "app/app_frame.h"

#include "app/about_dialog.h"
#include "app/startup_marks.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

// The command a zoom key stands for, or 0: Ctrl with Plus, Minus or 0, on
// the main keys or the number pad.
int ZoomCommand(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000)) return 0;
    switch (msg.wParam) {
        case VK_OEM_PLUS:
        case VK_ADD:
            return ID_ZOOM_IN;
        case VK_OEM_MINUS:
        case VK_SUBTRACT:
            return ID_ZOOM_OUT;
        case '0':
        case VK_NUMPAD0:
            return ID_ZOOM_RESET;
        default:
            return 0;
    }
}

}  // namespace

AppFrame::~AppFrame() {
    if (MessageLoop* loop = MessageLoop::Current()) loop->RemoveMessageFilter(this);
    if (window_) DestroyWindow(window_);
}

HWND AppFrame::Create(const wchar_t* title, const RECT& frame, DWORD style) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    if (!GetClassInfoW(instance, kClassName, &wc)) {
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        if (!RegisterClassW(&wc)) return nullptr;
    }
    StartupMark("class registration");
    CreateWindowExW(0, kClassName, title, style, frame.left, frame.top, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr, instance, this);
    return window_;
}

LRESULT CALLBACK AppFrame::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // A window of this class made by anyone but Create has no object:
        // it stays a plain window.
        if (auto* self = static_cast<AppFrame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams)) {
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->window_ = window;
        }
    }
    auto* self = reinterpret_cast<AppFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    if (!self->HandleShared(window, message, wParam, lParam, result)) result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return result;
}

LRESULT AppFrame::CreateFrame() {
    // A window without its menu bar still works.
    StartupMark("window creation");
    TakeScale(window_);
    menuBar_ = shell::CreateMenuBar(window_, IDM_MAIN);
    StartupMark("menu bar");
    accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDA_MAIN));
    StartupMark("accelerators");
    if (MessageLoop* loop = MessageLoop::Current()) loop->AddMessageFilter(this);
    return OnCreate();
}

LRESULT AppFrame::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return CreateFrame();
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case ID_ABOUT:
                    OnAbout();
                    return 0;
                case ID_EXIT:
                case IDC_TITLE_OK:
                    PostMessageW(window_, WM_CLOSE, 0, 0);
                    return 0;
                default:
                    break;
            }
            break;
        case WM_ACTIVATE:
            OnActivate(wParam, lParam);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NEXTDLGCTL: {
            // As a dialog moves the focus for the keys it navigates with:
            // to the control named, or the next or previous tab stop.
            HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                       : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
            if (next && IsChild(window_, next)) SetFocus(next);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void AppFrame::OnAbout() {
    AboutDialog about;
    about.RunModal(GetActiveWindow());
}

void AppFrame::OnDestroy() {
    if (MessageLoop* loop = MessageLoop::Current()) loop->RemoveMessageFilter(this);
    PostQuitMessage(0);
}

bool AppFrame::PreTranslateMessage(MSG& msg) {
    if (!window_) return false;
    // From any window of the program (this thread's), dialogs included.
    if (const int zoom = ZoomCommand(msg)) {
        SendMessageW(window_, WM_COMMAND, zoom, 0);
        return true;
    }
    if (msg.hwnd != window_ && !IsChild(window_, msg.hwnd)) return false;
    if (accelerators_ && TranslateAcceleratorW(window_, accelerators_, &msg)) return true;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        // Esc closes an open unit list first, then the program.
        wchar_t cls[16] = {};
        GetClassNameW(msg.hwnd, cls, 16);
        if (lstrcmpiW(cls, L"ComboBox") == 0 && SendMessageW(msg.hwnd, CB_GETDROPPEDSTATE, 0, 0)) return false;
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return true;
    }
    // Tab and Shift+Tab through the controls, arrows within a group, as in
    // a dialog (Enter and Esc are taken above).
    return (msg.message == WM_KEYDOWN || msg.message == WM_CHAR) && IsDialogMessageW(window_, &msg);
}

}  // namespace tv
