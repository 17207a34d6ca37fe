// Long use: every tool opened, used, painted and closed two hundred times and
// the categories switched a thousand times leave the process holding no more
// GDI or USER objects than after the first round, and hardly more memory; and
// no paint leaves an object behind.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tool_dialog_test_support.h"

namespace {

using namespace wintest;

// What the process holds now.
struct Held {
    long gdi = 0, user = 0;
    long long privateBytes = 0, heapInUse = 0;
    std::string Text() const {
        return "GDI " + std::to_string(gdi) + ", USER " + std::to_string(user) + ", private bytes " +
               std::to_string(privateBytes) + " (heap blocks in use " + std::to_string(heapInUse) + ")";
    }
};

// One entry of the process's GDI handle table, as the PEB points to it.
struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type, flags;
    uint64_t user;
};

// Wine answers GetGuiResources with 0: there the live entries of the handle
// table are counted, stock objects included (they never change).
long GdiObjects() {
    if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(n);
    const auto* peb = reinterpret_cast<const uint8_t*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + 0xF8);  // GdiSharedHandleTable
    long n = 0;
    for (int i = 0; table && i < 0x10000; ++i) n += table[i].type != 0;
    return n;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

// A top-level window and every window inside it.
BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

// Wine again: this thread's windows, then every menu, accelerator table,
// icon and cursor found by trying each handle a USER object can have.
long UserObjects() {
    if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<long>(n);
    long n = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
    for (HWND w = nullptr; (w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr));) {
        if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) ++n;
    }
    using FrameInfo = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);
    const auto frameInfo = reinterpret_cast<FrameInfo>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetCursorFrameInfo")));
    for (uintptr_t h = 0x20; h < 0x10000; h += 2) {
        DWORD rate = 0, steps = 0;
        n += IsMenu(reinterpret_cast<HMENU>(h)) || CopyAcceleratorTableW(reinterpret_cast<HACCEL>(h), nullptr, 0) > 0 ||
             (frameInfo && frameInfo(reinterpret_cast<HCURSOR>(h), 0, 0, &rate, &steps));
    }
    return n;
}

// Wine answers PrivateUsage with 0: there the committed private pages are added up.
long long PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters = {sizeof counters};
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters) &&
        counters.PrivateUsage) {
        return static_cast<long long>(counters.PrivateUsage);
    }
    long long total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += static_cast<long long>(region.RegionSize);
    }
    return total;
}

// Wine 8's static control keeps a 24-byte block of its own for good once it
// is given a font, as every dialog's statics are; with the block's header,
// in the heap's 16-byte steps, at most 48 bytes. The only growth allowed.
bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }
constexpr long long kWineStaticBlock = 24, kWineStaticBlockTaken = 48;

long Statics(HWND dialog) {
    long n = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(child, cls, 16);
        n += lstrcmpiW(cls, L"Static") == 0;
    }
    return n;
}

// The bytes of every heap block in use: finer than pages, so a small leak shows.
long long HeapInUse() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    long long total = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        if (!HeapLock(heaps[i])) continue;
        while (HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        }
        HeapUnlock(heaps[i]);
    }
    return total;
}

Held Measure() {
    Held held;
    held.gdi = GdiObjects();  // first: the others make no GDI objects, but nothing is left to chance
    held.user = UserObjects();
    held.privateBytes = PrivateBytes();
    held.heapInUse = HeapInUse();
    return held;
}

