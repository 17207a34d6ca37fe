// The number base converter, driven through its real controls.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "tools/base_converter_dialog.h"

using wintest::Pump;
using wintest::ShownMessage;

namespace {

class BaseConverterTest : public wintest::ToolDialogTest<tv::BaseConverterDialog> {
protected:
    void ChooseBase(int radio) { Press(radio); }
    // The three outputs after converting `input`, joined.
    std::wstring Outputs() const {
        return FieldText(IDC_BASE_OUTPUT_1) + L" | " + FieldText(IDC_BASE_OUTPUT_2) + L" | " +
               FieldText(IDC_BASE_OUTPUT_3);
    }
    std::wstring Convert(const wchar_t* input) {
        SetField(IDC_BASE_INPUT, input);
        Press(IDC_CONVERT_BUTTON);
        return Outputs();
    }
    ShownMessage ConvertWithMessage(const wchar_t* input) {
        return wintest::AnswerMessageBoxes(box, [&] { Convert(input); });
    }
    std::wstring Labels() const {
        return FieldText(IDC_BASE_LABEL_1) + L" | " + FieldText(IDC_BASE_LABEL_2) + L" | " +
               FieldText(IDC_BASE_LABEL_3);
    }
    // The keypad keys enabled now, as their captions.
    std::wstring EnabledKeys() const {
        std::wstring keys;
        for (int id = IDC_KEY_0; id <= IDC_KEY_9; ++id) {
            if (IsWindowEnabled(Field(id))) keys += wintest::Text(Field(id));
        }
        for (int id = IDC_KEY_A; id <= IDC_KEY_F; ++id) {
            if (IsWindowEnabled(Field(id))) keys += wintest::Text(Field(id));
        }
        return keys;
    }
    HMENU EditMenu() {
        HMENU edit = tv::shell::MenuBarSubMenu(box, IDMB_EDIT);
        SendMessageW(box, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 0);
        return edit;
    }
    static std::wstring ItemText(HMENU menu, int id) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, id, text, 64, MF_BYCOMMAND);
        return text;
    }
    static bool Grayed(HMENU menu, int id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }
};

}  // namespace

TEST_F(BaseConverterTest, DecimalInputShowsHexadecimalOctalAndBinary) {
    EXPECT_EQ(IsDlgButtonChecked(box, IDC_BASE_DECIMAL), BST_CHECKED);
    EXPECT_EQ(Labels(), L"Hexadecimal | Octal | Binary");
    EXPECT_EQ(Convert(L"255"), L"FF | 377 | 11111111");
    EXPECT_EQ(GetFocus(), Field(IDC_BASE_INPUT));
    EXPECT_EQ(Convert(L"-1"), L"FFFFFFFFFFFFFFFF | 1777777777777777777777 | " + std::wstring(64, L'1'));
    // Grouping is read at each conversion: the decimal output takes the locale's.
    home->record.GroupDigits = true;
    EXPECT_EQ(Convert(L"255"), L"FF | 377 | 1111 1111");
    ChooseBase(IDC_BASE_HEXADECIMAL);
    EXPECT_EQ(Convert(L"FFFFFFFFFFFFFFFF"),
              L"18,446,744,073,709,551,615 | 1 777 777 777 777 777 777 777 | " +
                  std::wstring(L"1111 1111 1111 1111 1111 1111 1111 1111 1111 1111 1111 1111 1111 1111 1111 1111"));
}

TEST_F(BaseConverterTest, EachInputBaseReadsItsOwnDigits) {
    ChooseBase(IDC_BASE_HEXADECIMAL);
    EXPECT_EQ(Labels(), L"Decimal | Octal | Binary");
    EXPECT_EQ(Convert(L"1f"), L"31 | 37 | 00011111");
    ChooseBase(IDC_BASE_OCTAL);
    EXPECT_EQ(Labels(), L"Hexadecimal | Decimal | Binary");
    EXPECT_EQ(Convert(L"18"), L"1 | 1 | 0001");  // reading stops at the 8
    ChooseBase(IDC_BASE_BINARY);
    EXPECT_EQ(Labels(), L"Hexadecimal | Octal | Decimal");
    EXPECT_EQ(Convert(L"1 0000"), L"20 | 40 | 32");  // the blank is a 0 digit
    EXPECT_EQ(Convert(L"12"), L"4 | 4 | 4");
}

