#include "money/currency_dialog.h"

#include <utility>

#include "app/window_text.h"
#include "money/currency_data_dialog.h"
#include "money/rate_feed.h"
#include "money/rate_update.h"
#include "numfmt/locale_number_format.h"
#include "platform/shell_layer.h"
#include "resources/resource_ids.h"

namespace tv {

CurrencyDialog::CurrencyDialog(AppSettings& settings, ExchangeRateTable rates)
    : MoneyDialog(L"curr", settings, CurrencyListKind::kCurrencyCodes), rates_(std::move(rates)) {}

void RunCurrencyConverter(HWND owner, AppSettings& settings) {
    CurrencyDialog dialog(settings, ExchangeRateTable::OfUserFile());
    dialog.RunModal(owner);
}

namespace {

// The string `id` with its one %s or %u filled in.
std::wstring Filled(int id, const std::wstring& value) {
    std::wstring text = StringResource(id);
    const size_t at = text.find(L'%');
    return at == std::wstring::npos ? text : text.replace(at, 2, value);
}

// Why a transfer gave no rate feed; empty when it gave one, in `feed`.
std::wstring FailureCause(const DownloadResult& fetched, std::optional<RateFeed>& feed) {
    switch (fetched.status) {
        case DownloadStatus::kOk: {
            FeedProblem problem{};
            feed = ReadRateFeed(fetched.body, &problem);
            if (feed) return std::wstring();
            return Filled(IDS_CAUSE_NOT_A_FEED, StringResource(IDS_FEED_PROBLEM_FIRST + static_cast<int>(problem) - 1));
        }
        case DownloadStatus::kBadStatus: return Filled(IDS_CAUSE_HTTP_STATUS, std::to_wstring(fetched.httpStatus));
        case DownloadStatus::kTooLarge: return StringResource(IDS_CAUSE_TOO_LARGE);
        case DownloadStatus::kTimedOut: return StringResource(IDS_CAUSE_TIMED_OUT);
        default: return StringResource(IDS_CAUSE_NO_CONNECTION);
    }
}

}  // namespace

bool CurrencyDialog::OnInitDialog() {
    SetUpConventions(IDM_MONEY, true);
    if (!rates_.Exists()) {
        // The first open: the day's rates may be fetched at once.
        const std::wstring ask = StringResource(IDS_NO_RATE_FILE) + L"\n\n" + StringResource(IDS_FETCH_RATES_NOW);
        if (Say(ask, MB_YESNO | MB_ICONQUESTION) == IDYES) {
            firstRates_ = true;
            StartUpdate();
        }
        if (!download_.Running()) End(IDOK);
        return false;
    }
    RateFileProblem problem = RateFileProblem::kDenied;
    if (!rates_.Load(&problem)) {
        const int cause = problem == RateFileProblem::kInUse  ? IDS_RATE_FILE_IN_USE
                          : problem == RateFileProblem::kDenied ? IDS_RATE_FILE_DENIED
                                                                : IDS_RATE_FILE_NOT_RATES;
        const std::wstring text = Filled(IDS_RATE_FILE_UNREADABLE, rates_.Path()) + L"\n" + StringResource(cause);
        Say(text, MB_OK | MB_ICONSTOP);
        End(IDOK);
        return false;
    }
    ShowRates();
    return false;  // the amount has the focus
}

void CurrencyDialog::ShowRates() {
    const CurrencySelection codes = SplitSelection(settings_.MoneySel, kDefaultMoneySel);
    SetUpRows(codes);
    bool missing = false;
    for (int i = 0; i < kMoneyRows; ++i) {
        HWND rate = Item(IDC_RATE_1 + i);
        const double x = ShowableRate(rates_.CrossRate(codes[0], codes[static_cast<size_t>(i) + 1]));
        if (x == 0.0) {
            SetWindowTextW(rate, settings_.CustomRates[i]);
            missing = true;
        } else {
            SetWindowTextW(rate, RateText(x).c_str());
        }
        SendMessageW(rate, EM_SETREADONLY, TRUE, 0);
    }
    if (missing) SendMessageW(dialog_, WM_COMMAND, ID_MODIFY_RATES, 0);
}

bool CurrencyDialog::ShowRate(int row) {
    const double x = ShowableRate(rates_.CrossRate(CodeOn(IDC_SOURCE_CURRENCY), CodeOn(IDC_TARGET_CURRENCY_1 + row)));
    SetWindowTextW(Item(IDC_RATE_1 + row), RateText(x).c_str());
    return x != 0.0;
}

void CurrencyDialog::Picked(int row) {
    bool missing = false;
    for (int i = 0; i < kMoneyRows; ++i) {
        if (row < 0 || row == i) missing |= !ShowRate(i);
    }
    // A missing rate switches the mode over, so the rate can be typed.
    if (missing) PostMessageW(dialog_, WM_COMMAND, ID_MODIFY_RATES, 0);
}

void CurrencyDialog::ToggleModifyRates() {
    modifyRates_ = !modifyRates_;
    for (int i = 0; i < kMoneyRows; ++i) SendMessageW(Item(IDC_RATE_1 + i), EM_SETREADONLY, !modifyRates_, 0);
}

void CurrencyDialog::Convert() {
    const std::wstring amount = WindowText(Item(IDC_AMOUNT));
    const LocaleNumberGrouping grouping;
    for (int i = 0; i < kMoneyRows; ++i) {
        const std::wstring text =
            ConvertedAmountText(amount, WindowText(Item(IDC_RATE_1 + i)), settings_.GroupDigits, grouping);
        SetWindowTextW(Item(IDC_CONVERTED_1 + i), text.c_str());
    }
}

void CurrencyDialog::UpdateToolsMenu(HMENU menu) {
    CheckMenuItem(menu, ID_MODIFY_RATES, MF_BYCOMMAND | (modifyRates_ ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(menu, ID_UPDATE_CURRENCY_DATA, MF_BYCOMMAND | (download_.Running() ? MF_GRAYED : MF_ENABLED));
}

int CurrencyDialog::Say(const std::wstring& text, UINT flags) const {
    return MessageBoxW(dialog_, text.c_str(), StringResource(IDS_APP_TITLE).c_str(), flags);
}

void CurrencyDialog::Tell(int stringId, UINT icon) const { Say(StringResource(stringId), MB_OK | icon); }

void CurrencyDialog::TellUpdateFailed(const std::wstring& cause) const {
    const std::wstring text = StringResource(IDS_DOWNLOAD_FAILED) + (cause.empty() ? L"" : L"\n" + cause);
    Say(text, MB_OK | MB_ICONEXCLAMATION);
}

void CurrencyDialog::StartUpdate() {
    if (download_.Running()) return;
    Tell(IDS_DOWNLOAD_STARTING, MB_ICONINFORMATION);
    const std::optional<RatesUrl> source = RatesSource();
    if (!source) {
        TellUpdateFailed(StringResource(IDS_CAUSE_BAD_ADDRESS));
    } else if (!download_.Start(*source, dialog_, kUpdateDoneMessage, RateDownloadTimeLimit())) {
        TellUpdateFailed(L"");  // no thread to fetch with: nothing the user can mend
    } else {
        SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
    }
}

void CurrencyDialog::FinishUpdate() {
    const std::optional<DownloadResult> fetched = download_.Finish();
    if (!fetched) return;  // cancelled: the dialog is closing
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    std::optional<RateFeed> feed;
    std::wstring cause = FailureCause(*fetched, feed);
    if (cause.empty() && !ReplaceRateFile(rates_.Path(), RateFileText(*feed))) cause = StringResource(IDS_CAUSE_NOT_REPLACED);
    if (!cause.empty()) {
        TellUpdateFailed(cause);
        if (firstRates_) End(IDOK);  // nothing to convert with: closes as with no file
        return;
    }
    // The new rates show as after picking every currency anew.
    rates_.Load();
    if (std::exchange(firstRates_, false)) {
        ShowRates();
    } else {
        Picked(-1);
    }
    PostConvert();
    Tell(IDS_DOWNLOAD_DONE, MB_ICONINFORMATION);
}

bool CurrencyDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case kUpdateDoneMessage:
            FinishUpdate();
            result = TRUE;
            return true;
        case WM_SETCURSOR:
            if (!download_.Running()) break;
            SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
            result = TRUE;
            return true;
        default:
            break;
    }
    return MoneyDialog::OnMessage(message, wParam, lParam, result);
}

void CurrencyDialog::Save() {
    if (firstRates_) return;  // closed before the first rates came: the rows hold none of the user's
    const std::wstring selection = JoinSelection(Codes());
    lstrcpynW(settings_.MoneySel, selection.c_str(), kSettingTextChars);
    for (int i = 0; i < kMoneyRows; ++i) {
        GetWindowTextW(Item(IDC_RATE_1 + i), settings_.CustomRates[i], kSettingTextChars);
    }
}

bool CurrencyDialog::OnCommand(int id, int code, HWND control) {
    // Until the first rates come there is nothing to convert, pick or copy: only closing.
    if (firstRates_ && id != IDOK && id != IDCANCEL) return true;
    switch (id) {
        case ID_MODIFY_RATES:
            ToggleModifyRates();
            return true;
        case ID_ABOUT_CURRENCY_DATA: {
            CurrencyDataDialog about(rates_.Date());
            about.RunModal(dialog_);
            return true;
        }
        case ID_UPDATE_CURRENCY_DATA:
            StartUpdate();
            return true;
        case IDOK:
            download_.Cancel();  // the transfer ends with the dialog, leaving the file as it was
            return MoneyDialog::OnCommand(id, code, control);
        default:
            return MoneyDialog::OnCommand(id, code, control);
    }
}

std::vector<ToolDialog::ReaderName> CurrencyDialog::ReaderNames() const {
    return {{0, IDS_TOOL_CURRENCY}};
}

}  // namespace tv
