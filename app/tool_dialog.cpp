#include "app/tool_dialog.h"

#include "app/palette.h"
#include "platform/dialog_scroll.h"
#include "platform/shell_layer.h"

namespace tv {

ToolDialog::~ToolDialog() {
    // By now the derived parts (brushes, icons, lists) are gone: the window
    // forgets this object before it is destroyed, so none of the messages
    // its destruction sends reaches them.
    if (!dialog_) return;
    SetWindowLongPtrW(dialog_, DWLP_USER, 0);
    if (!modal_) DestroyWindow(dialog_);
}

const DLGTEMPLATE* ToolDialog::LoadTemplate() const {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId_), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!found) return nullptr;
    return static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(instance, found)));
}

INT_PTR ToolDialog::RunModal(HWND owner) {
    const DLGTEMPLATE* t = LoadTemplate();
    if (!t) return -1;
    modal_ = true;
    result_ = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t, owner, Proc, reinterpret_cast<LPARAM>(this));
    dialog_ = nullptr;
    return result_;
}

HWND ToolDialog::CreateModeless(HWND owner) {
    const DLGTEMPLATE* t = LoadTemplate();
    if (!t) return nullptr;
    modal_ = false;
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), t, owner, Proc, reinterpret_cast<LPARAM>(this));
    if (dialog_) ShowWindow(dialog_, SW_SHOW);
    return dialog_;
}

void ToolDialog::SetUpConventions(int menuBarId, bool keypad) {
    if (menuBarId) shell::CreateMenuBar(dialog_, menuBarId);
    font_.Create();
    font_.ApplyToChildren(dialog_);
    rules_.Apply(dialog_);
    if (keypad) keypad_.Attach(dialog_);
}

void ToolDialog::End(INT_PTR result) {
    result_ = result;
    if (modal_) {
        EndDialog(dialog_, result);
    } else {
        DestroyWindow(dialog_);
    }
}

bool ToolDialog::PaintBackground(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (background_ == CLR_INVALID) return false;
    // The device context's own brush, coloured at each paint: the colours
    // follow a change to high contrast, and a paint makes no brush.
    const HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const auto colour = [&] { return PaletteColour(background_, COLOR_BTNFACE); };
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(dialog_, &ps);
            RECT client;
            GetClientRect(dialog_, &client);
            SetDCBrushColor(dc, colour());
            FillRect(dc, &client, brush);
            EndPaint(dialog_, &ps);
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORSTATIC:
            if (!StaticOnBackground(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)))) return false;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            if (HighContrast()) SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNTEXT));
            [[fallthrough]];
        case WM_CTLCOLORDLG:  // erased in the same colour: no grey flash before the paint
            SetDCBrushColor(reinterpret_cast<HDC>(wParam), colour());
            result = reinterpret_cast<INT_PTR>(brush);
            return true;
        default:
            return false;
    }
}

INT_PTR CALLBACK ToolDialog::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ToolDialog*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        self->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<ToolDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    const INT_PTR result = self->Handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        self->dialog_ = nullptr;
    }
    return result;
}

INT_PTR ToolDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const bool systemFocus = OnInitDialog();
            shell::MakeDialogFullScreen(dialog_);
            return systemFocus ? TRUE : FALSE;
        }
        case WM_COMMAND: {
            if (keypad_.HandleCommand(wParam, lParam)) return TRUE;
            const int id = LOWORD(wParam);
            // Enter with no default button arrives as OK; the title-bar OK never
            // comes with the Enter key down.
            if (id == IDOK && !lParam && EnterCommand() && (GetKeyState(VK_RETURN) & 0x8000)) {
                SendMessageW(dialog_, WM_COMMAND, EnterCommand(),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog_, EnterCommand())));
                return TRUE;
            }
            if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
            // The close box and Esc are the title-bar OK here.
            if (id == IDOK || id == IDCANCEL) {
                if (id == IDCANCEL && OnCommand(IDOK, 0, nullptr)) return TRUE;
                End(IDOK);
                return TRUE;
            }
            return FALSE;
        }
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            if (keypad_.HandleOwnerDraw(message, lParam)) return TRUE;
            break;
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
            if (shell::ScrollDialog(dialog_, message, wParam)) return TRUE;
            break;
        case WM_NEXTDLGCTL:
            // The focus moves once this returns: then it is brought into view.
            PostMessageW(dialog_, kShowFocusMessage, 0, 0);
            break;
        case kShowFocusMessage:
            shell::ScrollIntoView(dialog_, GetFocus());
            return TRUE;
        case WM_HELP:
            if (helpTopic_) shell::ShowHelp(helpTopic_);
            return TRUE;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            rules_.Apply(dialog_);
            RepaintForNewColours(dialog_, message, wParam, lParam);
            break;
        default:
            break;
    }
    INT_PTR result = FALSE;
    if (OnMessage(message, wParam, lParam, result)) return result;
    return PaintBackground(message, wParam, lParam, result) ? result : FALSE;
}

}  // namespace tv
