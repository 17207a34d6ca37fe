// The full-screen list the money converters pick a currency code from.
#pragma once

#include <string>

#include "reference/code_list_dialog.h"

namespace tv {

enum class CurrencyListKind { kCurrencyCodes = 0, kEuroCodes = 1 };

class CurrencyPickerDialog final : public CodeListDialog {
public:
    // `code`: the code now shown, selected in the list when it is there;
    // `dataFile`: another list than the kind's file beside the program.
    CurrencyPickerDialog(CurrencyListKind kind, std::wstring code, std::wstring dataFile = {});

    // The chosen code once the dialog has closed; the given one until then.
    const std::wstring& Code() const { return code_; }

    // Runs the picker over `owner` and returns the code to show.
    static std::wstring Pick(HWND owner, CurrencyListKind kind, std::wstring code);

protected:
    void AddColumns(HWND list) override;
    std::vector<ReaderName> ReaderNames() const override;
    void AfterFilling(HWND list) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // The name column's width on the device's screen.
    int NameWidth() const;

    std::wstring code_;
};

}  // namespace tv
