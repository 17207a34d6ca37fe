// Hostile data files: each file a dialog reads, missing, empty, a lone UTF-16
// mark, random bytes, 20 MB, read-only, held open by another program that
// shares it with no one, or a folder in its place. Every dialog opens in good
// time (the currency converter as it does without a usable rate file), shows
// what it can read, and leaves the file's bytes and times as they were.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "money/currency_dialog.h"
#include "money/currency_picker_dialog.h"
#include "reference/care_labels_dialog.h"
#include "reference/code_list_dialog.h"
#include "reference/mapped_text_file.h"
#include "reference/sales_tax_dialog.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;
namespace fs = std::filesystem;

enum class Hostility { kGood, kMissing, kEmpty, kMarkAlone, kRandomBytes, kRandomUtf16, kTwentyMegabytes,
                       kReadOnly, kHeldExclusively, kFolder };
const wchar_t* const kHostilityNames[] = {L"good", L"missing", L"empty", L"lone mark", L"random bytes",
                                         L"random UTF-16", L"20 MB", L"read-only", L"held exclusively", L"a folder"};

// What a dialog showed of its file.
struct Shown {
    bool opened = false;
    int rows = 0;      // list rows, or for the currency converter its rows with a rate
    bool icons = false;  // care labels: the icon library is loaded
    std::wstring messages;
};

// Attributes, creation and write times, length and bytes: a change by the
// reading would show. A folder's entries are not looked into.
std::string Snapshot(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return "(none)";
    data.ftLastAccessTime = {};
    std::string bytes(reinterpret_cast<const char*>(&data), sizeof data);
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::ifstream in(fs::path(path), std::ios::binary);
        bytes.append(std::istreambuf_iterator<char>(in), {});
    }
    return bytes;
}

std::string RandomBytes(size_t count, bool utf16) {
    std::mt19937 random(20240607);
    std::string bytes = utf16 ? std::string("\xFF\xFE", 2) : std::string();
    while (bytes.size() < count) bytes += static_cast<char>(random() & 0xFF);
    return bytes;
}

// Dates the file or folder's last write a day back.
void WriteADayAgo(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    FILETIME written;
    GetFileTime(file, nullptr, nullptr, &written);
    ULARGE_INTEGER ticks = {{written.dwLowDateTime, written.dwHighDateTime}};
    ticks.QuadPart -= 24ull * 3600 * 10'000'000;
    written = {ticks.LowPart, ticks.HighPart};
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}

class HostileFilesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open();
        fs::create_directories(folder);
    }
    void TearDown() override {
        for (const auto& entry : fs::directory_iterator(folder)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        fs::remove_all(folder);
        MainWindowTest::TearDown();
    }

    // The program's own file `name` (with its partner, for the care labels)
    // made hostile, written a day ago so that a change shows in its time.
    void Prepare(const wchar_t* name, Hostility hostility) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
            fs::remove_all(entry.path());
        }
        // Copied byte for byte into new files: copies would keep the originals' rights.
        const auto copy = [&](const wchar_t* file) {
            const std::wstring from = lstrcmpW(file, L"CurRates.dat") == 0
                                          ? tv::shell::ProgramFolder() + L"sample\\CurRates.dat"
                                          : tv::DataFilePath(file);
            std::ifstream in(fs::path(from), std::ios::binary);
            std::ofstream(fs::path(folder + file), std::ios::binary) << in.rdbuf();
        };
        copy(name);
        if (std::wstring(name).starts_with(L"wLabels.")) copy(lstrcmpW(name, L"wLabels.dat") == 0 ? L"wLabels.dll" : L"wLabels.dat");
        const std::wstring path = folder + name;
        const auto write = [&](const std::string& bytes) {
            fs::remove(path);
            std::ofstream(fs::path(path), std::ios::binary) << bytes;
        };
        switch (hostility) {
            case Hostility::kGood: case Hostility::kReadOnly: case Hostility::kHeldExclusively: break;
            case Hostility::kMissing: fs::remove(path); break;
            case Hostility::kEmpty: write(""); break;
            case Hostility::kMarkAlone: write("\xFF\xFE"); break;
            case Hostility::kRandomBytes: write(RandomBytes(64 << 10, false)); break;
            case Hostility::kRandomUtf16: write(RandomBytes(64 << 10, true)); break;
            case Hostility::kTwentyMegabytes:
                write("A");
                fs::resize_file(path, 20 << 20);
                break;
            case Hostility::kFolder:
                fs::remove(path);
                fs::create_directory(path);
                break;
        }
        WriteADayAgo(path);
        if (hostility == Hostility::kReadOnly) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    }

    // Runs `open` over `name` made hostile, another handle holding it where
    // asked; checks the time it took and that the file is unchanged.
    // rewrites: `open` writes the file itself first.
    Shown Read(const wchar_t* name, Hostility hostility, const std::function<Shown()>& open, bool rewrites = false) {
        Prepare(name, hostility);
        const std::wstring path = folder + name;
        const std::string before = Snapshot(path);
        HANDLE other = INVALID_HANDLE_VALUE;
        if (hostility == Hostility::kHeldExclusively) {
            other = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            EXPECT_NE(other, INVALID_HANDLE_VALUE);
        }
        const auto start = std::chrono::steady_clock::now();
        const Shown shown = open();
        const auto took = std::chrono::steady_clock::now() - start;
        if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
        EXPECT_LT(took, std::chrono::seconds(4)) << name << ", " << kHostilityNames[int(hostility)];
        if (!rewrites) EXPECT_EQ(Snapshot(path), before) << name << ", " << kHostilityNames[int(hostility)];
        return shown;
    }

    // Opens `tool` over the main window, lets `look` read what it shows, paints it and closes it.
    Shown Show(std::unique_ptr<tv::ToolDialog> tool, const std::function<void(HWND, Shown&)>& look) {
        Shown shown;
        shown.messages = CloseMessageBoxes(main, [&] {
            HWND dialog = tool->CreateModeless(main);
            shown.opened = dialog != nullptr;
            if (dialog) {
                look(dialog, shown);
                RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            }
            loop.RunPending();
            tool.reset();
            loop.RunPending();
        });
        return shown;
    }

    // Every hostility of `name` read by `open`; the rows a good file gives are
    // shown read-only too, none when the file cannot be read, and random
    // bytes show whatever rows they make.
    void ExpectEveryHostility(const wchar_t* name, const std::function<Shown()>& open) {
        const int good = Read(name, Hostility::kGood, open).rows;
        EXPECT_GT(good, 0) << name;
        for (int h = 1; h < int(std::size(kHostilityNames)); ++h) {
            const Hostility hostility = static_cast<Hostility>(h);
            const Shown shown = Read(name, hostility, open);
            const std::wstring what = std::wstring(name) + L", " + kHostilityNames[h];
            EXPECT_TRUE(shown.opened) << what;
            EXPECT_EQ(shown.messages, L"") << what;
            if (hostility == Hostility::kReadOnly) EXPECT_EQ(shown.rows, good) << what;
            else if (hostility != Hostility::kRandomBytes && hostility != Hostility::kRandomUtf16) EXPECT_EQ(shown.rows, 0) << what;
        }
    }

    static void CountList(HWND dialog, int id, Shown& shown) {
        shown.rows = static_cast<int>(SendDlgItemMessageW(dialog, id, LVM_GETITEMCOUNT, 0, 0));
    }

    const std::wstring folder = (fs::temp_directory_path() / L"tv-hostile-files" / L"").wstring();
};

}  // namespace

TEST_F(HostileFilesTest, CodeListsAndCurrencyPickersShowWhatTheyCanRead) {
    const auto list = [&](std::function<std::unique_ptr<tv::ToolDialog>()> make) {
        return [this, make] { return Show(make(), [](HWND d, Shown& s) { CountList(d, IDC_CODE_LIST, s); }); };
    };
    ExpectEveryHostility(L"Countries.dat",
                         list([&] { return std::make_unique<tv::DialingCodesDialog>(folder + L"Countries.dat"); }));
    ExpectEveryHostility(L"CityArea.dat",
                         list([&] { return std::make_unique<tv::CityAreaCodesDialog>(folder + L"CityArea.dat"); }));
    ExpectEveryHostility(L"CurrencyCode.dat", list([&] {
        return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kCurrencyCodes, L"USD",
                                                          folder + L"CurrencyCode.dat");
    }));
    ExpectEveryHostility(L"Euro.dat", list([&] {
        return std::make_unique<tv::CurrencyPickerDialog>(tv::CurrencyListKind::kEuroCodes, L"DEM", folder + L"Euro.dat");
    }));
}

// Each region reads its own file when it is chosen.
TEST_F(HostileFilesTest, SalesTaxRegionsShowWhatTheyCanRead) {
    const wchar_t* const files[] = {L"CanVat.dat", L"UsaVat.dat", L"EuroVat.dat"};
    for (int region = 0; region < 3; ++region) {
        ExpectEveryHostility(files[region], [&] {
            return Show(std::make_unique<tv::SalesTaxDialog>(folder), [&](HWND d, Shown& s) {
                HWND choice = GetDlgItem(d, IDC_LIST_TOOL_CHOICE);
                SendMessageW(choice, CB_SETCURSEL, region, 0);
                SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDC_LIST_TOOL_CHOICE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(choice));
                CountList(d, IDC_LIST_TOOL_TABLE, s);
            });
        });
    }
}

