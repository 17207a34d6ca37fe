// The dialog font is the real Tahoma, and with it every window fits the
// emulated screen: no window wider than the screen, no text needing more
// room than its control gives it, no controls on one another.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "app/dialog_font.h"
#include "app/palette.h"
#include "money/currency_dialog.h"
#include "money/euro_rates_dialog.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;

// The width `text` takes in `control`'s font; with `wrap`, broken into lines
// of that width as a word-wrapping static breaks it, and the height it needs.
SIZE TextExtent(HWND control, const std::wstring& text, UINT format, int wrap = 0) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r = {0, 0, wrap, 0};
    DrawTextW(dc, text.c_str(), -1, &r, format | DT_CALCRECT | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {r.right, r.bottom};
}

// A line for each fault of `window`: wider or clearly narrower than the
// screen (a scrolled dialog, or one over a scrolled window, grows by the scroll bar), a scroll bar on a
// portrait screen, where none is needed at any dpi, a menu bar on two lines,
// a visible control out of the client area of a window that does not scroll,
// a visible text that does not fit, visible controls on one another (a group
// box frames others).
std::wstring Faults(HWND window, const tv::LayoutScale& scale) {
    std::wstring found;
    RECT area;
    GetClientRect(window, &area);
    HWND owner = GetWindow(window, GW_OWNER);
    const bool scrolls = GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL;
    const bool scrolled = scrolls || (owner && (GetWindowLongW(owner, GWL_STYLE) & WS_VSCROLL));
    if (area.right > tv::shell::DeviceScreenSize(scale).cx + (scrolled ? GetSystemMetrics(SM_CXVSCROLL) : 0))
        found += L"window " + std::to_wstring(area.right) + L" px wide\n";
    // Full screen, within a frame and a scroll bar: a window not laid out at the scale.
    if (area.right < tv::shell::DeviceScreenSize(scale).cx - GetSystemMetrics(SM_CXVSCROLL))
        found += L"window " + std::to_wstring(area.right) + L" px narrow\n";
    if (scrolls && tv::shell::IsPortraitScreen()) found += L"window scrolls\n";
    if (MENUBARINFO bar = {sizeof bar}; GetMenuBarInfo(window, OBJID_MENU, 0, &bar) &&
                                        bar.rcBar.bottom - bar.rcBar.top > GetSystemMetrics(SM_CYMENU) + 1)
        found += L"menu bar on two lines\n";
    std::vector<std::pair<RECT, std::wstring>> placed;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        const std::wstring text = Text(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE), type = style & SS_TYPEMASK, button = style & BS_TYPEMASK;
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        const std::wstring name = cls + (L" " + std::to_wstring(GetDlgCtrlID(child))) + L" \"" + text.substr(0, 20) + L"\"";
        RECT client;
        GetClientRect(child, &client);
        SIZE needed = {};
        const bool isStatic = lstrcmpW(cls, L"Static") == 0, isButton = lstrcmpW(cls, L"Button") == 0;
        const bool box = (button >= BS_CHECKBOX && button <= BS_AUTO3STATE) || button == BS_AUTORADIOBUTTON;
        if (text.empty()) {
        } else if (isStatic && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT)) {
            needed = TextExtent(child, text, style & SS_NOPREFIX ? DT_NOPREFIX : 0, client.right);
        } else if (isStatic && (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE)) {
            needed = TextExtent(child, text, style & SS_NOPREFIX ? DT_NOPREFIX : 0);
        } else if (isButton && !(style & BS_MULTILINE) && (box || button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON)) {
            needed = TextExtent(child, text, 0);
            if (box) needed.cx += GetSystemMetrics(SM_CXMENUCHECK) + 2;  // the box and its gap
            needed.cy = 0;
        }
        if (needed.cx > client.right || needed.cy > client.bottom)
            found += name + L" needs " + std::to_wstring(needed.cx) + L"x" + std::to_wstring(needed.cy) + L" px\n";
        if (isButton && button == BS_GROUPBOX) continue;
        const RECT r = Placed(child);
        if (!scrolls && (r.left < 0 || r.top < 0 || r.right > area.right || r.bottom > area.bottom))
            found += name + L" out of the window\n";
        // Where two template rectangles meet, rounding at a fractional dpi may
        // give both the same pixel column or row: that is no overlap.
        for (const auto& [other, otherName] : placed)
            if (RECT both; IntersectRect(&both, &other, &r) && both.right - both.left > 1 && both.bottom - both.top > 1)
                found += otherName + L" overlaps " + name + L"\n";
        placed.emplace_back(r, name);
    }
    return found;
}

