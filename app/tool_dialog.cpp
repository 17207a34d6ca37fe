#include "app/tool_dialog.h"

#include "app/palette.h"
#include "app/window_text.h"
#include "platform/accessible_name.h"
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

void ToolDialog::NameForReaders() {
    for (const auto& [control, text] : ReaderNames()) {
        if (control) SetAccessibleName(GetDlgItem(dialog_, control), StringResource(text));
        // Every caption is the program's: the name says which tool opened.
        else SetAccessibleName(dialog_, WindowText(dialog_) + L" \x2013 " + StringResource(text));
    }
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
    font_.Create(Scale());
    font_.ApplyToChildren(dialog_);
    rules_.Apply(dialog_, Scale());
    if (keypad) keypad_.Attach(dialog_);
}

namespace {

// What a template's lengths count: quarters of the letters' average width
// and eighths of their height.
constexpr LayoutScale kDialogUnits{4, 8};

// A template's dialog units in `font`, as the system measures them to lay
// the template out: half the average width of the letters, and the height.
LayoutScale DialogUnits(HFONT font) {
    HDC dc = GetDC(nullptr);
    const SelectedObject selected(dc, font);
    TEXTMETRICW metrics = {};
    SIZE letters = {};
    GetTextMetricsW(dc, &metrics);
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    ReleaseDC(nullptr, dc);
    return LayoutScale{(letters.cx / 26 + 1) / 2, static_cast<int>(metrics.tmHeight)};
}

}  // namespace

void ToolDialog::NoteTemplateControls() {
    TakeScale(dialog_);
    // Lengths in a template follow its font: a control keeps its place in
    // proportion to the font's dialog units.
    RECT units = {0, 0, 4, 8};
    MapDialogRect(dialog_, &units);
    templateUnits_ = LayoutScale{units.right, units.bottom};
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        // A list box's height is the list's when dropped, not the closed box's.
        if (RECT dropped; SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)))
            r.bottom = r.top + (dropped.bottom - dropped.top);
        MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
        // Back in the template's dialog units: whole numbers, a pixel or more apart.
        const LayoutScale& from = templateUnits_;
        templateControls_.emplace_back(child, RECT{kDialogUnits.XFrom(r.left, from), kDialogUnits.YFrom(r.top, from),
                                                   kDialogUnits.XFrom(r.right - r.left, from),
                                                   kDialogUnits.YFrom(r.bottom - r.top, from)});
    }
}

void ToolDialog::PlaceTemplateControls() {
    const LayoutScale s = DialogUnits(font_.Handle());
    for (const auto& [child, units] : templateControls_) {
        // A control the dialog replaced with one of its own is its to place.
        if (!IsWindow(child) || GetParent(child) != dialog_) continue;
        // Place and size each in proportion, as the system lays a template out;
        // a rule takes the size of its bitmap, made for the scale.
        const bool rule = (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
        SetWindowPos(child, nullptr, s.XFrom(units.left, kDialogUnits), s.YFrom(units.top, kDialogUnits),
                     s.XFrom(units.right, kDialogUnits), s.YFrom(units.bottom, kDialogUnits),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | (rule ? SWP_NOSIZE : 0));
    }
}

void ToolDialog::Rescale(const RECT* suggested) {
    SendMessageW(dialog_, WM_SETREDRAW, FALSE, 0);
    shell::RemoveDialogScroll(dialog_);
    font_.Remake(dialog_, Scale());
    PlaceTemplateControls();
    rules_.Apply(dialog_, Scale());
    OnRescale();
    SendMessageW(dialog_, WM_SETREDRAW, TRUE, 0);
    shell::MakeDialogFullScreen(dialog_, Scale(), suggested);
    // What the dialog places by its size is placed again, even at the same size.
    RECT client;
    GetClientRect(dialog_, &client);
    SendMessageW(dialog_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    RedrawWindow(dialog_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
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
    if (LRESULT shared = 0; message != WM_INITDIALOG && HandleShared(dialog_, message, wParam, lParam, shared))
        return TRUE;
    switch (message) {
        case WM_INITDIALOG: {
            NoteTemplateControls();
            const bool systemFocus = OnInitDialog();
            NameForReaders();  // the lists a dialog makes itself too
            // A dialog that keeps the template's font takes one at the zoom;
            // where the dialog font is the template's, its places stand.
            if (!font_.Handle() && Scale().zoom != 100) font_.Remake(dialog_, Scale());
            if (font_.Handle() && DialogUnits(font_.Handle()) != templateUnits_) PlaceTemplateControls();
            shell::MakeDialogFullScreen(dialog_, Scale());
            return systemFocus ? TRUE : FALSE;
        }
        case WM_COMMAND: {
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
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
            if (shell::ScrollDialog(dialog_, message, wParam, Scale())) return TRUE;
            break;
        case WM_NEXTDLGCTL:
            // The focus moves once this returns: then it is brought into view.
            PostMessageW(dialog_, kShowFocusMessage, 0, 0);
            break;
        case kShowFocusMessage:
            shell::ScrollIntoView(dialog_, GetFocus(), Scale());
            return TRUE;
        default:
            break;
    }
    INT_PTR result = FALSE;
    if (OnMessage(message, wParam, lParam, result)) return result;
    return PaintBackground(message, wParam, lParam, result) ? result : FALSE;
}

}  // namespace tv
