// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank's daily file: an envelope holding one <Cube> holding one <Cube time="YYYY-MM-DD">,
// whose children are <Cube currency="USD" rate="1.0830"/>. The envelope's other elements (its
// subject and sender) and unknown attributes are passed over.

#include "quoted.h"
#include "xml_scan.h"

#include <mezzurix/reference_rates.h>

namespace mezzurix::rates {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class DailyFile {
public:
    std::optional<std::string> onStart(const xml::StartTag& tag)
    {
        if (tag.localName != "Cube")
            return std::nullopt;
        const std::optional<std::string_view> currency = tag.attribute("currency");
        const std::optional<std::string_view> rate = tag.attribute("rate");
        if (currency || rate) {
            if (!day_ || tag.parent != *day_)
                return std::string("a rate outside the dated block of rates");
            if (!currency || !rate)
                return std::string(currency ? "a currency without its rate" : "a rate without its currency");
            return addRate(rates_, *currency, *rate);
        }
        if (const std::optional<std::string_view> time = tag.attribute("time")) {
            if (day_)
                return std::string("the rates of more than one day");
            const auto date = parseDate(*time);
            if (!date)
                return "the date " + quoted(*time) + " is not a date (YYYY-MM-DD)";
            rates_.date = *date;
            day_ = tag.id;
        }
        return std::nullopt;
    }

    std::variant<ReferenceRates, RatesError> result() &&
    {
        if (!day_ || rates_.rates.empty())
            return RatesError{"no euro reference rates in it"};
        return std::move(rates_);
    }

private:
    std::optional<std::size_t> day_;
    ReferenceRates rates_;
};

} // namespace

std::variant<ReferenceRates, RatesError> parseDailyRates(std::string_view response)
{
    if (response.size() > kMaxResponseBytes)
        return RatesError{"larger than 1 MB (" + std::to_string(response.size()) + " bytes)"};
    if (response.starts_with(kByteOrderMark))
        response.remove_prefix(kByteOrderMark.size());
    DailyFile file;
    if (std::optional<std::string> fault = xml::scan(response, [&](const xml::StartTag& tag) { return file.onStart(tag); }))
        return RatesError{std::move(*fault)};
    return std::move(file).result();
}

} // namespace mezzurix::rates
