#include "money/rate_download.h"

#include <winhttp.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <system_error>
#include <vector>

#include "money/rate_feed.h"
#include "platform/system_library.h"

namespace tv {

// What the worker and the WinHTTP callback share. WinHTTP may call back after
// the worker has given up (a closed handle does not stop a blocked receive
// everywhere), so the request handle's context keeps this alive until the
// handle's last callback.
namespace {
std::atomic<int> g_transfersAlive{0};
}  // namespace

struct RateDownload::Transfer {
    Transfer() : cancel(CreateEventW(nullptr, TRUE, FALSE, nullptr)), step(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
        ++g_transfersAlive;
    }
    ~Transfer() {
        --g_transfersAlive;
        if (cancel) CloseHandle(cancel);
        if (step) CloseHandle(step);
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    // Called back: one asynchronous step ended.
    void Completed(DWORD status, DWORD count) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            completion = status;
            bytes = count;
        }
        SetEvent(step);
    }

    HANDLE cancel;  // set by the dialog
    HANDLE step;    // set by the callback
    std::mutex mutex;
    DWORD completion = 0;
    DWORD bytes = 0;
    // Reads land here: it must outlive any read still under way.
    std::vector<char> chunk = std::vector<char>(64 * 1024);
    DownloadResult result;
};

namespace {

DWORD g_timeLimit = 15000;

// WinHTTP, loaded with the first transfer: the program starts without it.
struct WinHttpFunctions {
    decltype(WinHttpCloseHandle)* CloseHandle;
    decltype(WinHttpConnect)* Connect;
    decltype(WinHttpOpen)* Open;
    decltype(WinHttpOpenRequest)* OpenRequest;
    decltype(WinHttpQueryDataAvailable)* QueryDataAvailable;
    decltype(WinHttpQueryHeaders)* QueryHeaders;
    decltype(WinHttpReadData)* ReadData;
    decltype(WinHttpReceiveResponse)* ReceiveResponse;
    decltype(WinHttpSendRequest)* SendRequest;
    decltype(WinHttpSetOption)* SetOption;
    decltype(WinHttpSetStatusCallback)* SetStatusCallback;
    decltype(WinHttpSetTimeouts)* SetTimeouts;
    bool loaded;

    WinHttpFunctions() {
        CloseHandle = Function<decltype(WinHttpCloseHandle)>("WinHttpCloseHandle");
        Connect = Function<decltype(WinHttpConnect)>("WinHttpConnect");
        Open = Function<decltype(WinHttpOpen)>("WinHttpOpen");
        OpenRequest = Function<decltype(WinHttpOpenRequest)>("WinHttpOpenRequest");
        QueryDataAvailable = Function<decltype(WinHttpQueryDataAvailable)>("WinHttpQueryDataAvailable");
        QueryHeaders = Function<decltype(WinHttpQueryHeaders)>("WinHttpQueryHeaders");
        ReadData = Function<decltype(WinHttpReadData)>("WinHttpReadData");
        ReceiveResponse = Function<decltype(WinHttpReceiveResponse)>("WinHttpReceiveResponse");
        SendRequest = Function<decltype(WinHttpSendRequest)>("WinHttpSendRequest");
        SetOption = Function<decltype(WinHttpSetOption)>("WinHttpSetOption");
        SetStatusCallback = Function<decltype(WinHttpSetStatusCallback)>("WinHttpSetStatusCallback");
        SetTimeouts = Function<decltype(WinHttpSetTimeouts)>("WinHttpSetTimeouts");
        loaded = CloseHandle && Connect && Open && OpenRequest && QueryDataAvailable && QueryHeaders && ReadData && ReceiveResponse && SendRequest && SetOption && SetStatusCallback && SetTimeouts;
    }

