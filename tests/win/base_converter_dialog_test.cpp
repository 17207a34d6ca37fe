// The number base converter, driven through its real controls; the
// conversions themselves are the native suite's.
#include <gtest/gtest.h>

#include <tuple>

#include "tool_dialog_test_support.h"

namespace {

class BaseConverterTest : public wintest::ToolDialogTest {
protected:
    void InDialog(const std::function<void()>& check) { OpenFromMenu(ID_NUMBER_BASE, L"numbase", check); }
    std::wstring Outputs() const { return Fields({IDC_BASE_OUTPUT_1, IDC_BASE_OUTPUT_2, IDC_BASE_OUTPUT_3}); }
    std::wstring Convert(const wchar_t* input) {
        Type(IDC_BASE_INPUT, input);
        Press(IDC_CONVERT_BUTTON);
        return Outputs();
    }
    std::wstring CopyItems() { return wintest::MenuItems(dialog, IDMB_EDIT, {ID_COPY_OUTPUT_FIRST, ID_COPY_OUTPUT_FIRST + 1, ID_COPY_OUTPUT_FIRST + 2}); }
};

}  // namespace

TEST_F(BaseConverterTest, OpensInDecimalOnItsColourConvertsGroupedAndABlankOrTooLargeNumberKeepsTheOutputs) {
    home->record.GroupDigits = true;
    InDialog([&] {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_BASE_DECIMAL), BST_CHECKED);
        EXPECT_EQ(GetFocus(), Field(IDC_BASE_INPUT));
        // The first pixel of a label, behind its text, and the last of the client area, below the keypad.
        ShowWindow(dialog, SW_SHOWNORMAL);  // as its loop does once idle
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT client;
        GetClientRect(dialog, &client);
        for (auto [window, x, y] :
             {std::tuple{Field(IDC_BASE_LABEL_1), 0L, 0L}, std::tuple{dialog, client.right - 3, client.bottom - 3}}) {
            HDC dc = GetDC(window);
            EXPECT_EQ(GetPixel(dc, x, y), RGB(218, 194, 240));
            ReleaseDC(window, dc);
        }
        EXPECT_EQ(Convert(L"255"), L"[FF] | [377] | [1111 1111]");
        EXPECT_EQ(GetFocus(), Field(IDC_BASE_INPUT));
        for (const wchar_t* input : {L"  ", L"18446744073709551616"}) {
            Type(IDC_BASE_INPUT, input);
            EXPECT_EQ(Messages(IDC_CONVERT_BUTTON), L"Tallyvane Pro: The number is too large. (stop)\n") << input;
            EXPECT_EQ(Outputs(), L"[FF] | [377] | [1111 1111]") << input;
        }
    });
}

TEST_F(BaseConverterTest, EachBaseClearsEverythingAndOffersItsDigitsLabelsAndLength) {
    InDialog([&] {
        const std::tuple<int, const wchar_t*, const wchar_t*, int> rows[] = {
            {IDC_BASE_BINARY, L"Hexadecimal | Octal | Decimal", L"01", 64},
            {IDC_BASE_OCTAL, L"Hexadecimal | Decimal | Binary", L"01234567", 22},
            {IDC_BASE_HEXADECIMAL, L"Decimal | Octal | Binary", L"0123456789ABCDEF", 16},
            {IDC_BASE_DECIMAL, L"Hexadecimal | Octal | Binary", L"0123456789", 20}};
        for (auto [radio, labels, keys, limit] : rows) {
            SCOPED_TRACE(keys);
            Convert(L"1");
            Press(radio);
            EXPECT_EQ(TextOf(IDC_BASE_INPUT) + L" | " + Outputs(), L" | [] | [] | []");
            EXPECT_EQ(Fields({IDC_BASE_LABEL_1, IDC_BASE_LABEL_2, IDC_BASE_LABEL_3}), labels);
            std::wstring enabled;  // the keypad keys that can be tapped, as their captions
            for (int id = IDC_KEY_0; id <= IDC_KEY_F; ++id) enabled += IsWindowEnabled(Field(id)) ? TextOf(id) : L"";
            EXPECT_EQ(enabled, keys);
            EXPECT_EQ(Limit(IDC_BASE_INPUT), limit);
        }
    });
}

TEST_F(BaseConverterTest, KeypadTypesCapitalsAndCopyItemsFollowTheOutputsNamesAndTexts) {
    InDialog([&] {
        ShowWindow(dialog, SW_SHOWNORMAL);  // as its loop does once idle: keys reach it
        Press(IDC_BASE_HEXADECIMAL);
        SetFocus(Field(IDC_BASE_INPUT));
        for (int id : {IDC_KEY_A, IDC_KEY_0 + 1, IDC_KEY_F}) Tap(id);
        Press(IDC_CONVERT_BUTTON);
        SetFocus(Field(IDC_BASE_OUTPUT_1));  // a tapped output becomes the keypad's target
        Tap(IDC_KEY_CLEAR);
        EXPECT_EQ(TextOf(IDC_BASE_INPUT) + L" | " + Outputs(), L"A1F | [] | [5037] | [101000011111]");
        EXPECT_EQ(CopyItems(), L"Copy Decimal (grey); Copy Octal; Copy Binary; ");
        SendMessageW(dialog, WM_COMMAND, ID_COPY_OUTPUT_FIRST + 1, 0);
        Press(IDC_BASE_OCTAL);
        SendMessageW(dialog, WM_COMMAND, ID_PASTE, 0);
        EXPECT_EQ(TextOf(IDC_BASE_INPUT), L"5037");  // what Copy Octal put on the clipboard
        EXPECT_EQ(CopyItems(), L"Copy Hexadecimal (grey); Copy Decimal (grey); Copy Binary (grey); ");
    });
}
