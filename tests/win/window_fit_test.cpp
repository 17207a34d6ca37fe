// The dialog font is Wine's or Windows' real Tahoma, and with it every window
// fits the emulated screen: no dialog wider than the screen, no text needing
// more room than its control gives it, no controls on one another, Tab in
// reading order, on every screen shape.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/dialog_font.h"
#include "money/currency_dialog.h"
#include "money/euro_rates_dialog.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;

std::wstring FaceOf(HFONT font, TEXTMETRICW* metrics = nullptr) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    if (metrics) GetTextMetricsW(dc, metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return face;
}

bool FontInstalled(const wchar_t* face) {
    LOGFONTW wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    int found = 0;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &wanted, [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM n) { return ++*reinterpret_cast<int*>(n); },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found > 0;
}

// The size `text` takes in `control`'s font; with `wrapWidth`, broken into
// lines of at most that width, as a word-wrapping static breaks it.
SIZE TextExtent(HWND control, const std::wstring& text, UINT format, int wrapWidth = 0) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r = {0, 0, wrapWidth, 0};
    DrawTextW(dc, text.c_str(), -1, &r, format | DT_CALCRECT | (wrapWidth ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right - r.left, r.bottom - r.top};
}

// A line for each of: the window wider than the emulated screen; a visible
// text that does not fit its control; a Tab stop above the one before it, or
// left of it on the same row (the keypad's keys are left out: Tab passes
// them as a block); visible controls on one another (a group box frames
// others; a combo box counts by its closed field).
std::wstring Faults(HWND window) {
    std::wstring found;
    // The client area is what the emulated screen shows. A dialog that needs
    // a scroll bar grows by its width, and a dialog over it covers it whole.
    RECT area;
    GetClientRect(window, &area);
    HWND owner = GetWindow(window, GW_OWNER);
    const bool scrolled = (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) ||
                          (owner && (GetWindowLongW(owner, GWL_STYLE) & WS_VSCROLL));
    const int screenWidth = tv::shell::DeviceScreenSize().cx + (scrolled ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    if (area.right > screenWidth)
        found += L"window " + std::to_wstring(area.right) + L" px wide on a " + std::to_wstring(screenWidth) + L" px screen\n";
    RECT lastStop = {};
    std::wstring lastName;
    std::vector<std::pair<RECT, std::wstring>> placed;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        const std::wstring text = Text(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const int id = GetDlgCtrlID(child);
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        const std::wstring name = cls + (L" " + std::to_wstring(id)), quoted = name + L" \"" + text.substr(0, 20) + L"\"";
        const RECT r = Placed(child);
        RECT client;
        GetClientRect(child, &client);
        int room = client.right, needed = 0;
        if (text.empty()) {
            // nothing to fit
        } else if (lstrcmpW(cls, L"Static") == 0) {
            const LONG type = style & SS_TYPEMASK;
            const UINT format = style & SS_NOPREFIX ? DT_NOPREFIX : 0;
            if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
                const SIZE wrapped = TextExtent(child, text, format, client.right);
                needed = wrapped.cx;
                if (wrapped.cy > client.bottom)
                    found += quoted + L" needs " + std::to_wstring(wrapped.cy) + L" px of height, has " +
                             std::to_wstring(client.bottom) + L"\n";
            } else if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) {
                needed = TextExtent(child, text, format).cx;
            }
        } else if (lstrcmpW(cls, L"Button") == 0 && !(style & BS_MULTILINE)) {
            const LONG type = style & BS_TYPEMASK;
            const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                             type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
            if (box) room -= GetSystemMetrics(SM_CXMENUCHECK) + 2;  // the box and its gap
            if (box || type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) needed = TextExtent(child, text, 0).cx;
        }
        if (needed > room)
            found += quoted + L" needs " + std::to_wstring(needed) + L" px, has " + std::to_wstring(room) + L"\n";

        const bool key = (id >= IDC_KEY_0 && id <= IDC_KEY_9) || (id >= IDC_KEY_A && id <= IDC_KEY_F) ||
                         id == IDC_KEY_POINT || id == IDC_KEY_MINUS || id == IDC_KEY_BACK || id == IDC_KEY_CLEAR;
        if (!key && (style & WS_TABSTOP) && IsWindowEnabled(child)) {
            const bool sameRow =
                std::abs((r.top + r.bottom) - (lastStop.top + lastStop.bottom)) < (r.bottom - r.top);
            if (!lastName.empty() && (sameRow ? r.left < lastStop.left : r.top < lastStop.top))
                found += name + L" comes after " + lastName + L"\n";
            lastStop = r;
            lastName = name;
        }
        if (lstrcmpW(cls, L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX) continue;
        for (const auto& [other, otherName] : placed) {
            RECT both;
            if (IntersectRect(&both, &other, &r)) found += otherName + L" overlaps " + quoted + L"\n";
        }
        placed.emplace_back(r, quoted);
    }
    return found;
}