    template <typename Declared>
    static Declared* Function(const char* name) {
        return SystemFunction<Declared>(L"winhttp.dll", name);
    }
};

const WinHttpFunctions& WinHttp() {
    static const WinHttpFunctions functions;
    return functions;
}

using Holder = std::shared_ptr<RateDownload::Transfer>;

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
    auto* holder = reinterpret_cast<Holder*>(context);
    if (!holder) return;  // the session and connection carry no context
    switch (status) {
        case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
            delete holder;  // the request's last call
            break;
        case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
        case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
        case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
            (*holder)->Completed(status, 0);
            break;
        case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
            (*holder)->Completed(status, info ? *static_cast<DWORD*>(info) : 0);
            break;
        case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
            (*holder)->Completed(status, length);
            break;
        default:
            break;
    }
}

struct HandleCloser {
    void operator()(void* handle) const { WinHttp().CloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, HandleCloser>;

// One transfer from request to last byte, on the worker thread.
class Fetch {
public:
    Fetch(RateDownload::Transfer& transfer, DWORD timeLimitMs)
        : transfer_(transfer), deadline_(GetTickCount64() + timeLimitMs) {}

    // kOk with the body, or why not; cancelled when nothing is to be told.
    DownloadStatus Run(const Holder& shared, const RatesUrl& url, bool& cancelled) {
        if (!WinHttp().loaded) return DownloadStatus::kFailed;
        const DWORD access = IsLoopbackHost(url.host) ? WINHTTP_ACCESS_TYPE_NO_PROXY : WINHTTP_ACCESS_TYPE_DEFAULT_PROXY;
        InternetHandle session(
            WinHttp().Open(L"TallyvanePro", access, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
        if (!session) return DownloadStatus::kFailed;
        // Whatever WinHTTP itself blocks on ends within the limit too.
        const int limit = static_cast<int>(deadline_ - GetTickCount64());
        WinHttp().SetTimeouts(session.get(), limit, limit, limit, limit);
        if (WinHttp().SetStatusCallback(session.get(), OnStatus,
                                     WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES,
                                     0) == WINHTTP_INVALID_STATUS_CALLBACK) {
            return DownloadStatus::kFailed;
        }
        InternetHandle connection(WinHttp().Connect(session.get(), url.host.c_str(), url.port, 0));
        if (!connection) return DownloadStatus::kFailed;
        InternetHandle request(WinHttp().OpenRequest(connection.get(), L"GET", url.path.c_str(), nullptr,
                                                  WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                  url.secure ? WINHTTP_FLAG_SECURE : 0));
        if (!request) return DownloadStatus::kFailed;
        auto* holder = new Holder(shared);
        DWORD_PTR context = reinterpret_cast<DWORD_PTR>(holder);
        if (!WinHttp().SetOption(request.get(), WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context)) {
            delete holder;
            return DownloadStatus::kFailed;
        }
        // From here the request's closing frees the holder.
        const DownloadStatus status = Transfer(request.get(), context);
        cancelled = status == DownloadStatus::kFailed && WaitForSingleObject(transfer_.cancel, 0) == WAIT_OBJECT_0;
        return status;
    }

private:
    enum class Step { kDone, kFailed, kTimedOut };

    DownloadStatus Transfer(HINTERNET request, DWORD_PTR context) {
        DWORD count = 0;
        if (!WinHttp().SendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, context)) {
            return DownloadStatus::kFailed;
        }
        if (Step s = Await(WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE, count); s != Step::kDone) return Failure(s);
        if (!WinHttp().ReceiveResponse(request, nullptr)) return DownloadStatus::kFailed;
        if (Step s = Await(WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE, count); s != Step::kDone) return Failure(s);
        transfer_.result.httpStatus = Header(request, WINHTTP_QUERY_STATUS_CODE).value_or(0);
        if (transfer_.result.httpStatus != 200) return DownloadStatus::kBadStatus;
        if (Header(request, WINHTTP_QUERY_CONTENT_LENGTH).value_or(0) > kMaxFeedBytes) return DownloadStatus::kTooLarge;
        std::string& body = transfer_.result.body;
        for (;;) {
            if (!WinHttp().QueryDataAvailable(request, nullptr)) return DownloadStatus::kFailed;
            if (Step s = Await(WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE, count); s != Step::kDone) return Failure(s);
            if (count == 0) return DownloadStatus::kOk;
            if (body.size() + count > kMaxFeedBytes) return DownloadStatus::kTooLarge;
            const DWORD want = std::min<DWORD>(count, static_cast<DWORD>(transfer_.chunk.size()));
            if (!WinHttp().ReadData(request, transfer_.chunk.data(), want, nullptr)) return DownloadStatus::kFailed;
            if (Step s = Await(WINHTTP_CALLBACK_STATUS_READ_COMPLETE, count); s != Step::kDone) return Failure(s);
            if (count == 0) return DownloadStatus::kOk;
            body.append(transfer_.chunk.data(), count);
        }
    }

    // WinHTTP's own time-outs end at the same deadline, as an error: one at
    // the deadline is the time running out too.
    DownloadStatus Failure(Step step) const {
        const bool late = step == Step::kTimedOut || GetTickCount64() + kDeadlineSlackMs >= deadline_;
        return late ? DownloadStatus::kTimedOut : DownloadStatus::kFailed;
    }
    static constexpr ULONGLONG kDeadlineSlackMs = 100;

    // Waits for the callback of the step under way, the dialog's cancel or the deadline.
    Step Await(DWORD expected, DWORD& count) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now >= deadline_ ? 0 : static_cast<DWORD>(deadline_ - now);
        HANDLE events[] = {transfer_.cancel, transfer_.step};
        switch (WaitForMultipleObjects(2, events, FALSE, left)) {
            case WAIT_OBJECT_0 + 1: {
                std::lock_guard<std::mutex> lock(transfer_.mutex);
                count = transfer_.bytes;
                return transfer_.completion == expected ? Step::kDone : Step::kFailed;
            }
            case WAIT_TIMEOUT:
                return Step::kTimedOut;
            default:
                return Step::kFailed;  // cancelled
        }
    }

    static std::optional<DWORD> Header(HINTERNET request, DWORD query) {
        DWORD value = 0, size = sizeof value;
        if (!WinHttp().QueryHeaders(request, query | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX, &value,
                                 &size, WINHTTP_NO_HEADER_INDEX)) {
            return std::nullopt;
        }
        return value;
    }

    RateDownload::Transfer& transfer_;
    const ULONGLONG deadline_;
};

}  // namespace

DWORD RateDownloadTimeLimit() { return g_timeLimit; }
int RateTransfersAlive() { return g_transfersAlive; }
void SetRateDownloadTimeLimitForTesting(DWORD ms) { g_timeLimit = ms; }

bool RateDownload::Start(const RatesUrl& url, HWND window, UINT message, DWORD timeLimitMs) {
    if (Running()) return false;
    auto transfer = std::make_shared<Transfer>();
    if (!transfer->cancel || !transfer->step) return false;
    try {
        worker_ = std::thread([transfer, url, window, message, timeLimitMs] {
            bool cancelled = false;
            const DownloadStatus status = Fetch(*transfer, timeLimitMs).Run(transfer, url, cancelled);
            transfer->result.status = status;
            if (status != DownloadStatus::kOk) transfer->result.body.clear();
            if (!cancelled) PostMessageW(window, message, 0, 0);
        });
    } catch (const std::system_error&) {
        return false;  // no thread to be had
    }
    transfer_ = transfer;
    return true;
}

std::optional<DownloadResult> RateDownload::Finish() {
    if (!Running()) return std::nullopt;
    worker_.join();
    DownloadResult result = std::move(transfer_->result);
    transfer_.reset();
    return result;
}

void RateDownload::Cancel() {
    if (!Running()) return;
    SetEvent(transfer_->cancel);
    worker_.join();
    transfer_.reset();
}

}  // namespace tv
