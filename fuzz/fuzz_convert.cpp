// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole conversion with a pair code from the table or any bytes, any input text and any
// decimal places: it never breaks, and any text it returns has exactly the decimals asked for.

#include "fuzz_support.h"

#include <mezzurix/conversion_table.h>
#include <mezzurix/convert.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace mezzurix;
using namespace mezzurix::fuzz;

namespace {
constexpr std::uint8_t kFirstStrayDecimals = 200;  // selector bytes from here on try settings outside 0..30
constexpr int kStrayDecimalsOffset = 220;          // ... mapping them to -20..35
constexpr std::size_t kMaxPairCodeBytes = 16;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int decimals = data[0] < kFirstStrayDecimals ? data[0] % (kMaxDecimals + 1)
                                                       : data[0] - kStrayDecimalsOffset;
    const int expectedDecimals = std::clamp(decimals, 0, kMaxDecimals);
    const NumberFormat format = formatFor(data[1]);
    const bool anyBytes = data[1] & 0x80;

    std::string pairCode;
    std::size_t pos = 3;
    if (anyBytes) {
        const std::size_t length = std::min<std::size_t>(data[2] % kMaxPairCodeBytes, size - pos);
        pairCode.assign(reinterpret_cast<const char*>(data) + pos, length);
        pos += length;
    } else {
        const auto table = conversionTable();
        if (!table.empty()) {
            const std::size_t index = (std::size_t{data[2]} << 8 | data[3]) % table.size();
            pairCode = table[index].pairCode;
        }
        pos = 4;
    }
    const std::string_view input(reinterpret_cast<const char*>(data) + pos, size - pos);

    const std::optional<std::string> text = convert(pairCode, input, decimals, format);
    if (text && !hasFixedShape(*text, expectedDecimals, format))
        fail("conversion text has the wrong shape",
             "pair [" + pairCode + "] input [" + std::string(input) + "] d=" +
                 std::to_string(decimals) + " -> [" + *text + "]");

    if (input.size() >= sizeof(double)) {
        const std::optional<double> value =
            convertValue(pairCode, doubleFrom(reinterpret_cast<const std::uint8_t*>(input.data())));
        if (value && !std::isfinite(*value))
            fail("converted value is not finite", "pair [" + pairCode + "]");
    }
    return 0;
}