TEST_F(BaseConverterTest, EmptyInputIsAMessageExceptInBinary) {
    Convert(L"255");
    const ShownMessage shown = ConvertWithMessage(L"  ");
    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(shown.text, L"The number is too large.");
    EXPECT_EQ(shown.caption, L"Tallyvane Pro");
    EXPECT_TRUE(shown.stopIcon);
    EXPECT_EQ(Outputs(), L"FF | 377 | 11111111");

    ChooseBase(IDC_BASE_BINARY);
    ShownMessage none = wintest::AnswerMessageBoxes(box, [&] { EXPECT_EQ(Convert(L""), L"0 | 0 | 0"); });
    EXPECT_EQ(none.count, 0);
}

TEST_F(BaseConverterTest, NumbersBeyondSixtyFourBitsAreRefusedAndTheOutputsKept) {
    EXPECT_EQ(SendMessageW(Field(IDC_BASE_INPUT), EM_GETLIMITTEXT, 0, 0), 20);
    EXPECT_EQ(Convert(L"18446744073709551615"), L"FFFFFFFFFFFFFFFF | 1777777777777777777777 | " + std::wstring(64, L'1'));
    EXPECT_EQ(Convert(L"-9223372036854775808"), L"8000000000000000 | 1000000000000000000000 | 1" + std::wstring(63, L'0'));
    const std::wstring lowest = Outputs();
    for (const wchar_t* input : {L"18446744073709551616", L"99999999999999999999", L"-9223372036854775809"}) {
        const ShownMessage shown = ConvertWithMessage(input);
        EXPECT_EQ(shown.count, 1) << input;
        EXPECT_EQ(shown.text, L"The number is too large.") << input;
        EXPECT_EQ(Outputs(), lowest) << input;
    }
    ChooseBase(IDC_BASE_OCTAL);
    EXPECT_EQ(SendMessageW(Field(IDC_BASE_INPUT), EM_GETLIMITTEXT, 0, 0), 22);
    Convert(L"7");
    EXPECT_EQ(ConvertWithMessage(L"2000000000000000000000").count, 1);  // 22 digits, 65 bits
    EXPECT_EQ(Outputs(), L"7 | 7 | 0111");
    ChooseBase(IDC_BASE_HEXADECIMAL);
    EXPECT_EQ(ConvertWithMessage(L"0000FFFFFFFFFFFFFFFF").count, 0);  // leading zeros are not significant
    EXPECT_EQ(ConvertWithMessage(L"10000000000000000").count, 1);
}

TEST_F(BaseConverterTest, ChoosingABaseClearsEverythingAndOffersItsDigits) {
    EXPECT_EQ(EnabledKeys(), L"0123456789");
    Convert(L"255");
    ChooseBase(IDC_BASE_BINARY);
    EXPECT_EQ(FieldText(IDC_BASE_INPUT), L"");
    EXPECT_EQ(Outputs(), L" |  | ");
    EXPECT_EQ(EnabledKeys(), L"01");
    EXPECT_EQ(SendMessageW(Field(IDC_BASE_INPUT), EM_GETLIMITTEXT, 0, 0), 64);
    ChooseBase(IDC_BASE_OCTAL);
    EXPECT_EQ(EnabledKeys(), L"01234567");
    ChooseBase(IDC_BASE_HEXADECIMAL);
    EXPECT_EQ(EnabledKeys(), L"0123456789ABCDEF");
    EXPECT_EQ(SendMessageW(Field(IDC_BASE_INPUT), EM_GETLIMITTEXT, 0, 0), 16);
}

TEST_F(BaseConverterTest, KeypadTypesCapitalsAndClearsTheFieldLastTapped) {
    ChooseBase(IDC_BASE_HEXADECIMAL);
    Focus(IDC_BASE_INPUT);
    for (int id : {IDC_KEY_A, IDC_KEY_0 + 1, IDC_KEY_F}) Tap(id);
    EXPECT_EQ(FieldText(IDC_BASE_INPUT), L"A1F");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(Outputs(), L"2591 | 5037 | 101000011111");

    // An output tapped becomes the target: it is read-only to keys, but "C" empties it.
    Focus(IDC_BASE_OUTPUT_2);
    Tap(IDC_KEY_0 + 7);
    Tap(IDC_KEY_BACK);
    EXPECT_EQ(FieldText(IDC_BASE_OUTPUT_2), L"5037");
    Tap(IDC_KEY_CLEAR);
    EXPECT_EQ(FieldText(IDC_BASE_OUTPUT_2), L"");
    EXPECT_EQ(FieldText(IDC_BASE_INPUT), L"A1F");
    Focus(IDC_BASE_INPUT);
    Tap(IDC_KEY_BACK);
    EXPECT_EQ(FieldText(IDC_BASE_INPUT), L"A1");
}

