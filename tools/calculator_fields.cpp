#include "tools/calculator_fields.h"

#include <vector>

#include "numfmt/locale_number_format.h"
#include "resources/resource_ids.h"

namespace tv {

void FillFormulaList(HWND list, int count, ResourceString (*name)(int formula)) {
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int f = 0; f < count; ++f) AddStringToList(list, name(f).id);
    SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void ApplyFieldState(HWND edit, FieldState state) {
    const bool readOnly = state == FieldState::kReadOnlyCleared;
    SendMessageW(edit, EM_SETREADONLY, readOnly, 0);
    if (readOnly) SetWindowTextW(edit, L"");
}

std::wstring FieldText(HWND control, int maxChars) {
    std::vector<wchar_t> buffer(static_cast<size_t>(maxChars) + 1, L'\0');
    const int length = GetWindowTextW(control, buffer.data(), maxChars + 1);
    return std::wstring(buffer.data(), length > 0 ? length : 0);
}

double FieldNumber(HWND edit, int maxChars) { return ReadUserTypedNumber(FieldText(edit, maxChars)); }

int SelectedPosition(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }

void ShowCalcMessage(HWND dialog, CalcStatus status, UINT icon) {
    const ResourceString* message = nullptr;
    if (status == CalcStatus::kInvalidValue) message = &kInvalidValueMessage;
    if (status == CalcStatus::kTooLarge) message = &kTooLargeMessage;
    if (!message) return;
    std::wstring text = StringResource(message->id);
    if (text.empty()) text = message->text;
    MessageBoxW(dialog, text.c_str(), StringResource(IDS_APP_TITLE).c_str(), MB_OK | icon);
}

}  // namespace tv
