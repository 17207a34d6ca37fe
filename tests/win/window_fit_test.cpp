// The dialog font is Wine's or Windows' real Tahoma, and with it every window
// fits the emulated screen: no dialog wider than the screen, no text needing
// more room than its control gives it, on every screen shape.
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

int CALLBACK CountFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    ++*reinterpret_cast<int*>(found);
    return 1;
}

bool FontInstalled(const wchar_t* face) {
    LOGFONTW wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    int found = 0;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, CountFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found > 0;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
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

// Every visible text of `window` that does not fit its control, a line each,
// and the window itself where it is wider than the emulated screen.
std::wstring MisFits(HWND window) {
    std::wstring found;
    // The frame may reach past the screen as the handheld's caption does;
    // the client area is what the emulated screen shows.
    // A dialog that needs a scroll bar grows by its width, and a dialog over
    // it covers it whole: a scroll bar's width may reach past the screen.
    RECT area;
    GetClientRect(window, &area);
    HWND owner = GetWindow(window, GW_OWNER);
    const bool scrolled = (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) ||
                          (owner && (GetWindowLongW(owner, GWL_STYLE) & WS_VSCROLL));
    const int screenWidth = tv::shell::DeviceScreenSize().cx + (scrolled ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    if (area.right > screenWidth)
        found += L"window " + std::to_wstring(area.right) + L" px wide on a " + std::to_wstring(screenWidth) +
                 L" px screen\n";
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring text = Text(child);
        if (!IsWindowVisible(child) || text.empty()) continue;
        RECT client;
        GetClientRect(child, &client);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const std::wstring cls = ClassOf(child);
        UINT format = 0;
        int room = client.right, needed = 0;
        if (cls == L"Static") {
            const LONG type = style & SS_TYPEMASK;
            if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
                type != SS_SIMPLE)
                continue;
            if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
            if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
                const SIZE wrapped = TextExtent(child, text, format, client.right);
                needed = wrapped.cx;
                if (wrapped.cy > client.bottom)
                    found += L"\"" + text + L"\" needs " + std::to_wstring(wrapped.cy) + L" px of height, has " +
                             std::to_wstring(client.bottom) + L"\n";
            } else {
                needed = TextExtent(child, text, format).cx;
            }
        } else if (cls == L"Button") {
            const LONG type = style & BS_TYPEMASK;
            if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE)
                room -= GetSystemMetrics(SM_CXMENUCHECK) + 2;  // the box and its gap
            else if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)
                continue;
            if (style & BS_MULTILINE) continue;
            needed = TextExtent(child, text, 0).cx;
        } else {
            continue;
        }
        if (needed > room)
            found += L"\"" + text + L"\" needs " + std::to_wstring(needed) + L" px, has " + std::to_wstring(room) +
                     L"\n";
    }
    return found;
}

// Where Tab goes against reading order: a stop above the one before it, or
// left of it on the same row. The keypad's keys are left out: Tab passes
// them as a block.
std::wstring TabOrderFaults(HWND window) {
    std::wstring found;
    RECT last = {};
    std::wstring lastName;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const int id = GetDlgCtrlID(child);
        const bool key = (id >= IDC_KEY_0 && id <= IDC_KEY_9) || (id >= IDC_KEY_A && id <= IDC_KEY_F) ||
                         id == IDC_KEY_POINT || id == IDC_KEY_MINUS || id == IDC_KEY_BACK || id == IDC_KEY_CLEAR;
        if (key || !(style & WS_TABSTOP) || !IsWindowVisible(child) || !IsWindowEnabled(child)) continue;
        const RECT r = Placed(child);
        const std::wstring name = ClassOf(child) + L" " + std::to_wstring(id);
        const bool sameRow = std::abs((r.top + r.bottom) - (last.top + last.bottom)) < (r.bottom - r.top);
        if (!lastName.empty() && (sameRow ? r.left < last.left : r.top < last.top))
            found += name + L" comes after " + lastName + L"\n";
        last = r;
        lastName = name;
    }
    return found;
}

// Visible controls that overlap one another. A combo box's closed field is
// what counts, not its drop-down.
std::wstring Overlaps(HWND window) {
    std::vector<std::pair<RECT, std::wstring>> placed;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        const std::wstring cls = ClassOf(child);
        if (cls == L"Button" && (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) continue;
        placed.emplace_back(Placed(child), cls + L" " + std::to_wstring(GetDlgCtrlID(child)) + L" \"" +
                                               Text(child).substr(0, 20) + L"\"");
    }
    std::wstring found;
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j) {
            RECT both;
            if (IntersectRect(&both, &placed[i].first, &placed[j].first))
                found += placed[i].second + L" overlaps " + placed[j].second + L"\n";
        }
    return found;
}

