// What the tests of the list tools, the code lists and the data file reader
// share: data files in a folder of their own, a watch for message boxes, and
// what a list view shows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/shell_layer.h"
#include "window_test_support.h"

namespace wintest {

using Texts = std::vector<std::wstring>;
using Table = std::vector<Texts>;  // the column titles, then each row's cells

inline int Rows(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

// Every text the list view shows, each cell asked for as it asks.
inline Table Shown(HWND list) {
    wchar_t text[256];
    LVCOLUMNW column = {LVCF_TEXT, 0, 0, text, 256};
    Table shown(1);
    while (ListView_GetColumn(list, shown[0].size(), &column)) shown[0].push_back(text);
    for (int row = 0; row < Rows(list); ++row) {
        shown.emplace_back();
        for (size_t c = 0; c < shown[0].size(); ++c) {
            text[0] = L'\0';
            ListView_GetItemText(list, row, static_cast<int>(c), text, 256);
            shown.back().push_back(text);
        }
    }
    return shown;
}

// What custom drawing answers at `stage` for `row`, and the background it sets.
inline std::pair<LRESULT, COLORREF> Draw(HWND list, DWORD stage, int row) {
    NMLVCUSTOMDRAW draw = {{{list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), UINT(NM_CUSTOMDRAW)}, stage}};
    draw.nmcd.dwItemSpec = row;
    draw.clrTextBk = CLR_DEFAULT;
    SendMessageW(GetParent(list), WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
    return {GetWindowLongPtrW(GetParent(list), DWLP_MSGRESULT), draw.clrTextBk};
}

// The colours at `points` of the list as it paints itself, custom drawing included.
inline std::vector<COLORREF> Painted(HWND list, std::vector<POINT> points) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, CreateBitmap(480, 640, 1, 32, nullptr));
    SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<COLORREF> colours;
    for (POINT p : points) colours.push_back(GetPixel(dc, p.x, p.y));
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    return colours;
}

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        tv::StartControls(GetModuleHandleW(nullptr));
        tv::shell::SetDeviceScreenLogicalSize(240, 320);
        std::filesystem::create_directory(folder);
        boxes.emplace();
    }
    // No dialog showed a message, at once or from what it posted.
    void TearDown() override {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        EXPECT_EQ(boxes->Seen(), L"");
        boxes.reset();
        std::filesystem::remove_all(folder);
    }
    void Write(const wchar_t* name, const std::string& bytes) {
        std::ofstream(std::filesystem::path(folder + name), std::ios::binary) << bytes;
    }
    const std::wstring folder = (std::filesystem::temp_directory_path() / L"tv-list-tests" / L"").wstring();
    std::optional<MessageBoxWatch> boxes;
};

}  // namespace wintest