// Every visible child painted now, with the window's own frame and background.
void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class LongUseTest : public ToolDialogTest {
protected:
    void SetUp() override {
        ToolDialogTest::SetUp();
        tools = EveryTool(home->record, tv::shell::ProgramFolder() + L"sample\\CurRates.dat", tv::shell::ProgramFolder());
    }
    // Opens the tool as a user has it: "12" in every field that takes input,
    // its action button pressed.
    void OpenAndUse(const ToolMaker& maker) {
        tool = maker.make();
        dialog = tool->CreateModeless(main);
        ASSERT_NE(dialog, nullptr) << maker.name;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t cls[16] = {};
            GetClassNameW(child, cls, 16);
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if (lstrcmpiW(cls, L"Edit") == 0 && !(style & ES_READONLY) && IsWindowVisible(child)) {
                SetWindowTextW(child, L"12");
            }
        }
        const std::wstring shown = CloseMessageBoxes(dialog, [&] {
            for (int button : {IDC_CALC_BUTTON, IDC_CONVERT_BUTTON}) {
                if (HWND b = GetDlgItem(dialog, button)) SendMessageW(dialog, WM_COMMAND, button, reinterpret_cast<LPARAM>(b));
            }
        });
        EXPECT_EQ(shown, L"") << maker.name;
        staticsOpened += Statics(dialog);
    }
    void CloseTool() {
        tool.reset();
        dialog = nullptr;
        loop.RunPending();
    }
    void SwitchCategory(int switches) {
        SetWindowTextW(Item(IDC_INPUT), L"12");
        SendMessageW(main, WM_COMMAND, ID_CATEGORY_FIRST + switches % tv::kCategoryCount, 0);
        SetWindowTextW(Item(IDC_INPUT), L"12");
        SendMessageW(main, WM_COMMAND, IDC_CONVERT_BUTTON, 0);
    }

    std::vector<ToolMaker> tools;
    long long staticsOpened = 0;
};

}  // namespace

// The objects and memory after the first round are what later rounds start
// from; each round opens, uses and closes every tool once and switches
// categories five times. Painting is the next test's: here only the first and
// last rounds paint, which keeps the run short.
TEST_F(LongUseTest, TwoHundredRoundsOfEveryToolAndAThousandCategorySwitchesHoldNoMore) {
    constexpr int kRounds = 200, kSwitchesPerRound = 5;
    const Held start = Measure();
    Held first;
    int switches = 0;
    for (int round = 1; round <= kRounds; ++round) {
        const bool paint = round == 1 || round == kRounds;
        for (const ToolMaker& maker : tools) {
            OpenAndUse(maker);
            if (paint) PaintNow(dialog);
            CloseTool();
        }
        for (int i = 0; i < kSwitchesPerRound; ++i) SwitchCategory(switches++);
        if (paint) PaintNow(main);
        loop.RunPending();
        if (round == 1) {
            first = Measure();
            staticsOpened = 0;
        }
    }
    const Held last = Measure();
    std::printf("[ long use ] before: %s\n[ long use ] after round 1: %s\n[ long use ] after round %d: %s\n",
                start.Text().c_str(), first.Text().c_str(), kRounds, last.Text().c_str());
    RecordProperty("gdi_after_first_round", first.gdi);
    RecordProperty("gdi_after_last_round", last.gdi);
    RecordProperty("user_after_first_round", first.user);
    RecordProperty("user_after_last_round", last.user);
    RecordProperty("private_bytes_after_first_round", std::to_string(first.privateBytes));
    RecordProperty("private_bytes_after_last_round", std::to_string(last.privateBytes));
    EXPECT_EQ(switches, 1000);
    EXPECT_EQ(last.gdi, first.gdi);
    EXPECT_EQ(last.user, first.user);
    // Private memory grows in whole 64 KiB steps as the heap takes them: one
    // step, and what Wine's statics keep. The blocks in use grow by no more
    // than those, give or take a few the system keeps in caches.
    const long long wine = UnderWine() ? staticsOpened : 0;
    std::printf("[ long use ] %lld statics opened after round 1\n", staticsOpened);
    EXPECT_LE(last.privateBytes - first.privateBytes, (64 << 10) + kWineStaticBlockTaken * wine);
    EXPECT_LE(last.heapInUse - first.heapInUse, (4 << 10) + kWineStaticBlock * wine);
}

// Painting a window again and again, after its first paint and once used,
// makes no object that outlives the paint.
TEST_F(LongUseTest, PaintingAnyWindowLeavesTheGdiCountAsItWas) {
    const auto repaintedGrowth = [&](HWND window) {
        PaintNow(window);
        const long before = GdiObjects();
        for (int i = 0; i < 5; ++i) PaintNow(window);
        return GdiObjects() - before;
    };
    EXPECT_EQ(repaintedGrowth(main), 0) << "main window";
    SwitchCategory(3);
    EXPECT_EQ(repaintedGrowth(main), 0) << "main window, converted";
    for (const ToolMaker& maker : tools) {
        OpenAndUse(maker);
        EXPECT_EQ(repaintedGrowth(dialog), 0) << maker.name;
        CloseTool();
    }
}

