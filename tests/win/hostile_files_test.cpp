// Hostile data files: each file a dialog reads made missing, empty, random,
// a byte too large, read-only, held by another program or a folder. Every
// dialog opens in good time (the currency converter as it does without a
// usable rate file), shows what it can read, and leaves the file as it was.
// (The encodings are the native suite's.)
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "reference/care_labels_dialog.h"
#include "reference/code_list.h"
#include "reference/mapped_text_file.h"
#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;
namespace fs = std::filesystem;

// `bytes` followed by numbered lines, or by random bytes, up to `size`.
std::string Filled(size_t size, bool lines, std::string bytes = "") {
    std::mt19937 random(20240607);
    for (int i = 0; bytes.size() < size; ++i) bytes += lines ? std::to_string(i) + "\n" : std::string(1, char(random()));
    return bytes;
}

enum Make { kShipped, kReadOnly, kHeld, kRemoved, kWritten, kFolder };
enum Rows { kShippedRows, kNoRows, kAnyRows, kMostRows };

// What is done to the file (kWritten: these bytes, grown with zeros to
// `size` when given; kHeld: `size` is the holder's share mode), and what its
// readers then have: a text (the converter opens), which rows, and for the
// labels' library its icons. Rows not for every reader are for the readers
// that take every hostility.
struct Hostility {
    const char* name;
    Make make;
    std::string bytes;
    size_t size;
    bool readable;
    Rows rows;
    bool icons, everyReader;
};

const Hostility kHostilities[] = {
    {"as shipped", kShipped, "", 0, true, kShippedRows, true, true},
    {"read-only", kReadOnly, "", 0, true, kShippedRows, true, false},
    {"held for writing, shared for reading", kHeld, "", FILE_SHARE_READ, true, kShippedRows, false, false},
    {"held exclusively", kHeld, "", 0, false, kNoRows, false, false},
    {"missing", kRemoved, "", 0, false, kNoRows, false, true},
    {"a folder", kFolder, "", 0, false, kNoRows, false, false},
    {"empty", kWritten, "", 0, true, kNoRows, false, true},
    {"a lone UTF-16 mark", kWritten, "\xFF\xFE", 0, false, kNoRows, false, false},
    {"random bytes", kWritten, Filled(64 << 10, false), 0, true, kAnyRows, false, true},
    {"random UTF-16", kWritten, Filled(64 << 10, false, "\xFF\xFE"), 0, true, kAnyRows, false, true},
    {"a byte over 16 MiB", kWritten, "A", (16 << 20) + 1, false, kNoRows, false, false},
    // In good time too; the text ends at the first zero.
    {"two million lines in 16 MiB", kWritten, Filled((16 << 20) - 64, true), 16 << 20, true, kMostRows, false, false},
};

// A file the program reads (the sales tax's three files take one reader), the
// tool that reads it, and whether it takes every hostility (else those every
// reader takes: its parser's, and a missing file).
enum Reads { kList, kIcons, kRates };
const struct Reader {
    const wchar_t* file;
    const wchar_t* tool;
    Reads reads;
    bool everyHostility;
} kReaders[] = {
    {L"Countries.dat", L"dialing codes", kList, true},
    {L"CityArea.dat", L"city area codes", kList, false},
    {L"CurrencyCode.dat", L"currency picker", kList, false},
    {L"Euro.dat", L"euro picker", kList, false},
    {L"CanVat.dat", L"sales tax", kList, false},
    {L"wLabels.dat", L"care labels", kList, false},
    {L"wLabels.dll", L"care labels", kIcons, true},
    {L"CurRates.dat", L"currency", kRates, true},
};

// What a dialog showed of its file.
struct Shown {
    bool opened = false, icons = false;
    int rows = 0;  // list rows, or for the currency converter its rows with a rate
    std::wstring messages;
};

// Attributes, creation and write times, length and bytes (not a folder's entries).
std::string Snapshot(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return "(none)";
    data.ftLastAccessTime = {};
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(reinterpret_cast<const char*>(&data), sizeof data) + std::string(std::istreambuf_iterator<char>(in), {});
}

class HostileFilesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Open();
        fs::create_directories(folder);
    }
    void TearDown() override {
        Clear();
        MainWindowTest::TearDown();
    }
    void Clear() {
        for (const auto& entry : fs::directory_iterator(folder)) SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder);
        fs::create_directories(folder);
    }

    // The shipped file (and the labels' partner) made hostile and dated a day
    // back, so that a change would show in its time; then the reader's tool
    // opens over it in good time, shows what it can, paints and closes, and
    // leaves the file unchanged.
    Shown Read(const Reader& reader, const Hostility& h) {
        Clear();
        for (const wchar_t* name : {reader.file, L"wLabels.dat", L"wLabels.dll"}) {
            const std::wstring from = lstrcmpW(name, L"CurRates.dat") == 0 ? tv::shell::ProgramFolder() + L"sample\\" + name
                                                                           : tv::DataFilePath(name);
            std::ifstream in(fs::path(from), std::ios::binary);  // new files: copies would keep the rights
            std::ofstream(fs::path(folder + name), std::ios::binary) << in.rdbuf();
        }
        const std::wstring path = folder + reader.file;
        if (h.make == kRemoved || h.make == kWritten || h.make == kFolder) fs::remove(path);
        if (h.make == kWritten) std::ofstream(fs::path(path), std::ios::binary) << h.bytes;
        if (h.make == kWritten && h.size) fs::resize_file(path, h.size);
        if (h.make == kFolder) fs::create_directory(path);
        if (fs::is_regular_file(path)) fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(24));
        if (h.make == kReadOnly) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
        const std::string before = Snapshot(path);
        HANDLE holder = h.make == kHeld ? CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, DWORD(h.size), nullptr,
                                                      OPEN_EXISTING, 0, nullptr)
                                        : nullptr;
        EXPECT_NE(holder, INVALID_HANDLE_VALUE);
        const auto start = std::chrono::steady_clock::now();
        Shown shown;
        shown.messages = CloseMessageBoxes(main, [&] {
            std::unique_ptr<tv::ToolDialog> tool;
            for (const ToolMaker& maker : EveryTool(home->record, folder + L"CurRates.dat", folder)) {
                if (lstrcmpW(maker.name, reader.tool) == 0) tool = maker.make();
            }
            if (reader.reads == kIcons) shown.icons = static_cast<tv::CareLabelsDialog&>(*tool).HasIconLibrary();
            if (HWND d = tool->CreateModeless(main)) {
                shown.opened = true;
                HWND list = FindWindowExW(d, nullptr, WC_LISTVIEWW, nullptr);  // none in the converter
                shown.rows = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
                if (reader.reads == kRates) SetDlgItemTextW(d, IDC_AMOUNT, L"12");
                if (reader.reads == kRates) SendMessageW(d, WM_COMMAND, IDC_CONVERT_BUTTON, 0);
                for (int row = 0; row < 4 && reader.reads == kRates; ++row) {
                    const std::wstring rate = Text(GetDlgItem(d, IDC_RATE_1 + row));
                    EXPECT_LE(rate.size(), 15u) << rate;  // all of it fits its field, and is saved whole
                    EXPECT_FALSE(Text(GetDlgItem(d, IDC_CONVERTED_1 + row)).empty());
                    shown.rows += rate != L"0.000000" && rate != L"1.0";
                }
                RedrawWindow(d, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            }
            loop.RunPending();
            tool.reset();
            loop.RunPending();
        });
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
        if (holder) CloseHandle(holder);
        EXPECT_EQ(Snapshot(path), before);
        return shown;
    }

    const std::wstring folder = (fs::temp_directory_path() / L"tv-hostile-files" / L"").wstring();
};

}  // namespace

// Lists show the shipped rows while they can read them, none when they
// cannot, and whatever random bytes make; the labels without their library
// show no icons; the converter closes over a rate file it cannot read,
// saying that there is none or that it could not be read.
TEST_F(HostileFilesTest, EveryReaderOpensOverEveryHostileFileAndShowsWhatItCanRead) {
    const std::wstring noFile = L"Tallyvane Pro: The currency exchange rate file does not exist.";
    const std::wstring unreadable = L"Tallyvane Pro: The currency exchange rate file " + folder + L"CurRates.dat could not be read.";
    for (const Reader& reader : kReaders) {
        int shipped = 0;
        for (const Hostility& h : kHostilities) {
            if (!reader.everyHostility && !h.everyReader) continue;
            SCOPED_TRACE(testing::Message() << reader.file << ", " << h.name);
            const Shown shown = Read(reader, h);
            if (&h == kHostilities) EXPECT_GT(shipped = shown.rows, 0);
            const bool rates = reader.reads == kRates;
            EXPECT_EQ(shown.opened, !rates || h.readable);
            const std::wstring told = !rates ? L"" : h.make == kRemoved ? noFile : h.readable ? L"" : unreadable;
            EXPECT_TRUE(told.empty() ? shown.messages.empty() : shown.messages.starts_with(told)) << shown.messages;
            if (reader.reads == kIcons) EXPECT_EQ(shown.icons, h.icons);
            if (reader.reads == kIcons || h.rows == kShippedRows) EXPECT_EQ(shown.rows, shipped);
            if (reader.reads != kIcons && h.rows == kNoRows) EXPECT_EQ(shown.rows, 0);
            // As many rows as a list takes (which ones is the native suite's).
            if (reader.reads == kList && h.rows == kMostRows) EXPECT_EQ(shown.rows, int(tv::kMostCodeListRows));
        }
    }
    // A cross rate whose six decimals take hundreds of digits is no rate: its
    // row takes its own, as for a currency the file lacks.
    const char* tiny = "20040115\r\nUSD 1.0\r\nCAD 1e-250\r\nHKD 0.128\r\nEUR 1.25\r\nCNY 0.12\r\n";
    EXPECT_EQ(Read(kReaders[std::size(kReaders) - 1], {"a rate of 1e-250", kWritten, tiny}).rows, 3);
}
