// The currency and euro converters and the currency picker, driven through
// their real controls over rate files of our own; the arithmetic and the
// file format are the native suite's.
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

#include "money/currency_data_dialog.h"
#include "money/currency_dialog.h"
#include "money/euro_rates_dialog.h"
#include "money/rate_download.h"
#include "money/rate_feed.h"
#include "money/rate_update.h"
#include "loopback_http_server.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;
namespace fs = std::filesystem;

const char kRates[] = "20040115\r\nUSD 1.0\r\nCAD 0.75\r\nHKD 0.128\r\nEUR 1.25\r\nCNY 0.12\r\n";

class MoneyTest : public ToolDialogTest {
protected:
    void TearDown() override {
        ToolDialogTest::TearDown();
        fs::remove_all(folder);
    }
    std::wstring WriteRates(const std::string& bytes, const std::wstring& path = {}) {
        const std::wstring file = path.empty() ? folder + L"CurRates.dat" : path;
        fs::create_directories(fs::path(file).parent_path());
        std::ofstream(fs::path(file), std::ios::binary) << bytes;
        return file;
    }
    void OpenCurrency(const std::wstring& file) {
        tool = std::make_unique<tv::CurrencyDialog>(home->record, tv::ExchangeRateTable(file, tv::CalendarDate::Now()));
        dialog = tool->CreateModeless(main);
    }
    void OpenEuro() {
        tool = std::make_unique<tv::EuroRatesDialog>(home->record);
        dialog = tool->CreateModeless(main);
    }
    std::wstring Codes() const {
        return Fields({IDC_SOURCE_CURRENCY, IDC_TARGET_CURRENCY_1, IDC_TARGET_CURRENCY_1 + 1, IDC_TARGET_CURRENCY_1 + 2, IDC_TARGET_CURRENCY_4});
    }
    std::wstring Rates() const { return Fields({IDC_RATE_1, IDC_RATE_1 + 1, IDC_RATE_1 + 2, IDC_RATE_1 + 3}); }
    std::wstring Converted(const wchar_t* amount) {
        Type(IDC_AMOUNT, amount);
        Press(IDC_CONVERT_BUTTON);
        return Fields({IDC_CONVERTED_1, IDC_CONVERTED_1 + 1, IDC_CONVERTED_1 + 2, IDC_CONVERTED_1 + 3});
    }
    // The date "About Currency Data" shows.
    std::wstring ShownRatesDate() {
        std::wstring shown;
        WhenDialogOpens([&](HWND about) {
            shown = Text(GetDlgItem(about, IDC_RATES_DATE));
            SendMessageW(about, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(dialog, WM_COMMAND, ID_ABOUT_CURRENCY_DATA, 0);
        return shown;
    }
    std::wstring ModifyRatesItem() { return MenuItems(dialog, IDMB_TOOLS, {ID_MODIFY_RATES}); }
    // Taps a currency button; the picker that opens gets `code` chosen (none:
    // OK with no row) and OK. Returns the row the picker showed selected.
    std::wstring Pick(int button, const wchar_t* code) {
        std::wstring selected = L"(no picker)";
        WhenDialogOpens([&](HWND picker) {
            HWND list = GetDlgItem(picker, IDC_CODE_LIST);
            const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
            selected = row < 0 ? L"(none)" : tv::ListItemText(list, row);
            if (code) {
                LVFINDINFOW find = {LVFI_STRING, code};
                tv::CodeListDialog::SelectRow(list, ListView_FindItem(list, -1, &find));
            }
            SendMessageW(picker, WM_COMMAND, IDOK, 0);
        });
        Press(button);
        Pump(loop);
        return selected;
    }

    const std::wstring folder = (fs::temp_directory_path() / L"tv-money-tests" / L"").wstring();
};

}  // namespace

TEST_F(MoneyTest, CurrencyConverterOpensFromTheMenuOverTheDocumentsRateFileAndKeepsItsChoiceAcrossARestart) {
    const std::wstring userFile = tv::ExchangeRateTable::OfUserFile().Path();
    WriteRates(kRates, userFile);
    OpenFromMenu(ID_CURRENCY, L"curr", [&] {
        EXPECT_EQ(Codes(), L"USD | CAD | HKD | EUR | CNY");
        EXPECT_EQ(Pick(IDC_TARGET_CURRENCY_1 + 2, L"JPY"), L"EUR");
        EXPECT_EQ(Rates(), L"1.333333 | 7.812500 | 0.000000 | 8.333333");
    });
    fs::remove(userFile);
    EXPECT_EQ(std::wstring(home->record.MoneySel), L"USDCADHKDJPYCNY");
    EXPECT_EQ(std::wstring(home->record.CustomRates[2]), L"0.000000");
    Close();  // the program's exit writes the settings
    Open();
    EXPECT_EQ(std::wstring(home->record.MoneySel), L"USDCADHKDJPYCNY");
    EXPECT_EQ(std::wstring(home->record.CustomRates[2]), L"0.000000");
}

TEST_F(MoneyTest, WithoutARateFileMessage21AndNothingKeptAnUnreadableOneClosesSilently) {
    const std::wstring userFile = tv::ExchangeRateTable::OfUserFile().Path();
    fs::remove(userFile);
    lstrcpyW(home->record.MoneySel, L"GBPCADHKDEURCNY");
    const std::wstring shown = CloseMessageBoxes(main, [&] { Command(ID_CURRENCY); });
    EXPECT_EQ(shown.substr(0, shown.find(L" Please")), L"Tallyvane Pro: The currency exchange rate file does not exist.");
    EXPECT_NE(shown.find(L"CurRates.dat in your Documents folder. Once it is there, Update Currency Data in the Tools "
                         L"menu brings it up to date. (stop)"),
              std::wstring::npos)
        << shown;
    EXPECT_EQ(std::wstring(home->record.MoneySel), L"GBPCADHKDEURCNY");

    // A folder of that name is found but cannot be read.
    fs::create_directories(folder + L"CurRates.dat");
    EXPECT_EQ(CloseMessageBoxes(main, [&] { OpenCurrency(folder + L"CurRates.dat"); }), L"");
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(std::wstring(home->record.CustomRates[0]), L"1.0");
}

TEST_F(MoneyTest, RatesWithSixDecimalsConvertAsShownAndMissingOnesSwitchModifyRates) {
    OpenCurrency(WriteRates(kRates));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Codes(), L"USD | CAD | HKD | EUR | CNY");
    EXPECT_EQ(Rates(), L"[1.333333] | [7.812500] | [0.800000] | [8.333333]");
    EXPECT_EQ(ModifyRatesItem(), L"Modify Rates; ");
    EXPECT_EQ(GetFocus(), Field(IDC_AMOUNT));
    EXPECT_EQ(Limit(IDC_AMOUNT), 32);
    EXPECT_EQ(Limit(IDC_RATE_1), 15);
    home->record.GroupDigits = true;  // read at each conversion
    EXPECT_EQ(Converted(L"10000"), L"[13,333.33] | [78,125.00] | [8,000.00] | [83,333.33]");
    home->record.GroupDigits = false;

    // A code the file lacks: no rate, and the rates become editable; a second
    // such pick switches them back.
    EXPECT_EQ(Pick(IDC_TARGET_CURRENCY_1 + 1, L"JPY"), L"HKD");
    EXPECT_EQ(Rates(), L"1.333333 | 0.000000 | 0.800000 | 8.333333");
    EXPECT_EQ(ModifyRatesItem(), L"Modify Rates (ticked); ");
    EXPECT_EQ(Fields({IDC_CONVERTED_1, IDC_CONVERTED_1 + 1}), L"[13333.33] | [0.00]");  // converted again at once
    Type(IDC_RATE_1 + 1, L"2.5");
    Pick(IDC_TARGET_CURRENCY_4, L"AED");
    EXPECT_EQ(Rates(), L"[1.333333] | [2.5] | [0.800000] | [0.000000]");
    EXPECT_EQ(Converted(L"2"), L"[2.67] | [5.00] | [1.60] | [0.00]");

    // A new source refreshes every row.
    EXPECT_EQ(Pick(IDC_SOURCE_CURRENCY, L"EUR"), L"USD");
    EXPECT_EQ(Rates(), L"1.666667 | 0.000000 | 1.000000 | 0.000000");  // two missing: switched once
    EXPECT_EQ(ModifyRatesItem(), L"Modify Rates (ticked); ");
    Type(IDC_RATE_1 + 1, L"140");
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(std::wstring(home->record.MoneySel), L"EURCADJPYEURAED");
    EXPECT_EQ(std::wstring(home->record.CustomRates[1]), L"140");
    EXPECT_EQ(std::wstring(home->record.CustomRates[3]), L"0.000000");
}

// A saved row the file has no rate for shows the row's own rate; the Edit
// menu names each row after its code; the data window shows the file's date.
TEST_F(MoneyTest, SavedRatesFillRowsTheFileLacksEditMenuCopiesEachRowAndTheDateShows) {
    lstrcpyW(home->record.MoneySel, L"USDCADXXXEURCNY");
    lstrcpyW(home->record.CustomRates[1], L"7.75");
    OpenCurrency(WriteRates(kRates));
    EXPECT_EQ(Rates(), L"1.333333 | 7.75 | 0.800000 | 8.333333");
    EXPECT_EQ(ModifyRatesItem(), L"Modify Rates (ticked); ");
    ASSERT_TRUE(OpenClipboard(dialog));
    EmptyClipboard();
    CloseClipboard();
    const auto edit = {ID_COPY_OUTPUT_FIRST, ID_COPY_OUTPUT_FIRST + 1, ID_COPY_OUTPUT_FIRST + 2, ID_COPY_OUTPUT_FIRST + 3, ID_PASTE};
    EXPECT_EQ(MenuItems(dialog, IDMB_EDIT, edit), L"Copy CAD (grey); Copy XXX (grey); Copy EUR (grey); Copy CNY (grey); Paste (grey); ");
    Converted(L"100");
    SendMessageW(dialog, WM_COMMAND, ID_COPY_OUTPUT_FIRST + 2, 0);
    EXPECT_EQ(MenuItems(dialog, IDMB_EDIT, edit), L"Copy CAD; Copy XXX; Copy EUR; Copy CNY; Paste; ");
    Type(IDC_AMOUNT, L"");
    SendMessageW(dialog, WM_COMMAND, ID_PASTE, 0);
    EXPECT_EQ(TextOf(IDC_AMOUNT), L"80.00");

    // About Currency Data: the file's date in the long format, or Unknown.
    EXPECT_EQ(ShownRatesDate(), L"Thursday, January 15, 2004");
    tv::CalendarDate damaged;
    damaged.SetDate(2004, 13, 15);
    EXPECT_EQ(tv::LongDateText(damaged), L"Unknown");
}

TEST_F(MoneyTest, EuroConverterUsesFixedRatesHidesTheRatesAndHasNoTools) {
    OpenFromMenu(ID_EURO_RATES, L"euro", [&] {
        EXPECT_EQ(Codes(), L"EUR | DEM | FRF | ITL | NLG");
    });
    OpenEuro();
    EXPECT_FALSE(IsWindowVisible(Field(IDC_RATE_1)));
    EXPECT_TRUE(GetMenuState(GetMenu(dialog), 1, MF_BYPOSITION) & MF_GRAYED);  // Tools
    EXPECT_FALSE(GetMenuState(GetMenu(dialog), 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(Converted(L"1"), L"[1.96] | [6.56] | [1936.27] | [2.20]");
    EXPECT_EQ(Pick(IDC_SOURCE_CURRENCY, L"ITL"), L"EUR");
    EXPECT_EQ(Pick(IDC_TARGET_CURRENCY_1, L"EUR"), L"DEM");
    EXPECT_EQ(Converted(L"1000"), L"[0.52] | [3.39] | [1000.00] | [1.14]");
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(std::wstring(home->record.EuroSel), L"ITLEURFRFITLNLG");
}

TEST_F(MoneyTest, PickerFindsTheCodeInAnyCaseAndOnlyLeavesWithARowOrWithNoList) {
    const std::wstring file = WriteRates("USD\tUS Dollar\r\nCAD\tCanadian Dollar\r\n", folder + L"codes.dat");
    tv::CurrencyPickerDialog picker(tv::CurrencyListKind::kCurrencyCodes, L"cad", file);
    HWND window = picker.CreateModeless(main);
    HWND list = GetDlgItem(window, IDC_CODE_LIST);
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), 40);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(40 + ListView_GetColumnWidth(list, 1), client.right);  // the names fill the rest
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    SendMessageW(window, WM_COMMAND, IDOK, 0);  // beeps and stays
    EXPECT_EQ(picker.Result(), -1);
    tv::CodeListDialog::SelectRow(list, 0);
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(picker.Code(), L"USD");

    tv::CurrencyPickerDialog empty(tv::CurrencyListKind::kEuroCodes, L"DEM", folder + L"missing.dat");
    SendMessageW(empty.CreateModeless(main), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(empty.Result(), IDOK);
    EXPECT_EQ(empty.Code(), L"DEM");
}

TEST_F(MoneyTest, HeldSidewaysTheConverterScrollsToTheControlThatTakesTheFocus) {
    auto placed = [&](int id) { return Placed(Field(id)); };
    Close();
    tv::shell::SetDeviceScreenLogicalSize(320, 240);
    Open();
    OpenEuro();
    ASSERT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_VSCROLL);
    const LONG top = placed(IDC_FROM_CURRENCY_LABEL).top;
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_GT(placed(IDC_KEY_0).bottom, client.bottom);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Field(IDC_KEY_0)), TRUE);
    Pump(loop);
    EXPECT_LE(placed(IDC_KEY_0).bottom, client.bottom);
    EXPECT_LT(placed(IDC_FROM_CURRENCY_LABEL).top, 0);
    SendMessageW(dialog, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(placed(IDC_FROM_CURRENCY_LABEL).top, top);
}

