// What the currency converter and the euro converter share on template 106
// with menu bar 107: a source currency and four target rows, each currency
// picked from a list, the keypad, Convert, the Edit menu and their colours.
#pragma once

#include <string>

#include "app/gradient.h"
#include "app/tool_dialog.h"
#include "money/currency_picker_dialog.h"
#include "money/money_amounts.h"
#include "platform/owned_handle.h"
#include "resources/resource_ids.h"
#include "settings/app_settings.h"

namespace tv {

class MoneyDialog : public ToolDialog {
protected:
    MoneyDialog(const wchar_t* helpTopic, AppSettings& settings, CurrencyListKind list);

    // The opening both share: menu bar, font, the codes on the buttons, the
    // amount field focused under the keypad.
    void SetUpRows(const CurrencySelection& codes);
    // Names a row's rate and amount for screen readers after its currency.
    void NameRow(int row);
    // The code on a currency button, as read with room for three characters.
    std::wstring CodeOn(int buttonId) const;
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    // The codes on the five buttons, source first.
    CurrencySelection Codes() const;
    // Converts again once the messages before it are handled.
    void PostConvert();

    // Fills the four converted amounts.
    virtual void Convert() = 0;
    // A currency was picked: row -1 is the source.
    virtual void Picked(int row) { (void)row; }
    // The Tools submenu is about to open.
    virtual void UpdateToolsMenu(HMENU menu) { (void)menu; }
    // OK: the selection is kept.
    virtual void Save() = 0;

    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    int EnterCommand() const override { return IDC_CONVERT_BUTTON; }
    bool StaticOnBackground(int id) const override;

    AppSettings& settings_;

private:
    void Pick(int buttonId);
    void DrawCurrencyButton(const DRAWITEMSTRUCT& item) const;

    CurrencyListKind list_;
};

}  // namespace tv
