#include "tools/base_converter_dialog.h"

#include <iterator>
#include <string>
#include <vector>

#include "app/clipboard_text.h"
#include "app/window_text.h"
#include "numfmt/locale_number_format.h"
#include "platform/accessible_name.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"
#include "tools/calculator_fields.h"

namespace tv {
namespace {

constexpr int kOutputIds[kBaseOutputCount] = {IDC_BASE_OUTPUT_1, IDC_BASE_OUTPUT_2, IDC_BASE_OUTPUT_3};
constexpr int kLabelIds[kBaseOutputCount] = {IDC_BASE_LABEL_1, IDC_BASE_LABEL_2, IDC_BASE_LABEL_3};

}  // namespace

BaseConverterDialog::BaseConverterDialog(const AppSettings& settings)
    : ToolDialog(IDD_NUMBER_BASE, L"numbase"), settings_(settings) {
    SetBackground(kBackground);
}

bool BaseConverterDialog::OnInitDialog() {
    SetUpConventions(IDM_NUMBER_BASE, true);
    // Always decimal at first: nothing of a previous opening is kept.
    CheckRadioButton(dialog_, IDC_BASE_DECIMAL, IDC_BASE_BINARY, IDC_BASE_DECIMAL);
    ApplyBase();
    HWND input = GetDlgItem(dialog_, IDC_BASE_INPUT);
    SetFocus(input);
    keypad_.SetTarget(input);
    return false;
}

void BaseConverterDialog::ApplyBase() {
    // A number typed in the old base is not carried into the new one.
    SetDlgItemTextW(dialog_, IDC_BASE_INPUT, L"");
    for (int id : kOutputIds) SetDlgItemTextW(dialog_, id, L"");

    layout_ = &kBaseLayouts[0];
    int base = 0;
    for (int i = 0; i < kBaseCount; ++i) {
        if (IsDlgButtonChecked(dialog_, IDC_BASE_DECIMAL + i) == BST_CHECKED) layout_ = &kBaseLayouts[base = i];
    }
    // A screen reader names the input by the base it takes.
    SetAccessibleName(GetDlgItem(dialog_, IDC_BASE_INPUT),
                      StringResource(IDS_DECIMAL + base) + L" " + StringResource(IDS_NAME_NUMBER));
    SendDlgItemMessageW(dialog_, IDC_BASE_INPUT, EM_LIMITTEXT, layout_->inputLimit, 0);
    for (int digit = 0; digit <= 9; ++digit) {
        EnableWindow(GetDlgItem(dialog_, IDC_KEY_0 + digit), digit < layout_->keypadDigits);
    }
    for (int id = IDC_KEY_A; id <= IDC_KEY_F; ++id) EnableWindow(GetDlgItem(dialog_, id), layout_->keypadLetters);
    for (int i = 0; i < kBaseOutputCount; ++i) {
        SetDlgItemTextW(dialog_, kLabelIds[i], StringResource(layout_->outputLabels[i].id).c_str());
    }
}

void BaseConverterDialog::Convert() {
    HWND input = GetDlgItem(dialog_, IDC_BASE_INPUT);
    const BaseConversion conversion =
        ConvertBaseInput(WindowText(input), layout_->input, settings_.GroupDigits, LocaleNumberGrouping());
    if (conversion.status != BaseParseStatus::kOk) {
        // Blank input and numbers beyond 64 bits alike; the outputs keep what they showed.
        ShowCalcMessage(dialog_, CalcStatus::kTooLarge, MB_ICONSTOP);
        return;
    }
    for (int i = 0; i < kBaseOutputCount; ++i) {
        SetDlgItemTextW(dialog_, kOutputIds[i], conversion.outputs[static_cast<size_t>(i)].c_str());
    }
    SetFocus(input);
}

void BaseConverterDialog::UpdateEditMenu(HMENU menu) {
    if (!menu || menu != shell::MenuBarSubMenu(dialog_, IDMB_EDIT)) return;
    std::vector<CopyMenuItem> items;
    for (int i = 0; i < kBaseOutputCount; ++i) {
        // Each item is named after the base its output shows now.
        items.push_back({ID_COPY_OUTPUT_FIRST + i, GetDlgItem(dialog_, kOutputIds[i]),
                         WindowText(GetDlgItem(dialog_, kLabelIds[i]), 32)});
    }
    UpdateCopyPasteMenu(menu, items);
}

bool BaseConverterDialog::OnCommand(int id, int code, HWND) {
    if (id >= IDC_BASE_DECIMAL && id <= IDC_BASE_BINARY) {
        if (code == BN_CLICKED) ApplyBase();
        return code == BN_CLICKED;
    }
    if (RunEditCommand(dialog_, id, {std::begin(kOutputIds), std::end(kOutputIds)}, IDC_BASE_INPUT)) return true;
    if (id != IDC_CONVERT_BUTTON) return false;
    Convert();
    return true;
}

bool BaseConverterDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
        case WM_INITMENUPOPUP:
            UpdateEditMenu(reinterpret_cast<HMENU>(wParam));
            result = TRUE;
            return true;
        default:
            return false;
    }
}

std::vector<ToolDialog::ReaderName> BaseConverterDialog::ReaderNames() const {
    return {{0, IDS_TOOL_NUMBER_BASE}};
}

}  // namespace tv
