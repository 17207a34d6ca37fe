// Fetching the rate feed: one worker thread that owns its WinHTTP handles,
// touches no window and posts one message to the dialog when it ends.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "money/rates_url.h"

namespace tv {

enum class DownloadStatus { kOk, kFailed, kBadStatus, kTooLarge, kTimedOut };

struct DownloadResult {
    DownloadStatus status = DownloadStatus::kFailed;
    // The server's status code, with kBadStatus.
    DWORD httpStatus = 0;
    // The body as received, only when the status is kOk.
    std::string body;
};

class RateDownload {
public:
    RateDownload() = default;
    ~RateDownload() { Cancel(); }
    RateDownload(const RateDownload&) = delete;
    RateDownload& operator=(const RateDownload&) = delete;

    // Starts fetching `url`, giving up after `timeLimitMs` in all; `message`
    // is posted to `window` when the transfer ends. False when one is running
    // already or the transfer cannot start.
    bool Start(const RatesUrl& url, HWND window, UINT message, DWORD timeLimitMs);
    bool Running() const { return worker_.joinable(); }
    // Joins the transfer whose message arrived and hands over its result;
    // nothing when none runs (it was cancelled after posting).
    std::optional<DownloadResult> Finish();
    // Stops a running transfer at once: its handles close and the thread is
    // joined. Its message may still arrive, and Finish then returns nothing.
    void Cancel();

    struct Transfer;

private:
    std::shared_ptr<Transfer> transfer_;
    std::thread worker_;
};

// How long a whole transfer may take: 15 seconds, shorter in tests.
DWORD RateDownloadTimeLimit();
void SetRateDownloadTimeLimitForTesting(DWORD ms);
// Transfers whose state is still held, by the dialog or by WinHTTP's last callbacks.
int RateTransfersAlive();

}  // namespace tv