namespace {

// A feed of the source's shape: the day's rates as units per euro.
std::string Feed(const char* date, const char* rows) {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope "
                       "xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
                       "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
                       "\t<gesmes:subject>Reference rates</gesmes:subject>\n\t<Cube>\n\t\t<Cube time='") +
           date + "'>\n" + rows + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

const char kDayRows[] =
    "<Cube currency='USD' rate='1.1612'/><Cube currency='JPY' rate='180.12'/><Cube currency='BGN' rate='1.9558'/>\n"
    "<Cube currency='CZK' rate='24.215'/><Cube currency='DKK' rate='7.4691'/><Cube currency='GBP' rate='0.87215'/>\n"
    "<Cube currency='HUF' rate='383.05'/><Cube currency='PLN' rate='4.2265'/><Cube currency='SEK' rate='10.9390'/>\n"
    "<Cube currency='CAD' rate='1.6223'/><Cube currency='HKD' rate='9.0368'/><Cube currency='CNY' rate='8.2216'/>\n";

std::string Bytes(const std::wstring& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const wchar_t kBegins[] =
    L"Tallyvane Pro: Download is about to begin. Please make sure an Internet connection is connected and ready. "
    L"(information)\n";

class RateUpdateTest : public MoneyTest {
protected:
    void SetUp() override {
        MoneyTest::SetUp();
        ASSERT_FALSE(server.Url().empty());
        SetSource(server.Url());
        file = WriteRates(kRates);
        // An old time, so that any touch of the file shows.
        HANDLE h = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        const FILETIME old = {0x5A2B0000, 0x01D5F000};
        SetFileTime(h, nullptr, nullptr, &old);
        CloseHandle(h);
    }
    void TearDown() override {
        server.Stop();
        tv::SetRateDownloadTimeLimitForTesting(15000);
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        MoneyTest::TearDown();
    }
    static void SetSource(const std::wstring& url) {
        RegSetKeyValueW(HKEY_CURRENT_USER, tv::kMoneyPath, L"RatesUrl", REG_SZ, url.c_str(),
                        static_cast<DWORD>((url.size() + 1) * sizeof(wchar_t)));
    }
    std::wstring UpdateItem() { return MenuItems(dialog, IDMB_TOOLS, {ID_UPDATE_CURRENCY_DATA}); }
    // Chooses Update Currency Data and waits for its end; the boxes it showed, closed.
    std::wstring Update() {
        return CloseMessageBoxes(dialog, [&] {
            SendMessageW(dialog, WM_COMMAND, ID_UPDATE_CURRENCY_DATA, 0);
            for (int i = 0; i < 400 && UpdateItem() != L"Update Currency Data; "; ++i) Pump(loop, 25);
            Pump(loop);
        });
    }
    // The rate file's bytes and time of last change.
    std::string FileState() const {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data);
        return Bytes(file) + "@" +
               std::to_string(data.ftLastWriteTime.dwHighDateTime) + ":" +
               std::to_string(data.ftLastWriteTime.dwLowDateTime);
    }
    bool TemporaryLeft() const { return fs::exists(fs::path(folder) / L"CurRates.tmp"); }

    LoopbackHttpServer server;
    std::wstring file;
};

}  // namespace