TEST_F(BaseConverterTest, CopyItemsAreNamedAfterTheOutputsAndGreyWhileEmpty) {
    HMENU edit = EditMenu();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(ItemText(edit, ID_COPY_BASE_1), L"Copy Hexadecimal");
    EXPECT_EQ(ItemText(edit, ID_COPY_BASE_1 + 1), L"Copy Octal");
    EXPECT_EQ(ItemText(edit, ID_COPY_BASE_3), L"Copy Binary");
    for (int id = ID_COPY_BASE_1; id <= ID_COPY_BASE_3; ++id) EXPECT_TRUE(Grayed(edit, id)) << id;

    Convert(L"255");
    edit = EditMenu();
    for (int id = ID_COPY_BASE_1; id <= ID_COPY_BASE_3; ++id) EXPECT_FALSE(Grayed(edit, id)) << id;
    SendMessageW(box, WM_COMMAND, ID_COPY_BASE_1 + 1, 0);
    EXPECT_EQ(wintest::ClipboardText(box), L"377");
    EXPECT_FALSE(Grayed(EditMenu(), ID_PASTE));

    ChooseBase(IDC_BASE_HEXADECIMAL);
    edit = EditMenu();
    EXPECT_EQ(ItemText(edit, ID_COPY_BASE_1), L"Copy Decimal");
    for (int id = ID_COPY_BASE_1; id <= ID_COPY_BASE_3; ++id) EXPECT_TRUE(Grayed(edit, id)) << id;
    SendMessageW(box, WM_COMMAND, ID_PASTE, 0);
    EXPECT_EQ(FieldText(IDC_BASE_INPUT), L"377");
    Press(IDC_CONVERT_BUTTON);
    EXPECT_EQ(FieldText(IDC_BASE_OUTPUT_1), L"887");

    // Only one output filled: only its item is enabled.
    Press(IDC_KEY_CLEAR);  // the input is the target
    Focus(IDC_BASE_OUTPUT_1);
    Press(IDC_KEY_CLEAR);
    edit = EditMenu();
    EXPECT_TRUE(Grayed(edit, ID_COPY_BASE_1));
    EXPECT_FALSE(Grayed(edit, ID_COPY_BASE_1 + 1));

    ASSERT_TRUE(OpenClipboard(box));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_TRUE(Grayed(EditMenu(), ID_PASTE));
}

TEST_F(BaseConverterTest, LabelsSitOnTheDialogsColour) {
    HDC dc = GetDC(box);
    SetBkMode(dc, OPAQUE);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Field(IDC_BASE_LABEL_1))));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    ReleaseDC(box, dc);
    LOGBRUSH colour = {};
    ASSERT_EQ(GetObjectW(brush, sizeof colour, &colour), static_cast<int>(sizeof colour));
    EXPECT_EQ(colour.lbColor, RGB(218, 194, 240));

    // The client area below the keypad is painted in it too.
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(box, &client);
    dc = GetDC(box);
    EXPECT_EQ(GetPixel(dc, client.right - 3, client.bottom - 3), RGB(218, 194, 240));
    ReleaseDC(box, dc);
}

TEST_F(BaseConverterTest, OpensFromTheMainMenuInDecimalWithItsHelpAndClosesWithOk) {
    dialog.reset();
    bool opened = false;
    wintest::WhenDialogOpens([&](HWND d) {
        opened = true;
        EXPECT_EQ(IsDlgButtonChecked(d, IDC_BASE_DECIMAL), BST_CHECKED);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, IDC_BASE_INPUT));
        EXPECT_NE(tv::shell::MenuBarSubMenu(d, IDMB_EDIT), nullptr);
        RECT r, m;
        GetWindowRect(d, &r);
        GetWindowRect(main, &m);
        EXPECT_EQ(r.left, m.left);
        EXPECT_EQ(r.top, m.top);
        SendMessageW(d, WM_HELP, 0, 0);
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    Command(ID_NUMBER_BASE);
    EXPECT_TRUE(opened);
    ASSERT_EQ(helpUrls.size(), 1u);
    EXPECT_TRUE(helpUrls[0].ends_with(L"#numbase"));
    EXPECT_TRUE(IsWindow(main));
}
