#include "units/converter_window.h"

#include <string>
#include <utility>

#include "app/clipboard_text.h"
#include "app/startup_marks.h"
#include "app/window_text.h"
#include "numfmt/locale_number_format.h"
#include "platform/accessible_name.h"
#include "platform/owned_handle.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"
#include "units/category_tab.h"
#include "units/combo_unit_list.h"
#include "units/tool_table.h"

namespace tv {
namespace {

constexpr int kInputLimit = 48;

HWND MakeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, const LayoutRect& r, int id,
               DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.Width(), r.Height(),
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

// A label in front of its field, for screen readers as much as the eye: it
// paints only its text, the window's gradient showing round it.
HWND MakeLabel(HWND parent, int textId, int id) {
    return MakeChild(parent, L"STATIC", StringResource(textId).c_str(), SS_OWNERDRAW, {}, id, WS_EX_TRANSPARENT);
}

const wchar_t* KeyCaption(int id) {
    static const wchar_t* const kDigits[] = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"};
    if (id >= IDC_KEY_0 && id <= IDC_KEY_9) return kDigits[id - IDC_KEY_0];
    switch (id) {
        case IDC_KEY_BACK: return L"<-";
        case IDC_KEY_POINT: return L".";
        case IDC_KEY_MINUS: return L"-";
        default: return L"C";
    }
}

}  // namespace

const ConverterWindow::CommandEntry ConverterWindow::kCommands[] = {
    {IDC_TITLE_OK, IDC_TITLE_OK, &ConverterWindow::OnTitleOk},
    {IDC_CONVERT_BUTTON, IDC_CONVERT_BUTTON, &ConverterWindow::OnConvert},
    {IDC_FROM_LIST, IDC_FROM_LIST, &ConverterWindow::OnUnitChange},
    {IDC_TO_LIST, IDC_TO_LIST, &ConverterWindow::OnUnitChange},
    {ID_COPY, ID_COPY, &ConverterWindow::OnCopy},
    {ID_PASTE, ID_PASTE, &ConverterWindow::OnPaste},
    {ID_SWAP_UNITS, ID_SWAP_UNITS, &ConverterWindow::OnSwapUnits},
    {ID_CATEGORY_FIRST, ID_CATEGORY_LAST, &ConverterWindow::OnCategory},
    {ID_ZOOM_IN, ID_ZOOM_RESET, &ConverterWindow::OnZoom},
};

ConverterWindow::~ConverterWindow() {
    // Its destructor writes the units back and saves every setting.
    category_.reset();
    keypad_.Detach();
}

LRESULT ConverterWindow::OnCreate() {
    SetForegroundWindow(window_);
    if (!shell::IsPortraitScreen()) {
        // Two columns of seven categories, the second from "Mass".
        if (HMENU units = shell::MenuBarSubMenu(window_, IDMB_UNIT)) {
            MENUITEMINFOW item = {sizeof item};
            item.fMask = MIIM_FTYPE;
            GetMenuItemInfoW(units, ID_CATEGORY_FIRST + kMass, FALSE, &item);
            item.fType |= MFT_MENUBARBREAK;
            SetMenuItemInfoW(units, ID_CATEGORY_FIRST + kMass, FALSE, &item);
        }
    }
    StartupMark("foreground, landscape menu");
    if (settings_.store) LoadSettings(settings_.record, *settings_.store);
    StartupMark("settings");
    if (static_cast<int>(settings_.record.Zoom) != shell::Zoom()) ApplyZoom(static_cast<int>(settings_.record.Zoom));
    font_.Create(Scale());
    tabFont_.Create(Scale(), 90, FW_BOLD);
    StartupMark("fonts");
    CreateControls();
    StartupMark("controls, layout");
    keypad_.Attach(window_);
    SwitchCategory(settings_.record.Category, false);
    StartupMark("first category");
    return 0;
}

void ConverterWindow::CreateControls() {
    const DWORD field = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    const DWORD list = WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
    // Made in tab order, which is reading order; LayOut places them.
    MakeLabel(window_, IDS_FROM, IDC_FROM_LABEL);
    HWND input = MakeChild(window_, L"EDIT", L"", field | WS_GROUP, {}, IDC_INPUT);
    SendMessageW(input, EM_SETLIMITTEXT, kInputLimit, 0);
    MakeChild(window_, L"COMBOBOX", L"", list, {}, IDC_FROM_LIST);
    MakeLabel(window_, IDS_TO, IDC_TO_LABEL);
    MakeChild(window_, L"EDIT", L"", field | ES_READONLY, {}, IDC_RESULT);
    MakeChild(window_, L"COMBOBOX", L"", list, {}, IDC_TO_LIST);
    for (const auto& [id, name] : {std::pair{IDC_INPUT, IDS_NAME_FROM}, {IDC_FROM_LIST, IDS_NAME_FROM_UNIT},
                                  {IDC_RESULT, IDS_NAME_TO}, {IDC_TO_LIST, IDS_NAME_TO_UNIT}})
        SetAccessibleName(GetDlgItem(window_, id), StringResource(name));
    // The keys and Convert are one group: the arrow keys move among them.
    DWORD group = WS_GROUP;
    for (const ConverterLayout::Key& key : LayOutConverter(0, 0, Scale(), true, 0).keys) {
        MakeChild(window_, L"BUTTON", KeyCaption(key.id), BS_OWNERDRAW | WS_TABSTOP | std::exchange(group, 0), {}, key.id);
    }
    MakeChild(window_, L"BUTTON", StringResource(IDS_CONVERT).c_str(), BS_OWNERDRAW | WS_TABSTOP, {},
              IDC_CONVERT_BUTTON);
    // The layout was made for the lists' closed height in the system's font:
    // measured before the dialog font, and scaled with the window after.
    RECT closed = {};
    GetWindowRect(GetDlgItem(window_, IDC_FROM_LIST), &closed);
    const int system = shell::LogPixelsY();
    listHeight_ = {closed.bottom - closed.top, LayoutScale{system, system}};
    font_.ApplyToChildren(window_);
    LayOut();
    SetFocus(input);
    keypad_.SetTarget(input);
}

void ConverterWindow::LayOut() {
    RECT client;
    GetClientRect(window_, &client);
    // The lists' closed height decides where everything below them goes.
    const int listHeight = Scale().YFrom(listHeight_.first, listHeight_.second);
    layout_ = LayOutConverter(client.right, client.bottom, Scale(), shell::IsPortraitScreen(), listHeight);
    const auto place = [&](int id, const LayoutRect& r) {
        SetWindowPos(GetDlgItem(window_, id), nullptr, r.left, r.top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
    };
    for (const auto& [id, top] : {std::pair{IDC_FROM_LABEL, layout_.input.top}, {IDC_TO_LABEL, layout_.toLabelY}}) {
        place(id, FieldLabelBand(layout_, top, Scale()));
    }
    place(IDC_INPUT, layout_.input);
    place(IDC_FROM_LIST, layout_.fromList);
    place(IDC_RESULT, layout_.result);
    place(IDC_TO_LIST, layout_.toList);
    for (const ConverterLayout::Key& key : layout_.keys) place(key.id, key.rect);
    place(IDC_CONVERT_BUTTON, layout_.convert);
}

void ConverterWindow::Rescale(const RECT* suggested) {
    const RECT frame = suggested ? *suggested
                                 : shell::FrameForClientArea(GetWindowLongW(window_, GWL_STYLE),
                                                             GetWindowLongW(window_, GWL_EXSTYLE), true, Scale());
    // Painted once, when everything is in its place; a window not yet shown
    // (zoomed as it starts) is left hidden, as redraw on would show it.
    const bool shown = IsWindowVisible(window_);
    if (shown) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    SetWindowPos(window_, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    font_.Remake(window_, Scale());
    tabFont_.Create(Scale(), 90, FW_BOLD);
    LayOut();
    if (shown) SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ConverterWindow::ApplyZoom(int zoom) {
    const LayoutScale fits = shell::FittingScale(window_, LayoutScale{Scale().dpiX, Scale().dpiY, zoom}, kZoomSteps,
                                                 static_cast<int>(std::size(kZoomSteps)));
    settings_.record.Zoom = static_cast<uint32_t>(fits.zoom);
    if (fits.zoom == Scale().zoom) return;
    shell::SetZoom(fits.zoom);
    SendMessageW(window_, kZoomChangedMessage, 0, 0);
}

void ConverterWindow::OnZoom(int id, int) {
    ApplyZoom(NextZoom(Scale().zoom, id == ID_ZOOM_IN ? 1 : id == ID_ZOOM_OUT ? -1 : 0));
}

void ConverterWindow::SwitchCategory(int id, bool repaintTab) {
    // A damaged stored category names none: start at the first.
    if (id < 0 || id >= kCategoryCount) id = 0;
    settings_.record.Category = static_cast<uint16_t>(id);
    category_.reset();
    category_ = CreateUnitCategory(id, settings_);
    SetDlgItemTextW(window_, IDC_INPUT, L"");
    SetDlgItemTextW(window_, IDC_RESULT, L"");
    if (category_) {
        ComboUnitList from(GetDlgItem(window_, IDC_FROM_LIST));
        ComboUnitList to(GetDlgItem(window_, IDC_TO_LIST));
        category_->FillFromList(from);
        category_->FillToList(to);
    }
    if (repaintTab) {
        RECT client;
        GetClientRect(window_, &client);
        const RECT tab = CategoryTabBand(client, layout_);
        InvalidateRect(window_, &tab, TRUE);
    }
}

void ConverterWindow::ConvertAndShow() {
    if (!category_) return;
    wchar_t text[64] = {};
    GetDlgItemTextW(window_, IDC_INPUT, text, 64);
    const double value = ReadUserTypedNumber(text);
    const int to = static_cast<int>(SendDlgItemMessageW(window_, IDC_TO_LIST, CB_GETCURSEL, 0, 0));
    const int from = static_cast<int>(SendDlgItemMessageW(window_, IDC_FROM_LIST, CB_GETCURSEL, 0, 0));
    const double result = category_->Convert(value, from, to);
    SetDlgItemTextW(window_, IDC_RESULT, FormatDisplayNumber(result, settings_.record).c_str());
    SetFocus(GetDlgItem(window_, IDC_INPUT));
}

void ConverterWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    // The tab names the category as the Unit menu spells it.
    wchar_t name[129] = {};
    HMENU units = shell::MenuBarSubMenu(window_, IDMB_UNIT);
    const int category = settings_.record.Category < kCategoryCount ? settings_.record.Category : 0;
    if (!units || !GetMenuStringW(units, ID_CATEGORY_FIRST + category, name, 129, MF_BYCOMMAND)) {
        lstrcpynW(name, CategoryName(category), 129);
    }
    PaintConverterBackground(dc, client, {layout_, name, tabFont_.Handle(), Scale()});
    EndPaint(window_, &ps);
    StartupMark("window painted");
}

void ConverterWindow::OnInitMenuPopup(HMENU menu) {
    if (menu == shell::MenuBarSubMenu(window_, IDMB_UNIT)) {
        CheckMenuRadioItem(menu, ID_CATEGORY_FIRST, ID_CATEGORY_LAST, ID_CATEGORY_FIRST + settings_.record.Category,
                           MF_BYCOMMAND);
    } else if (menu == shell::MenuBarSubMenu(window_, IDMB_EDIT)) {
        const bool result = GetWindowTextLengthW(GetDlgItem(window_, IDC_RESULT)) > 0;
        EnableMenuItem(menu, ID_COPY, MF_BYCOMMAND | (result ? MF_ENABLED : MF_GRAYED));
        EnableMenuItem(menu, ID_PASTE, MF_BYCOMMAND | (ClipboardHasText() ? MF_ENABLED : MF_GRAYED));
    }
}

void ConverterWindow::OnActivate(WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        settings_.Save();
    } else if (HWND input = GetDlgItem(window_, IDC_INPUT)) {
        // Back from a tool or another program: typing goes to the input field.
        if (!IsChild(window_, GetFocus())) SetFocus(keypad_.Target() ? keypad_.Target() : input);
    }
}

void ConverterWindow::OnTitleOk(int, int) { PostMessageW(window_, WM_CLOSE, 0, 0); }
void ConverterWindow::OnConvert(int, int) { ConvertAndShow(); }

void ConverterWindow::OnUnitChange(int, int code) {
    if (code == CBN_SELCHANGE) PostMessageW(window_, WM_COMMAND, IDC_CONVERT_BUTTON, 0);
}

void ConverterWindow::OnCopy(int, int) { CopyFieldToClipboard(window_, GetDlgItem(window_, IDC_RESULT)); }
void ConverterWindow::OnPaste(int, int) { SendDlgItemMessageW(window_, IDC_INPUT, WM_PASTE, 0, 0); }
// The two lists trade places and the same input converts again, which
// records the swapped pair for the category to save.
void ConverterWindow::OnSwapUnits(int, int) {
    HWND from = GetDlgItem(window_, IDC_FROM_LIST), to = GetDlgItem(window_, IDC_TO_LIST);
    const LRESULT wasFrom = SendMessageW(from, CB_GETCURSEL, 0, 0);
    SendMessageW(from, CB_SETCURSEL, SendMessageW(to, CB_GETCURSEL, 0, 0), 0);
    SendMessageW(to, CB_SETCURSEL, wasFrom, 0);
    ConvertAndShow();
}

void ConverterWindow::OnCategory(int id, int) { SwitchCategory(id - ID_CATEGORY_FIRST, true); }

LRESULT ConverterWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (const ToolEntry* tool = FindTool(id)) {
                tool->run(GetActiveWindow(), settings_.record);
                // The Options dialog may have chosen another size.
                if (static_cast<int>(settings_.record.Zoom) != Scale().zoom)
                    ApplyZoom(static_cast<int>(settings_.record.Zoom));
                if (tool->convertsAgain) PostMessageW(window_, WM_COMMAND, IDC_CONVERT_BUTTON, 0);
                return 0;
            }
            for (const CommandEntry& c : kCommands) {
                if (id >= c.first && id <= c.last) {
                    (this->*c.handler)(id, HIWORD(wParam));
                    return 0;
                }
            }
            break;
        }
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything: no flicker
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType != ODT_STATIC) break;
            const SelectedObject font(item.hDC, font_.Handle());
            PaintFieldLabel(item.hDC, item.rcItem, WindowText(item.hwndItem), Scale());
            return TRUE;
        }
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            return 0;
        default:
            break;
    }
    return AppFrame::Dispatch(message, wParam, lParam);
}

}  // namespace tv
