// The dialing-code and city-area lists over small files of our own, searched
// by clicks on the letter strip under them. Their stripes, and their empty
// list without a file, are tested with the list tools.
#include <memory>

#include "list_test_support.h"
#include "reference/code_list_dialog.h"
#include "resources/resource_ids.h"

namespace {

using namespace wintest;

class CodeListTest : public DataFolderTest {
protected:
    template <typename Dialog>
    void Open(const std::string& bytes) {
        Write(L"codes.dat", bytes);
        dialog = std::make_unique<Dialog>(folder + L"codes.dat");
        ASSERT_NE(dialog->CreateModeless(nullptr), nullptr);
        list = GetDlgItem(dialog->Handle(), IDC_CODE_LIST);
        strip = FindWindowExW(dialog->Handle(), nullptr, L"TallyvaneLetterStrip", nullptr);
        ASSERT_NE(strip, nullptr);
    }
    // The selected row before and after each of `taps` clicks on the strip's `cell`.
    std::vector<int> Selections(int cell, int taps) {
        RECT r;
        GetClientRect(strip, &r);
        std::vector<int> selections = {ListView_GetNextItem(list, -1, LVNI_SELECTED)};
        while (taps--) {
            SetFocus(strip);  // the list gets it back
            SendMessageW(strip, WM_LBUTTONUP, 0, MAKELPARAM(cell * (r.right / 9) + 1, r.bottom / 2));
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            selections.push_back(ListView_GetNextItem(list, -1, LVNI_SELECTED));
        }
        return selections;
    }
    std::unique_ptr<tv::ToolDialog> dialog;
    HWND list = nullptr, strip = nullptr;
};

std::string Country(const std::string& name, const std::string& code) {
    return name + std::string(41 - name.size(), ' ') + code + "\r\n";
}

}  // namespace

// Dialing codes open on row 0, the strip under the list; two taps on "cde"
// from Zambia go to c, then d, and each gives the list back the focus. City
// areas open with nothing selected; a row starting with 0 comes first.
TEST_F(CodeListTest, TheStripUnderTheListStepsThroughALetterGroup) {
    Open<tv::DialingCodesDialog>(Country("Zambia", "260") + "\r\n" + Country("Canada", "1") + Country("Denmark", "45"));
    RECT client;
    GetClientRect(dialog->Handle(), &client);
    EXPECT_TRUE(Placed(list).bottom == Placed(strip).top && Placed(strip).bottom == client.bottom);
    EXPECT_EQ(Shown(list), (Table{{L"", L""}, {L"Zambia", L"260"}, {L"Canada", L"1"}, {L"Denmark", L"45"}}));
    EXPECT_EQ(Selections(1, 2), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(GetFocus(), list);

    Open<tv::CityAreaCodesDialog>("1st Avenue\tSomewhere\t555\n0 Road\tNowhere\t1\n");
    EXPECT_EQ(Shown(list).back(), (Texts{L"0 Road", L"Nowhere", L"1"}));
    EXPECT_EQ(Selections(0, 2), (std::vector<int>{-1, 1, 0}));
}