// A formula dialog fits with every formula of its list chosen, as each one
// shows other labels.
std::wstring FaultsWithEveryFormula(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_CALC_FORMULA);
    if (!list) return Faults(dialog);
    std::wstring found;
    for (int i = 0; i < SendMessageW(list, CB_GETCOUNT, 0, 0); ++i) {
        SendMessageW(list, CB_SETCURSEL, i, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CALC_FORMULA, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        const std::wstring faults = Faults(dialog);
        if (!faults.empty()) found += L"with formula " + std::to_wstring(i) + L": " + faults;
    }
    return found;
}

// The faults of the dialog that `open` opens, checked while it is open.
std::wstring FaultsOfDialogOpenedBy(const std::function<void()>& open) {
    std::wstring found = L"(did not open)";
    WhenDialogOpens([&](HWND d) {
        found = FaultsWithEveryFormula(d);
        SendMessageW(d, WM_CLOSE, 0, 0);
    });
    open();
    return found;
}

// The run at another dpi names it, so that it cannot pass at 96 unnoticed.
TEST(DialogFontTest, RunsAtTheDpiAskedFor) {
    const char* wanted = std::getenv("TV_EXPECT_DPI");
    EXPECT_EQ(tv::shell::LogPixelsX(), wanted ? std::atoi(wanted) : 96);
}

TEST(DialogFontTest, IsTahomaAndMarlettIsInstalled) {
    tv::DialogFont font;
    ASSERT_TRUE(font.Create(80, FW_NORMAL));
    TEXTMETRICW tahoma = {}, fallback = {};
    EXPECT_EQ(FaceOf(font.Handle(), &tahoma), L"Tahoma");
    // A name alone can be substituted: the metrics must be Tahoma's own, not
    // those of the face a missing Tahoma falls back to.
    HFONT dejaVu = CreateFontW(tahoma.tmHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"DejaVu Sans");
    FaceOf(dejaVu, &fallback);
    DeleteObject(dejaVu);
    EXPECT_NE(tahoma.tmAveCharWidth, fallback.tmAveCharWidth);
    EXPECT_TRUE(FontInstalled(L"Tahoma"));
    EXPECT_TRUE(FontInstalled(L"Marlett"));  // the caption buttons' glyphs
}

using WindowFitTest = ToolDialogTest;

// The main window, each dialog its menu opens, and the money dialogs with
// the currency data window and the picker they open.
TEST_F(WindowFitTest, EveryWindowFitsEveryScreen) {
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    ASSERT_TRUE(std::filesystem::exists(rates));
    const std::pair<int, const wchar_t*> commands[] = {
        {ID_NUMBER_BASE, L"number base"}, {ID_PRICE_COMPARISON, L"price comparison"},
        {ID_CLOTHING_SIZES, L"clothing sizes"}, {ID_DIALING_CODES, L"dialing codes"},
        {ID_CITY_AREA_CODES, L"area codes"}, {ID_CARE_LABELS, L"care labels"},
        {ID_SALES_TAX, L"sales tax"}, {ID_DAYS_BETWEEN, L"days between"},
        {ID_CIRCLE, L"circle"}, {ID_ELECTRICAL, L"electrical"},
        {ID_AREA_VOLUME, L"area/volume"}, {ID_PERMUTATION, L"permutation"},
        {ID_OPTIONS, L"options"}, {ID_ABOUT, L"about"},
    };
    for (SIZE screen : {SIZE{240, 320}, SIZE{320, 240}, SIZE{240, 240}}) {
        SCOPED_TRACE(std::to_string(screen.cx) + "x" + std::to_string(screen.cy));
        tv::shell::SetDeviceScreenLogicalSize(screen.cx, screen.cy);
        Close();
        Open();
        EXPECT_EQ(Faults(main), L"") << "main window";
        for (auto [command, name] : commands)
            EXPECT_EQ(FaultsOfDialogOpenedBy([&] { Command(command); }), L"") << name;

        tool = std::make_unique<tv::CurrencyDialog>(home->record, tv::ExchangeRateTable(rates, tv::CalendarDate::Now()));
        dialog = tool->CreateModeless(main);
        EXPECT_EQ(Faults(dialog), L"") << "currency";
        EXPECT_EQ(FaultsOfDialogOpenedBy([&] { SendMessageW(dialog, WM_COMMAND, ID_ABOUT_CURRENCY_DATA, 0); }), L"")
            << "currency data";
        EXPECT_EQ(FaultsOfDialogOpenedBy([&] { Press(IDC_SOURCE_CURRENCY); }), L"") << "currency picker";
        tool = std::make_unique<tv::EuroRatesDialog>(home->record);
        dialog = tool->CreateModeless(main);
        EXPECT_EQ(Faults(dialog), L"") << "euro";
        tool.reset();
    }
}

}  // namespace
