// The number base converter, driven through its real controls; the
// conversions themselves are the native suite's.
#include <gtest/gtest.h>

#include <tuple>

#include "tool_dialog_test_support.h"
#include "tools/base_converter_dialog.h"

using wintest::ToolDialogTest;

namespace {

class BaseConverterTest : public wintest::DialogTest<tv::BaseConverterDialog> {
protected:
    std::wstring Outputs() const { return Fields({IDC_BASE_OUTPUT_1, IDC_BASE_OUTPUT_2, IDC_BASE_OUTPUT_3}); }
    std::wstring Convert(const wchar_t* input) {
        Type(IDC_BASE_INPUT, input);
        Press(IDC_CONVERT_BUTTON);
        return Outputs();
    }
    // The keypad keys enabled now, as their captions.
    std::wstring EnabledKeys() const {
        std::wstring keys;
        for (int id = IDC_KEY_0; id <= IDC_KEY_F; ++id) keys += IsWindowEnabled(Field(id)) ? TextOf(id) : L"";
        return keys;
    }
    // The Edit menu's Copy and Paste items as it shows them now.
    std::wstring EditItems() {
        HMENU edit = tv::shell::MenuBarSubMenu(dialog, IDMB_EDIT);
        SendMessageW(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 0);
        std::wstring items;
        for (int id : {ID_COPY_BASE_1, ID_COPY_BASE_1 + 1, ID_COPY_BASE_3, ID_PASTE}) {
            wchar_t text[64] = {};
            GetMenuStringW(edit, id, text, 64, MF_BYCOMMAND);
            items += text + std::wstring(GetMenuState(edit, id, MF_BYCOMMAND) & MF_GRAYED ? L" (grey); " : L"; ");
        }
        return items;
    }
};

}  // namespace

TEST_F(ToolDialogTest, NumberBaseOpensFromTheMenuInDecimalWithItsEditMenu) {
    OpenFromMenu(ID_NUMBER_BASE, L"numbase", [&] {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_BASE_DECIMAL), BST_CHECKED);
        EXPECT_EQ(GetFocus(), Field(IDC_BASE_INPUT));
        EXPECT_NE(tv::shell::MenuBarSubMenu(dialog, IDMB_EDIT), nullptr);
    });
}

TEST_F(BaseConverterTest, ConvertsGroupedAsTheOptionsSayAndATooLargeNumberKeepsTheOutputs) {
    EXPECT_EQ(Convert(L"255"), L"[FF] | [377] | [11111111]");
    EXPECT_EQ(GetFocus(), Field(IDC_BASE_INPUT));
    for (const wchar_t* input : {L"  ", L"18446744073709551616", L"-9223372036854775809"}) {
        Type(IDC_BASE_INPUT, input);
        EXPECT_EQ(Messages(IDC_CONVERT_BUTTON), L"Tallyvane Pro: The number is too large. (stop)\n") << input;
        EXPECT_EQ(Outputs(), L"[FF] | [377] | [11111111]") << input;
    }
    home->record.GroupDigits = true;  // read at each conversion
    EXPECT_EQ(Convert(L"255"), L"[FF] | [377] | [1111 1111]");
    Press(IDC_BASE_BINARY);
    EXPECT_EQ(Messages(IDC_CONVERT_BUTTON), L"");  // empty binary input is 0
    EXPECT_EQ(Outputs(), L"[0] | [0] | [0]");
}

TEST_F(BaseConverterTest, EachBaseClearsEverythingAndOffersItsDigitsLabelsAndLength) {
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
        EXPECT_EQ(EnabledKeys(), keys);
        EXPECT_EQ(Limit(IDC_BASE_INPUT), limit);
    }
}

TEST_F(BaseConverterTest, KeypadTypesCapitalsAndOnlyClearChangesATappedOutput) {
    Press(IDC_BASE_HEXADECIMAL);
    SetFocus(Field(IDC_BASE_INPUT));
    for (int id : {IDC_KEY_A, IDC_KEY_0 + 1, IDC_KEY_F}) Tap(id);
    EXPECT_EQ(TextOf(IDC_BASE_INPUT), L"A1F");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(Outputs(), L"[2591] | [5037] | [101000011111]");
    // A tapped output becomes the keypad's target.
    SetFocus(Field(IDC_BASE_OUTPUT_2));
    Tap(IDC_KEY_0 + 7);
    Tap(IDC_KEY_BACK);
    EXPECT_EQ(TextOf(IDC_BASE_OUTPUT_2), L"5037");
    Tap(IDC_KEY_CLEAR);
    EXPECT_EQ(TextOf(IDC_BASE_OUTPUT_2) + L" | " + TextOf(IDC_BASE_INPUT), L" | A1F");
}

TEST_F(BaseConverterTest, CopyItemsAreNamedAfterTheOutputsAndGreyWhileTheirOutputIsEmpty) {
    ASSERT_TRUE(OpenClipboard(dialog));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(EditItems(), L"Copy Hexadecimal (grey); Copy Octal (grey); Copy Binary (grey); Paste (grey); ");
    Convert(L"255");
    SendMessageW(dialog, WM_COMMAND, ID_COPY_BASE_1 + 1, 0);
    EXPECT_EQ(EditItems(), L"Copy Hexadecimal; Copy Octal; Copy Binary; Paste; ");

    Press(IDC_BASE_HEXADECIMAL);
    EXPECT_EQ(EditItems(), L"Copy Decimal (grey); Copy Octal (grey); Copy Binary (grey); Paste; ");
    SendMessageW(dialog, WM_COMMAND, ID_PASTE, 0);
    EXPECT_EQ(TextOf(IDC_BASE_INPUT), L"377");  // what Copy Octal put on the clipboard
    Press(IDC_CONVERT_BUTTON);
    Type(IDC_BASE_OUTPUT_1, L"");
    EXPECT_EQ(EditItems(), L"Copy Decimal (grey); Copy Octal; Copy Binary; Paste; ");
}

TEST_F(BaseConverterTest, LabelsAndTheClientAreaShowTheDialogsColour) {
    HDC dc = GetDC(dialog);  // opaque at first
    const LRESULT brush = SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(Field(IDC_BASE_LABEL_1)));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    LOGBRUSH colour = {};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof colour, &colour);
    EXPECT_EQ(colour.lbColor, RGB(218, 194, 240));
    // Below the keypad too.
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(GetPixel(dc, client.right - 3, client.bottom - 3), RGB(218, 194, 240));
    ReleaseDC(dialog, dc);
}