// The labels without their file have no rows; without their library, no icons.
TEST_F(HostileFilesTest, CareLabelsShowWhatTheyCanReadWithOrWithoutTheirIcons) {
    const auto open = [&] {
        auto labels = std::make_unique<tv::CareLabelsDialog>(folder);
        const bool icons = labels->HasIconLibrary();
        Shown shown = Show(std::move(labels), [](HWND d, Shown& s) { CountList(d, IDC_LIST_TOOL_TABLE, s); });
        shown.icons = icons;
        return shown;
    };
    ExpectEveryHostility(L"wLabels.dat", open);
    const int rows = Read(L"wLabels.dll", Hostility::kGood, open).rows;
    for (int h = 1; h < int(std::size(kHostilityNames)); ++h) {
        const Hostility hostility = static_cast<Hostility>(h);
        const Shown shown = Read(L"wLabels.dll", hostility, open);
        EXPECT_TRUE(shown.opened && shown.rows == rows && shown.messages.empty()) << kHostilityNames[h];
        EXPECT_EQ(shown.icons, hostility == Hostility::kReadOnly) << kHostilityNames[h];
    }
}

// A rate file that cannot be read closes the converter, with the message
// when there is none; one it can read opens it, its rows converting at the
// rates it found or at the rows' own.
TEST_F(HostileFilesTest, TheCurrencyConverterOpensOverAnyRateFileItCanRead) {
    const auto open = [&] {
        auto converter = std::make_unique<tv::CurrencyDialog>(
            home->record, tv::ExchangeRateTable(folder + L"CurRates.dat", tv::CalendarDate::Now()));
        return Show(std::move(converter), [](HWND d, Shown& s) {
            SetDlgItemTextW(d, IDC_AMOUNT, L"12");
            SendMessageW(d, WM_COMMAND, IDC_CONVERT_BUTTON, 0);
            for (int row = 0; row < 4; ++row) {
                wchar_t rate[64] = {}, amount[64] = {};
                GetDlgItemTextW(d, IDC_RATE_1 + row, rate, 64);
                GetDlgItemTextW(d, IDC_CONVERTED_1 + row, amount, 64);
                EXPECT_LE(lstrlenW(rate), 15) << rate;  // all of it fits its field, and is saved whole
                EXPECT_GT(lstrlenW(amount), 0);
                s.rows += lstrcmpW(rate, L"0.000000") != 0 && lstrcmpW(rate, L"1.0") != 0;
            }
        });
    };
    const std::wstring noFile = L"Tallyvane Pro: The currency exchange rate file does not exist.";
    for (int h = 0; h < int(std::size(kHostilityNames)); ++h) {
        const Hostility hostility = static_cast<Hostility>(h);
        const Shown shown = Read(L"CurRates.dat", hostility, open);
        const bool readable = hostility == Hostility::kGood || hostility == Hostility::kReadOnly ||
                              hostility == Hostility::kEmpty || hostility == Hostility::kRandomBytes ||
                              hostility == Hostility::kRandomUtf16;
        EXPECT_EQ(shown.opened, readable) << kHostilityNames[h];
        EXPECT_EQ(shown.messages.substr(0, noFile.size()), hostility == Hostility::kMissing ? noFile : L"")
            << kHostilityNames[h];
        if (hostility == Hostility::kGood || hostility == Hostility::kReadOnly) EXPECT_EQ(shown.rows, 4);
        if (hostility == Hostility::kEmpty) EXPECT_EQ(shown.rows, 0);
    }
    // A cross rate whose six decimals take hundreds of digits is no rate: its
    // row takes its own, as for a currency the file lacks.
    const Shown huge = Read(L"CurRates.dat", Hostility::kGood, [&] {
        std::ofstream(fs::path(folder + L"CurRates.dat"), std::ios::binary)
            << "20040115\r\nUSD 1.0\r\nCAD 1e-250\r\nHKD 0.128\r\nEUR 1.25\r\nCNY 0.12\r\n";
        return open();
    }, true);
    EXPECT_TRUE(huge.opened);
    EXPECT_EQ(huge.rows, 3);
}

// A file just short of the 16 MiB any data file may have, of two million
// short lines: the list shows as many as a list holds, the first of them in
// file order, and opens and closes in good time.
TEST_F(HostileFilesTest, AListFileOfSixteenMebibytesShowsItsFirstRowsInGoodTime) {
    std::string rows;
    for (int i = 0; rows.size() < (16u << 20) - 64; ++i) rows += std::to_string(i) + "\n";
    std::wstring last;
    const Shown shown = Read(L"Countries.dat", Hostility::kGood, [&] {
        std::ofstream(fs::path(folder + L"Countries.dat"), std::ios::binary) << rows;
        return Show(std::make_unique<tv::DialingCodesDialog>(folder + L"Countries.dat"), [&](HWND d, Shown& s) {
            CountList(d, IDC_CODE_LIST, s);
            wchar_t text[32] = {};
            ListView_GetItemText(GetDlgItem(d, IDC_CODE_LIST), s.rows - 1, 0, text, 32);
            last = text;
        });
    }, true);
    EXPECT_EQ(shown.rows, int(tv::kMostCodeListRows));
    EXPECT_EQ(last, std::to_wstring(tv::kMostCodeListRows - 1));
}
