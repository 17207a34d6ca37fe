#include "units/converter_window.h"

#include <string>
#include <utility>

#include "app/clipboard_text.h"
#include "app/gradient_fill.h"
#include "app/window_text.h"
#include "money/currency_dialog.h"
#include "money/euro_rates_dialog.h"
#include "money/price_comparison_dialog.h"
#include "numfmt/locale_number_format.h"
#include "platform/owned_handle.h"
#include "platform/shell_layer.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "resources/resource_ids.h"
#include "settings/options_dialog.h"
#include "tools/base_converter_dialog.h"
#include "tools/calculator_dialog.h"
#include "tools/clothing_sizes_dialog.h"
#include "tools/days_between_dialog.h"
#include "tools/permutation_dialog.h"
#include "units/combo_unit_list.h"
#include "units/converter_layout.h"

namespace tv {
namespace {

constexpr int kInputLimit = 48;
constexpr Rgb kGradientLeft = MakeRgb(222, 224, 253);
constexpr Rgb kGradientRight = MakeRgb(154, 170, 245);

struct Scale {
    int sx, sy;
};

Scale ScreenScale() {
    return {shell::LogPixelsX() / 96 > 0 ? shell::LogPixelsX() / 96 : 1,
            shell::LogPixelsY() / 96 > 0 ? shell::LogPixelsY() / 96 : 1};
}

HWND MakeChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, const LayoutRect& r, int id) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.Width(), r.Height(),
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
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

// The tools that hand nothing back: run modally, then gone.
template <class Tool>
void ConverterWindow::OnOpenTool(int, int) {
    Tool tool;
    tool.RunModal(GetActiveWindow());
}

const ConverterWindow::CommandEntry ConverterWindow::kCommands[] = {
    {IDC_TITLE_OK, IDC_TITLE_OK, &ConverterWindow::OnTitleOk},
    {IDC_CONVERT_BUTTON, IDC_CONVERT_BUTTON, &ConverterWindow::OnConvert},
    {IDC_FROM_LIST, IDC_FROM_LIST, &ConverterWindow::OnUnitChange},
    {IDC_TO_LIST, IDC_TO_LIST, &ConverterWindow::OnUnitChange},
    {ID_COPY, ID_COPY, &ConverterWindow::OnCopy},
    {ID_PASTE, ID_PASTE, &ConverterWindow::OnPaste},
    {ID_CATEGORY_FIRST, ID_CATEGORY_LAST, &ConverterWindow::OnCategory},
    {ID_OPTIONS, ID_OPTIONS, &ConverterWindow::OnOptions},
    {ID_NUMBER_BASE, ID_NUMBER_BASE, &ConverterWindow::OnNumberBase},
    {ID_CLOTHING_SIZES, ID_CLOTHING_SIZES, &ConverterWindow::OnOpenTool<ClothingSizesDialog>},
    {ID_EURO_RATES, ID_EURO_RATES, &ConverterWindow::OnEuroRates},
    {ID_CURRENCY, ID_CURRENCY, &ConverterWindow::OnCurrency},
    {ID_PRICE_COMPARISON, ID_PRICE_COMPARISON, &ConverterWindow::OnPriceComparison},
    {ID_DIALING_CODES, ID_DIALING_CODES, &ConverterWindow::OnDialingCodes},
    {ID_CARE_LABELS, ID_CARE_LABELS, &ConverterWindow::OnOpenTool<CareLabelsDialog>},
    {ID_DAYS_BETWEEN, ID_ELECTRICAL, &ConverterWindow::OnCalculator},
    {ID_SALES_TAX, ID_SALES_TAX, &ConverterWindow::OnOpenTool<SalesTaxDialog>},
    {ID_AREA_VOLUME, ID_PERMUTATION, &ConverterWindow::OnCalculator},
    {ID_CITY_AREA_CODES, ID_CITY_AREA_CODES, &ConverterWindow::OnCityAreaCodes},
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
    if (settings_.store) LoadSettings(settings_.record, *settings_.store);
    CreateControls();
    font_.Create();
    font_.ApplyToChildren(window_);
    tabFont_.Create(90, FW_BOLD);
    keypad_.Attach(window_);
    SwitchCategory(settings_.record.Category, false);
    return 0;
}

void ConverterWindow::CreateControls() {
    RECT client;
    GetClientRect(window_, &client);
    const Scale s = ScreenScale();
    const DWORD field = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    const DWORD list = WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;

    // The lists' closed height decides where everything below them goes:
    // the From list is made first and measured.
    HWND from = MakeChild(window_, L"COMBOBOX", L"", list, {0, 0, 10, 200}, IDC_FROM_LIST);
    RECT closed = {};
    GetWindowRect(from, &closed);
    const ConverterLayout l = LayOutConverter(client.right, client.bottom, s.sx, s.sy, shell::IsPortraitScreen(),
                                              closed.bottom - closed.top);
    toLabelY_ = l.toLabelY;

    HWND input = MakeChild(window_, L"EDIT", L"", field, l.input, IDC_INPUT);
    SendMessageW(input, EM_SETLIMITTEXT, kInputLimit, 0);
    MoveWindow(from, l.fromList.left, l.fromList.top, l.fromList.Width(), l.fromList.Height(), FALSE);
    // Tab order follows the layout: the input field comes before the From list.
    SetWindowPos(from, input, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    MakeChild(window_, L"EDIT", L"", field | ES_READONLY, l.result, IDC_RESULT);
    MakeChild(window_, L"COMBOBOX", L"", list, l.toList, IDC_TO_LIST);
    for (const ConverterLayout::Key& key : l.keys) {
        MakeChild(window_, L"BUTTON", KeyCaption(key.id), BS_OWNERDRAW | WS_TABSTOP, key.rect, key.id);
    }
    MakeChild(window_, L"BUTTON", StringResource(IDS_CONVERT).c_str(), BS_OWNERDRAW | WS_TABSTOP, l.convert,
              IDC_CONVERT_BUTTON);
    SetFocus(input);
    keypad_.SetTarget(input);
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
        RECT tab;
        GetClientRect(window_, &tab);
        tab.bottom = 30 * ScreenScale().sy;
        InvalidateRect(window_, &tab, TRUE);
    }
}

void ConverterWindow::ConvertAndShow() {
    if (!category_) return;
    wchar_t text[64] = {};
    GetDlgItemTextW(window_, IDC_INPUT, text, 64);
    const double value = ParseNumberText(text);
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
    const Scale s = ScreenScale();
    FillGradient(dc, client.left, client.top, client.right, client.bottom, kGradientLeft, kGradientRight, false);
    SetBkMode(dc, TRANSPARENT);

    // The tab naming the category, as the Unit menu spells it.
    wchar_t name[129] = {};
    HMENU units = shell::MenuBarSubMenu(window_, IDMB_UNIT);
    const int category = settings_.record.Category < kCategoryCount ? settings_.record.Category : 0;
    if (!units || !GetMenuStringW(units, ID_CATEGORY_FIRST + category, name, 129, MF_BYCOMMAND)) {
        lstrcpynW(name, CategoryName(category), 129);
    }
    HGDIOBJ oldFont = SelectObject(dc, tabFont_.Handle());
    SIZE text = {};
    GetTextExtentPoint32W(dc, name, lstrlenW(name), &text);
    const int L = client.left, T = client.top, R = client.right, H = text.cy + 8 * s.sy;
    const int tabRight = L + 28 * s.sx + text.cx;
    const OwnedPen white(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    const OwnedPen black(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    HGDIOBJ oldPen = SelectObject(dc, white.Get());
    const POINT outline[] = {{L, T + 2 * s.sy + H},       {L + 20 * s.sx, T + 2 * s.sy + H},
                             {L + 20 * s.sx, T + 2 * s.sy}, {tabRight, T + 2 * s.sy},
                             {tabRight, T + 2 * s.sy + H},  {R, T + 2 * s.sy + H}};
    Polyline(dc, outline, 6);
    RECT box = {L + 20 * s.sx, T + 2 * s.sy, tabRight, T + 2 * s.sy + H};
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, name, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, black.Get());
    MoveToEx(dc, tabRight, T + 2 * s.sy, nullptr);
    LineTo(dc, tabRight, T + 2 * s.sy + H);

    SelectObject(dc, font_.Handle());
    const std::wstring from = StringResource(IDS_FROM), to = StringResource(IDS_TO);
    // A face wider than the band starts the labels at the window edge.
    constexpr UINT kLabelFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
    for (const auto& [id, top] : {std::pair{IDS_FROM, 32 * s.sy}, std::pair{IDS_TO, toLabelY_}}) {
        const std::wstring label = StringResource(id);
        SIZE extent = {};
        GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &extent);
        const int left = extent.cx < 30 * s.sx ? client.left + 2 * s.sx : client.left;
        RECT band = {left, top, 32 * s.sx, top + 20 * s.sy};
        DrawTextW(dc, label.c_str(), -1, &band, kLabelFormat);
    }

    SelectObject(dc, oldPen);
    SelectObject(dc, oldFont);
    EndPaint(window_, &ps);
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
void ConverterWindow::OnCategory(int id, int) { SwitchCategory(id - ID_CATEGORY_FIRST, true); }

void ConverterWindow::OnOptions(int, int) {
    OptionsDialog options(settings_.record);
    options.RunModal(GetActiveWindow());
    PostMessageW(window_, WM_COMMAND, IDC_CONVERT_BUTTON, 0);
}

void ConverterWindow::OnDialingCodes(int, int) {
    DialingCodesDialog dialog(DataFilePath(L"Countries.dat"));
    dialog.RunModal(GetActiveWindow());
}

void ConverterWindow::OnCityAreaCodes(int, int) {
    CityAreaCodesDialog dialog(DataFilePath(L"CityArea.dat"));
    dialog.RunModal(GetActiveWindow());
}

void ConverterWindow::OnCalculator(int id, int) {
    const AppSettings& settings = settings_.record;
    HWND owner = GetActiveWindow();
    switch (id) {
        case ID_DAYS_BETWEEN: DaysBetweenDialog().RunModal(owner); break;
        case ID_CIRCLE: CalculatorDialog(kCircleCalculator, settings).RunModal(owner); break;
        case ID_ELECTRICAL: CalculatorDialog(kElectricalCalculator, settings).RunModal(owner); break;
        case ID_AREA_VOLUME: CalculatorDialog(kAreaVolumeCalculator, settings).RunModal(owner); break;
        case ID_PERMUTATION: PermutationDialog().RunModal(owner); break;
        default: break;
    }
}

void ConverterWindow::OnNumberBase(int, int) {
    BaseConverterDialog dialog(settings_.record);
    dialog.RunModal(GetActiveWindow());
}

void ConverterWindow::OnPriceComparison(int, int) {
    PriceCompareDialog dialog(settings_.record);
    dialog.RunModal(GetActiveWindow());
}

void ConverterWindow::OnEuroRates(int, int) {
    EuroRatesDialog dialog(settings_.record);
    dialog.RunModal(GetActiveWindow());
}

void ConverterWindow::OnCurrency(int, int) { RunCurrencyConverter(GetActiveWindow(), settings_.record); }

LRESULT ConverterWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            if (keypad_.HandleCommand(wParam, lParam)) return 0;
            const int id = LOWORD(wParam);
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
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_HELP:
            shell::ShowHelp(L"unit");
            return TRUE;
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            if (keypad_.HandleOwnerDraw(message, lParam)) return TRUE;
            break;
        default:
            break;
    }
    return AppFrame::Dispatch(message, wParam, lParam);
}

}  // namespace tv