// A formula dialog fits with every formula of its list chosen, as each one
// shows other labels.
std::wstring MisFitsOfEveryFormula(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_CALC_FORMULA);
    if (!list) return MisFits(dialog) + TabOrderFaults(dialog) + Overlaps(dialog);
    std::wstring found;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        SendMessageW(list, CB_SETCURSEL, i, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CALC_FORMULA, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        const std::wstring misfits = MisFits(dialog) + TabOrderFaults(dialog) + Overlaps(dialog);
        if (!misfits.empty()) found += L"with formula " + std::to_wstring(i) + L": " + misfits;
    }
    return found;
}

struct Screen {
    int width, height;
};
constexpr Screen kScreens[] = {{240, 320}, {320, 240}, {240, 240}};

class WindowFitTest : public ToolDialogTest {
protected:
    void SetUp() override { MainWindowTest::SetUp(); }  // each test opens the window per screen

    void OnEveryScreen(const std::function<void(const std::wstring& screen)>& check) {
        for (const Screen& s : kScreens) {
            tv::shell::SetDeviceScreenLogicalSize(s.width, s.height);
            Open();
            check(std::to_wstring(s.width) + L"x" + std::to_wstring(s.height) + L" ");
            tool.reset();
            Close();
        }
        tv::shell::SetDeviceScreenLogicalSize(240, 320);
    }
    // The dialog a command of the main window opens, checked while it is open.
    std::wstring MisFitsOfCommand(int command) {
        std::wstring found = L"(did not open)";
        WhenDialogOpens([&](HWND d) {
            found = MisFitsOfEveryFormula(d);
            SendMessageW(d, WM_CLOSE, 0, 0);
        });
        Command(command);
        return found;
    }
};

}  // namespace

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
    HFONT dejaVu = CreateFontW(tahoma.tmHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                               L"DejaVu Sans");
    FaceOf(dejaVu, &fallback);
    DeleteObject(dejaVu);
    EXPECT_NE(tahoma.tmAveCharWidth, fallback.tmAveCharWidth);
    EXPECT_TRUE(FontInstalled(L"Tahoma"));
    EXPECT_TRUE(FontInstalled(L"Marlett"));  // the caption buttons' glyphs
}

TEST_F(WindowFitTest, EveryDialogOfTheMainWindowFitsEveryScreen) {
    const std::pair<int, const wchar_t*> commands[] = {
        {ID_NUMBER_BASE, L"number base"},     {ID_PRICE_COMPARISON, L"price comparison"},
        {ID_CLOTHING_SIZES, L"clothing sizes"}, {ID_DIALING_CODES, L"dialing codes"},
        {ID_CITY_AREA_CODES, L"area codes"},  {ID_CARE_LABELS, L"care labels"},
        {ID_SALES_TAX, L"sales tax"},         {ID_DAYS_BETWEEN, L"days between"},
        {ID_CIRCLE, L"circle"},               {ID_ELECTRICAL, L"electrical"},
        {ID_AREA_VOLUME, L"area/volume"},     {ID_PERMUTATION, L"permutation"},
        {ID_OPTIONS, L"options"},             {ID_ABOUT, L"about"},
    };
    OnEveryScreen([&](const std::wstring& screen) {
        EXPECT_EQ(MisFits(main) + TabOrderFaults(main) + Overlaps(main), L"") << screen << L"main window";
        for (auto [command, name] : commands) EXPECT_EQ(MisFitsOfCommand(command), L"") << screen << name;
    });
}

TEST_F(WindowFitTest, TheMoneyDialogsFitEveryScreen) {
    const std::wstring rates = tv::shell::ProgramFolder() + L"sample\\CurRates.dat";
    ASSERT_TRUE(std::filesystem::exists(rates));
    OnEveryScreen([&](const std::wstring& screen) {
        tool = std::make_unique<tv::CurrencyDialog>(home->record, tv::ExchangeRateTable(rates, tv::CalendarDate::Now()));
        dialog = tool->CreateModeless(main);
        EXPECT_EQ(MisFits(dialog) + TabOrderFaults(dialog) + Overlaps(dialog), L"") << screen << L"currency";
        std::wstring data = L"(did not open)", picker = L"(did not open)";
        WhenDialogOpens([&](HWND d) {
            data = MisFits(d) + Overlaps(d);
            SendMessageW(d, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(dialog, WM_COMMAND, ID_ABOUT_CURRENCY_DATA, 0);
        EXPECT_EQ(data, L"") << screen << L"currency data";
        WhenDialogOpens([&](HWND d) {
            picker = MisFits(d) + Overlaps(d);
            SendMessageW(d, WM_COMMAND, IDCANCEL, 0);
        });
        Press(IDC_SOURCE_CURRENCY);
        EXPECT_EQ(picker, L"") << screen << L"currency picker";
        tool.reset();

        tool = std::make_unique<tv::EuroRatesDialog>(home->record);
        dialog = tool->CreateModeless(main);
        EXPECT_EQ(MisFits(dialog) + TabOrderFaults(dialog) + Overlaps(dialog), L"") << screen << L"euro";
    });
}
