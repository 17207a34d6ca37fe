#include "money/money_dialog.h"

#include <vector>

#include "app/clipboard_text.h"
#include "app/palette.h"
#include "app/window_text.h"
#include "platform/accessible_name.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

namespace tv {
namespace {

constexpr COLORREF kBackground = RGB(196, 255, 198);
constexpr COLORREF kButtonFace = RGB(58, 172, 60);
constexpr COLORREF kButtonText = RGB(255, 255, 255);

// The currency buttons' face: the device context's own brush, coloured.
HBRUSH ButtonFace(HDC dc) {
    SetDCBrushColor(dc, PaletteColour(kButtonFace, COLOR_BTNFACE));
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

bool IsCurrencyButton(int id) {
    return id == IDC_SOURCE_CURRENCY || (id >= IDC_TARGET_CURRENCY_1 && id <= IDC_TARGET_CURRENCY_4);
}

}  // namespace

MoneyDialog::MoneyDialog(const wchar_t* helpTopic, AppSettings& settings, CurrencyListKind list)
    : ToolDialog(IDD_MONEY, helpTopic), settings_(settings), list_(list) {
    SetBackground(kBackground);
}

// The two headings only: the read-only fields keep their own look.
bool MoneyDialog::StaticOnBackground(int id) const {
    return id == IDC_FROM_CURRENCY_LABEL || id == IDC_TO_CURRENCIES_LABEL;
}

void MoneyDialog::SetUpRows(const CurrencySelection& codes) {
    for (int i = 0; i < kMoneyRows; ++i) {
        SendMessageW(Item(IDC_RATE_1 + i), EM_LIMITTEXT, kRateFieldChars, 0);
        SetWindowTextW(Item(IDC_TARGET_CURRENCY_1 + i), codes[static_cast<size_t>(i) + 1].c_str());
        NameRow(i);
    }
    HWND amount = Item(IDC_AMOUNT);
    SetAccessibleName(amount, StringResource(IDS_NAME_AMOUNT));
    SendMessageW(amount, EM_LIMITTEXT, kAmountFieldChars, 0);
    SetWindowTextW(Item(IDC_SOURCE_CURRENCY), codes[0].c_str());
    SetFocus(amount);
    keypad_.SetTarget(amount);
}

// A row's fields are read by the row's currency: "CAD rate", "CAD amount".
void MoneyDialog::NameRow(int row) {
    const std::wstring code = CodeOn(IDC_TARGET_CURRENCY_1 + row) + L" ";
    SetAccessibleName(Item(IDC_RATE_1 + row), code + StringResource(IDS_NAME_RATE));
    SetAccessibleName(Item(IDC_CONVERTED_1 + row), code + StringResource(IDS_NAME_CONVERTED));
}

std::wstring MoneyDialog::CodeOn(int buttonId) const { return WindowText(Item(buttonId), kCodeReadChars + 1); }

CurrencySelection MoneyDialog::Codes() const {
    CurrencySelection codes;
    codes[0] = CodeOn(IDC_SOURCE_CURRENCY);
    for (int i = 0; i < kMoneyRows; ++i) codes[static_cast<size_t>(i) + 1] = CodeOn(IDC_TARGET_CURRENCY_1 + i);
    return codes;
}

void MoneyDialog::Pick(int buttonId) {
    const std::wstring code = CurrencyPickerDialog::Pick(dialog_, list_, CodeOn(buttonId));
    SetWindowTextW(Item(buttonId), code.c_str());
    if (buttonId != IDC_SOURCE_CURRENCY) NameRow(buttonId - IDC_TARGET_CURRENCY_1);
    Picked(buttonId == IDC_SOURCE_CURRENCY ? -1 : buttonId - IDC_TARGET_CURRENCY_1);
    PostConvert();  // once the picker is gone
}

void MoneyDialog::PostConvert() {
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_CONVERT_BUTTON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDC_CONVERT_BUTTON)));
}

void MoneyDialog::DrawCurrencyButton(const DRAWITEMSTRUCT& item) const {
    // Push buttons in the dialog's own colours: white on green.
    RECT face = item.rcItem;
    FillRect(item.hDC, &face, ButtonFace(item.hDC));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (pressed) OffsetRect(&face, 1, 1);
    const std::wstring code = WindowText(item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT)
                                                           : PaletteColour(kButtonText, COLOR_BTNTEXT));
    DrawTextW(item.hDC, code.c_str(), static_cast<int>(code.size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(item.hDC, &focus);
    }
}

bool MoneyDialog::OnCommand(int id, int code, HWND) {
    if (IsCurrencyButton(id)) {
        if (code == BN_CLICKED) Pick(id);
        return true;
    }
    if (RunEditCommand(dialog_, id, {IDC_CONVERTED_1, IDC_CONVERTED_1 + 1, IDC_CONVERTED_1 + 2, IDC_CONVERTED_1 + 3},
                       IDC_AMOUNT)) {
        return true;
    }
    switch (id) {
        case IDC_CONVERT_BUTTON:
            Convert();
            return true;
        case IDOK:
            Save();
            End(IDOK);
            return true;
        default:
            return false;
    }
}

bool MoneyDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_INITMENUPOPUP: {
            const HMENU menu = reinterpret_cast<HMENU>(wParam);
            if (menu && menu == shell::MenuBarSubMenu(dialog_, IDMB_EDIT)) {
                std::vector<CopyMenuItem> items;
                for (int i = 0; i < kMoneyRows; ++i) {
                    items.push_back({ID_COPY_OUTPUT_FIRST + i, Item(IDC_CONVERTED_1 + i), CodeOn(IDC_TARGET_CURRENCY_1 + i)});
                }
                UpdateCopyPasteMenu(menu, items);
            } else if (menu && menu == shell::MenuBarSubMenu(dialog_, IDMB_TOOLS)) {
                UpdateToolsMenu(menu);
            }
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORBTN: {
            if (!IsCurrencyButton(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)))) return false;
            SetTextColor(reinterpret_cast<HDC>(wParam), PaletteColour(kButtonText, COLOR_BTNTEXT));
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            result = reinterpret_cast<INT_PTR>(ButtonFace(reinterpret_cast<HDC>(wParam)));
            return true;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (!IsCurrencyButton(static_cast<int>(item.CtlID))) return false;
            DrawCurrencyButton(item);
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace tv
