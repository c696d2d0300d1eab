// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <mezzurix/plural_rules.h>
#include <mezzurix/number_digits.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace mezzurix {

namespace {

// The CLDR operands of the "one" rules we need: the integer digits and whether any fraction
// digit is shown (CLDR's v > 0); whole values only as far as "one" cares.
struct Operands {
    bool integerIsZero = false;
    bool integerIsOne = false;
    bool fractionShown = false;
    bool fractionIsZero = true;  // every shown fraction digit is 0, so n equals the integer
};

enum class OneRule {
    IntegerOneNoFraction,  // i = 1 and v = 0: "1 foot", "1.0 feet"
    ValueOne,              // n = 1: "1 pie", "1,0 pie"
    IntegerZeroOrOne,      // i = 0,1: "0,5 litre", "1,5 litre"
};

struct LanguageRule {
    std::string_view language;  // a language code, or language_REGION where the region differs
    OneRule one;
};

// From CLDR's plurals.xml; languages not listed follow English.
constexpr std::array kRules{
    LanguageRule{"en", OneRule::IntegerOneNoFraction},
    LanguageRule{"de", OneRule::IntegerOneNoFraction},
    LanguageRule{"it", OneRule::IntegerOneNoFraction},
    LanguageRule{"nl", OneRule::IntegerOneNoFraction},
    LanguageRule{"sv", OneRule::IntegerOneNoFraction},
    LanguageRule{"es", OneRule::ValueOne},
    LanguageRule{"fr", OneRule::IntegerZeroOrOne},
    LanguageRule{"pt_PT", OneRule::IntegerOneNoFraction},
    LanguageRule{"pt", OneRule::IntegerZeroOrOne},
};

// "pt_BR.UTF-8@euro" → "pt_BR": a rule for language_REGION first, then for the language.
OneRule oneRuleOf(std::string_view language)
{
    language = language.substr(0, language.find_first_of(".@"));
    const auto find = [](std::string_view code) -> std::optional<OneRule> {
        const auto* rule = std::ranges::find(kRules, code, &LanguageRule::language);
        return rule == kRules.end() ? std::nullopt : std::optional(rule->one);
    };
    if (auto rule = find(language))
        return *rule;
    if (auto rule = find(language.substr(0, language.find_first_of("_-"))))
        return *rule;
    return OneRule::IntegerOneNoFraction;
}

using number_digits::isDigit;

std::optional<Operands> operandsOf(std::string_view text, std::string_view decimalSign)
{
    text.remove_prefix(number_digits::signLength(text));
    const std::size_t decimal = decimalSign.empty() ? text.npos : text.find(decimalSign);
    const std::string_view whole = text.substr(0, decimal);
    const std::string_view fraction =
        decimal == text.npos ? std::string_view{} : text.substr(decimal + decimalSign.size());
    if (!std::ranges::all_of(fraction, isDigit) || whole.empty() || !isDigit(whole.front()))
        return std::nullopt;
    // Group signs are whatever else lies between the whole part's digits.
    Operands operands;
    std::string digits;
    for (char c : whole)
        if (isDigit(c))
            digits += c;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    operands.integerIsZero = firstNonZero == digits.npos;
    operands.integerIsOne = firstNonZero != digits.npos && digits.substr(firstNonZero) == "1";
    operands.fractionShown = !fraction.empty();
    operands.fractionIsZero = fraction.find_first_not_of('0') == fraction.npos;
    return operands;
}

} // namespace

PluralCategory pluralCategory(std::string_view language, std::string_view printedNumber,
                              std::string_view decimalSign)
{
    const std::optional<Operands> operands = operandsOf(printedNumber, decimalSign);
    if (!operands)
        return PluralCategory::Other;
    bool one = false;
    switch (oneRuleOf(language)) {
    case OneRule::IntegerOneNoFraction: one = operands->integerIsOne && !operands->fractionShown; break;
    case OneRule::ValueOne: one = operands->integerIsOne && operands->fractionIsZero; break;
    case OneRule::IntegerZeroOrOne: one = operands->integerIsZero || operands->integerIsOne; break;
    }
    return one ? PluralCategory::One : PluralCategory::Other;
}

} // namespace mezzurix
