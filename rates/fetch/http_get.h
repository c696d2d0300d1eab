// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One HTTP(S) GET with libcurl: no cookies, no referrer, no identifier beyond the User-Agent given,
// redirects followed only to HTTPS, a timeout on the whole transfer and a bound on the body.

#include <chrono>
#include <cstddef>
#include <string>

namespace mezzurix::rates {

struct HttpResult {
    enum class Outcome { Body, TooLarge, Failed } outcome = Outcome::Failed;
    std::string body;  // with Body
    std::string error; // with Failed: what went wrong, in a few words
};

HttpResult httpGet(const std::string& url, std::chrono::milliseconds timeout, std::size_t maxBytes,
                   const std::string& userAgent);

} // namespace mezzurix::rates