TEST_F(RateUpdateTest, TheDaysFeedReplacesTheFileAndTheConverterShowsItsRatesAndDate) {
    server.SetReply({"200 OK", Feed("2026-12-04", kDayRows)});
    OpenCurrency(file);
    EXPECT_EQ(UpdateItem(), L"Update Currency Data; ");
    EXPECT_EQ(Update(), kBegins + std::wstring(L"Tallyvane Pro: Rate File has been successfully downloaded. (information)\n"));
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(tv::RateTransfersAlive(), 0);  // WinHTTP let go of it too
    EXPECT_EQ(Rates(), L"[1.397089] | [7.782294] | [0.861178] | [7.080262]");
    EXPECT_EQ(Converted(L"100"), L"[139.71] | [778.23] | [86.12] | [708.03]");
    const std::string written = Bytes(file);
    EXPECT_EQ(written.substr(0, written.find("JPY")), "20261204\r\nEUR 1\r\nUSD 0.861178091629349\r\n");
    EXPECT_FALSE(TemporaryLeft());

    EXPECT_EQ(ShownRatesDate(), L"Friday, December 4, 2026");
}

TEST_F(RateUpdateTest, EveryFailureLeavesTheFileAsItWasAndSaysSo) {
    const std::string big(tv::kMaxFeedBytes + 1, ' ');
    const std::string feed = Feed("2026-12-04", kDayRows);
    struct Case {
        const char* name;
        LoopbackHttpServer::Reply reply;
        std::function<void()> before;
    };
    HANDLE held = INVALID_HANDLE_VALUE;
    const Case cases[] = {
        {"404", {"404 Not Found", feed}},
        {"500", {"500 Internal Server Error", feed}},
        {"over 1 MiB, announced", {"200 OK", feed + big}},
        {"over 1 MiB, streamed", {"200 OK", feed + big, false}},
        {"malformed", {"200 OK", feed.substr(0, feed.size() / 2)}},
        {"nine currencies", {"200 OK", Feed("2026-12-04", "<Cube currency='USD' rate='1.1'/>")}},
        {"stalls past the limit", {"200 OK", feed, true, true}, [] { tv::SetRateDownloadTimeLimitForTesting(1000); }},
        {"after a stall, a sound feed from a read-only file", {"200 OK", feed}, [&] {
             tv::SetRateDownloadTimeLimitForTesting(15000);
             SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
         }},
        {"refused address", {"200 OK", feed}, [] { SetSource(L"http://192.0.2.1/eurofxref-daily.xml"); }},
        {"file held open",
         {"200 OK", feed},
         [&] { held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr); }},
    };
    const std::wstring failed = kBegins + std::wstring(L"Tallyvane Pro: Rate File download has failed! (exclamation)\n");
    const std::string before = FileState();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int requests = server.Requests();
        server.SetReply(c.reply);
        if (c.before) c.before();
        OpenCurrency(file);
        EXPECT_EQ(Update(), failed);
        EXPECT_EQ(server.Requests() - requests, std::string(c.name).find("refused") == 0 ? 0 : 1);
        EXPECT_EQ(Rates(), L"[1.333333] | [7.812500] | [0.800000] | [8.333333]");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        tool.reset();
        if (held != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
        SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        SetSource(server.Url());
        EXPECT_EQ(FileState(), before);
        EXPECT_FALSE(TemporaryLeft());
    }
}

