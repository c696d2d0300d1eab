// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "http_get.h"

#include <curl/curl.h>

#include <memory>

namespace mezzurix::rates {

namespace {

// A mirror may move the file once or twice; more is a loop.
constexpr long kMaxRedirects = 3;
constexpr long kHttpOk = 200;

struct Download {
    std::string body;
    std::size_t maxBytes = 0;
    bool tooLarge = false;
};

std::size_t keep(char* data, std::size_t size, std::size_t count, void* user)
{
    Download& download = *static_cast<Download*>(user);
    const std::size_t bytes = size * count;
    if (download.body.size() + bytes > download.maxBytes) {
        download.tooLarge = true;
        return 0; // ends the transfer
    }
    download.body.append(data, bytes);
    return bytes;
}

} // namespace

HttpResult httpGet(const std::string& url, std::chrono::milliseconds timeout, std::size_t maxBytes,
                   const std::string& userAgent)
{
    HttpResult result;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) {
        result.error = "libcurl could not start";
        return result;
    }
    Download download;
    download.maxBytes = maxBytes;
    char errors[CURL_ERROR_SIZE] = "";
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(timeout.count()));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxBytes));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, keep);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &download);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errors);
    const CURLcode code = curl_easy_perform(handle);
    if (download.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        result.outcome = HttpResult::Outcome::TooLarge;
        return result;
    }
    if (code != CURLE_OK) {
        result.error = *errors != '\0' ? errors : curl_easy_strerror(code);
        return result;
    }
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status != kHttpOk) {
        result.error = "HTTP status " + std::to_string(status);
        return result;
    }
    result.outcome = HttpResult::Outcome::Body;
    result.body = std::move(download.body);
    return result;
}

} // namespace mezzurix::rates
