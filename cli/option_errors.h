// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The option parser's own messages in the user's language.

#include <string>
#include <string_view>

namespace mezzurix::cli {

// `message`, one of CLI11's, with its English form replaced by the catalogue's, the typed parts
// kept; a message of no known form stays as it is.
std::string translatedOptionError(std::string_view message);

} // namespace mezzurix::cli