TEST_F(RateUpdateTest, ClosingDuringAStalledTransferReturnsAtOnce) {
    server.SetReply({"200 OK", "", true, true});
    OpenCurrency(file);
    const std::string before = FileState();
    EXPECT_EQ(CloseMessageBoxes(dialog, [&] { SendMessageW(dialog, WM_COMMAND, ID_UPDATE_CURRENCY_DATA, 0); }),
              kBegins);
    for (int i = 0; i < 100 && server.Requests() == 0; ++i) Pump(loop, 20);
    ASSERT_EQ(server.Requests(), 1);
    // While it runs: the command is grey and the pointer says work goes on.
    EXPECT_EQ(UpdateItem(), L"Update Currency Data (grey); ");
    SendMessageW(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_APPSTARTING));
    EXPECT_EQ(Converted(L"1"), L"[1.33] | [7.81] | [0.80] | [8.33]");  // the dialog still works

    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(CloseMessageBoxes(dialog, [&] {
                  SendMessageW(dialog, WM_COMMAND, IDOK, 0);
                  tool.reset();
                  Pump(loop);
              }),
              L"");
    EXPECT_LT(GetTickCount64() - start, 1000u);
    EXPECT_EQ(FileState(), before);
    EXPECT_FALSE(TemporaryLeft());
    // What WinHTTP still held goes once the connection ends.
    server.Stop();
    for (int i = 0; i < 100 && tv::RateTransfersAlive() > 0; ++i) Sleep(20);
    EXPECT_EQ(tv::RateTransfersAlive(), 0);
}