// A window moved to a monitor of `dpi` (0: left where it is), as the system
// tells it: the rectangle suggested for a dialog is the main window's.
void MoveToDpi(HWND window, int dpi, RECT suggested) {
    if (!dpi) return;
    if (HWND owner = GetWindow(window, GW_OWNER)) GetWindowRect(owner, &suggested);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// The faults of the dialog `open` opens, moved to `dpi` as its owner was,
// with each formula of its list chosen (each shows other labels).
std::wstring FaultsOfDialogOpenedBy(const std::function<void()>& open, const tv::LayoutScale& scale, int dpi) {
    std::wstring found = L"(did not open)";
    WhenDialogOpens([&](HWND d) {
        MoveToDpi(d, dpi, {});
        found = L"";
        HWND list = GetDlgItem(d, IDC_CALC_FORMULA);
        for (int i = 0; i < (list ? SendMessageW(list, CB_GETCOUNT, 0, 0) : 1); ++i) {
            if (list) SendMessageW(list, CB_SETCURSEL, i, 0);
            if (list) SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDC_CALC_FORMULA, CBN_SELCHANGE), LPARAM(list));
            found += Faults(d, scale);
        }
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

// A name alone can be substituted: the metrics must be Tahoma's own, not those
// of the face a missing Tahoma falls back to.
TEST(DialogFontTest, IsTahoma) {
    tv::DialogFont font;
    ASSERT_TRUE(font.Create(tv::shell::ScreenScale()));
    HDC dc = GetDC(nullptr);
    TEXTMETRICW tahoma = {}, fallback = {};
    wchar_t face[LF_FACESIZE] = {};
    HGDIOBJ old = SelectObject(dc, font.Handle());
    GetTextFaceW(dc, LF_FACESIZE, face);
    GetTextMetricsW(dc, &tahoma);
    HFONT dejaVu = CreateFontW(tahoma.tmHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"DejaVu Sans");
    SelectObject(dc, dejaVu);
    GetTextMetricsW(dc, &fallback);
    SelectObject(dc, old);
    DeleteObject(dejaVu);
    ReleaseDC(nullptr, dc);
    EXPECT_STREQ(face, L"Tahoma");
    EXPECT_NE(tahoma.tmAveCharWidth, fallback.tmAveCharWidth);
}

using WindowFitTest = ToolDialogTest;

// The main window, each dialog its menu opens, and the money dialogs with
// the currency data window and the picker they open, on each screen shape,
// zoomed with Ctrl+Plus from 100 % and moved to a monitor of another dpi.
// The main window's client area is the screen less the task bar's and the
// menu bar's 26 each; the Unit menu ticks the category, and landscape and
// square screens give it two columns.
TEST_F(WindowFitTest, EveryWindowFitsEveryScreenAndTheMainWindowTakesItsShape) {
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    ASSERT_TRUE(std::filesystem::exists(rates));
    // Moved to the next dpi the runs check (the last back to the one before).
    const int dpis[] = {96, 120, 144, 168, 192, 240, 288, 240}, dpi = tv::shell::LogPixelsY();
    const int* const at = std::find(dpis, dpis + 7, dpi), otherDpi = at == dpis + 7 ? 144 : at[1];
    const struct {
        SIZE screen;
        int zoomSteps, movedToDpi;
    } settings[] = {{{240, 320}, 0, 0},          {{320, 240}, 0, 0},          {{240, 240}, 0, 0},
                    {{240, 320}, 0, otherDpi},   {{240, 320}, dpi == 96 ? 2 : 0, 0},
                    {{240, 320}, dpi == 96 ? 3 : 0, 0}};
    for (const auto& [screen, zoomSteps, movedToDpi] : settings) {
        SCOPED_TRACE(std::to_string(screen.cx) + "x" + std::to_string(screen.cy) + " zoom steps " +
                     std::to_string(zoomSteps) + " moved to " + std::to_string(movedToDpi));
        tv::shell::SetDeviceScreenLogicalSize(screen.cx, screen.cy);
        Close();
        Open();
        Command(ID_ZOOM_RESET);  // the last setting's zoom was saved
        for (int i = 0; i < zoomSteps; ++i) Command(ID_ZOOM_IN);
        const int at = movedToDpi ? movedToDpi : dpi;
        const tv::LayoutScale s{at, at, tv::kZoomSteps[zoomSteps]};
        MoveToDpi(main, movedToDpi, tv::shell::FrameForClientArea(GetWindowLongW(main, GWL_STYLE), 0, true, s));
        EXPECT_EQ(Faults(main, s), L"") << "main window";
        RECT client, work = tv::shell::DeviceWorkArea(s);
        GetClientRect(main, &client);
        POINT origin = {0, 0};
        ClientToScreen(main, &origin);
        EXPECT_EQ(std::tuple(client.right, client.bottom, origin.x, origin.y),
                  std::tuple(s.X(screen.cx), s.Y(screen.cy) - 2 * s.Y(26), work.left, work.top));
        Command(ID_CATEGORY_FIRST + tv::kPressure);
        const bool portrait = screen.cy > screen.cx;
        HMENU units = tv::shell::MenuBarSubMenu(main, IDMB_UNIT);
        SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(units), 0);
        for (int id = ID_CATEGORY_FIRST; id <= ID_CATEGORY_LAST; ++id) {
            const UINT state = GetMenuState(units, id, MF_BYCOMMAND);
            EXPECT_EQ((state & MF_CHECKED) != 0, id == ID_CATEGORY_FIRST + tv::kPressure) << id;
            EXPECT_EQ((state & MF_MENUBARBREAK) != 0, !portrait && id == ID_CATEGORY_FIRST + tv::kMass) << id;
        }
        for (int command : {ID_NUMBER_BASE, ID_PRICE_COMPARISON, ID_CLOTHING_SIZES, ID_DIALING_CODES, ID_CITY_AREA_CODES,
                            ID_CARE_LABELS, ID_SALES_TAX, ID_DAYS_BETWEEN, ID_CIRCLE, ID_ELECTRICAL, ID_AREA_VOLUME,
                            ID_PERMUTATION, ID_OPTIONS, ID_ABOUT})
            EXPECT_EQ(FaultsOfDialogOpenedBy([&] { Command(command); }, s, movedToDpi), L"") << command;
        // Made at 100 % and zoomed while it is open.
        Command(ID_ZOOM_RESET);
        tool = std::make_unique<tv::CurrencyDialog>(home->record, tv::ExchangeRateTable(rates, tv::CalendarDate::Now()));
        dialog = tool->CreateModeless(main);
        MoveToDpi(dialog, movedToDpi, {});
        for (int i = 0; i < zoomSteps; ++i) Command(ID_ZOOM_IN);
        EXPECT_EQ(Faults(dialog, s), L"") << "currency";
        EXPECT_EQ(FaultsOfDialogOpenedBy([&] { SendMessageW(dialog, WM_COMMAND, ID_ABOUT_CURRENCY_DATA, 0); }, s,
                                         movedToDpi), L"");
        EXPECT_EQ(FaultsOfDialogOpenedBy([&] { Press(IDC_SOURCE_CURRENCY); }, s, movedToDpi), L"") << "currency picker";
        tool = std::make_unique<tv::EuroRatesDialog>(home->record);
        dialog = tool->CreateModeless(main);
        MoveToDpi(dialog, movedToDpi, {});
        EXPECT_EQ(Faults(dialog, s), L"") << "euro";
        tool.reset();
    }
}

// Wine cannot switch high contrast on: the test asks the palette's seam.
// Then every colour the program paints is the system's, and a colour change
// repaints at once, both ways.
TEST_F(ToolDialogTest, HighContrastPaintsInTheSystemsColoursAndAColourChangeRepaints) {
    tool = std::make_unique<tv::EuroRatesDialog>(home->record);
    dialog = tool->CreateModeless(main);
    RECT client;
    GetClientRect(dialog, &client);
    const auto colours = [&] {
        std::vector<COLORREF> seen;
        for (auto [window, x, y] : {std::tuple{main, 1, 1}, {dialog, int(client.right) - 3, int(client.bottom) - 3},
                                    {Field(IDC_SOURCE_CURRENCY), 4, 4}, {Field(IDC_KEY_0), 3, 3}}) {
            UpdateWindow(window);  // only what the colour change made invalid
            HDC dc = GetDC(window);
            seen.push_back(GetPixel(dc, x, y));
            ReleaseDC(window, dc);
        }
        return seen;
    };
    const COLORREF window = GetSysColor(COLOR_WINDOW), face = GetSysColor(COLOR_BTNFACE);
    for (int on : {1, 0}) {
        tv::SetHighContrastForTesting(on);
        for (HWND w : {main, dialog}) SendMessageW(w, WM_SYSCOLORCHANGE, 0, 0);
        Pump(loop);
        const std::vector<COLORREF> seen = colours();
        if (on) EXPECT_EQ(seen, (std::vector{window, face, face, face}));
        else EXPECT_TRUE(seen[0] != window && seen[1] == RGB(196, 255, 198) && seen[2] == RGB(58, 172, 60) && seen[3] != face);
    }
    tv::SetHighContrastForTesting(-1);
}

}  // namespace