TEST_F(RateUpdateTest, TheSourceIsTheRegistrysAddressWhenSetAndOnlyASafeOne) {
    auto source = [](const wchar_t* url) {
        if (url) SetSource(url);
        else RegDeleteKeyValueW(HKEY_CURRENT_USER, tv::kMoneyPath, L"RatesUrl");
        const std::optional<tv::RatesUrl> parsed = tv::RatesSource();
        return parsed ? (parsed->secure ? L"https " : L"http ") + parsed->host + L" " +
                            std::to_wstring(parsed->port) + L" " + parsed->path
                      : L"(refused)";
    };
    EXPECT_EQ(source(nullptr), L"https www.ecb.europa.eu 443 /stats/eurofxref/eurofxref-daily.xml");
    EXPECT_EQ(source(L""), source(nullptr));
    EXPECT_EQ(source(L"https://rates.example.org/today.xml"), L"https rates.example.org 443 /today.xml");
    EXPECT_EQ(source(L"http://localhost:8080/r.xml"), L"http localhost 8080 /r.xml");
    EXPECT_EQ(source(L"http://rates.example.org/today.xml"), L"(refused)");
    EXPECT_EQ(source((L"https://rates.example.org/" + std::wstring(5000, L'a')).c_str()), L"(refused)");
}
