// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <mezzurix/converter_state.h>

#include <mezzurix/catalogue.h>
#include <mezzurix/convert.h>
#include <mezzurix/number_rules.h>
#include <mezzurix/window_texts.h>

#include <QLocale>

#include <cmath>
#include <utility>

namespace mezzurix::ui {
namespace {

constexpr int kStartDecimals = 14;  // the decimal places at every start, and after the credit
constexpr double kCreditDecimals = 15;  // the decimal places text that, with the name, fires it

const Category& categoryAt(int index)
{
    return categories()[std::size_t(index)];
}

bool hasCategory(int category)
{
    return category >= 0 && std::size_t(category) < categories().size();
}

bool hasRow(int category, int row)
{
    return row >= 0 && std::size_t(row) < categoryAt(category).units.size();
}

// Output and clipboard texts follow the user's regional settings, and the input reads their
// decimal separator and minus sign as well as "." and "-".
NumberFormat regionalFormat()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.negativeSign().toStdString()};
}

} // namespace

ConverterState::ConverterState() : decimals_(kStartDecimals), input_(QStringLiteral("1"))
{
    convert();
}

QString ConverterState::title() const
{
    return catalogueText(categoryAt(category_).name);
}

QString ConverterState::description() const
{
    return catalogueText(categoryAt(category_).description);
}

QString ConverterState::fromUnit() const
{
    return catalogueText(categoryAt(category_).units[std::size_t(fromRow())].text);
}

QString ConverterState::intoUnit() const
{
    return catalogueText(categoryAt(category_).units[std::size_t(intoRow())].text);
}

QString ConverterState::heading(Side side) const
{
    return windowText((side == Side::Left) == forward_ ? QT_TRANSLATE_NOOP("MainWindow", "Convert:")
                                                       : QT_TRANSLATE_NOOP("MainWindow", "Into:"));
}

QString ConverterState::outputReason() const
{
    // A conversion that succeeds always writes a number.
    return output_.isEmpty() ? windowText(QT_TRANSLATE_NOOP("MainWindow", "Out of range")) : QString();
}

bool ConverterState::switchCategory(int category)
{
    if (!hasCategory(category))
        return false;
    category_ = category;
    leftRow_ = 0;
    rightRow_ = 0;
    convert();
    return true;
}

bool ConverterState::pickUnit(Side side, int row)
{
    int& picked = side == Side::Left ? leftRow_ : rightRow_;
    if (row == picked || !hasRow(category_, row))
        return false;
    picked = row;
    convert();
    return true;
}

bool ConverterState::flip()
{
    forward_ = !forward_;
    convert();
    return true;
}

bool ConverterState::setInput(const QString& text)
{
    if (text == input_)
        return false;
    input_ = text;
    convert();
    return true;
}

bool ConverterState::pickDecimals(const QString& entry)
{
    const std::optional<double> places = readWholeNumber(entry.toStdString(), regionalFormat());
    if (places && std::abs(*places) <= kMaxDecimals)
        decimals_ = int(std::lround(*places));
    convert();
    return true;
}

bool ConverterState::swap()
{
    const std::optional<double> value = readWholeNumber(output_.toStdString(), regionalFormat());
    if (!value)
        return false;
    // The input rule reads "." everywhere, so the number moves into the input with it.
    input_ = QString::fromStdString(formatGeneral(*value));
    std::swap(leftRow_, rightRow_);
    convert();
    return true;
}

bool ConverterState::credit(const QString& decimalsText)
{
    const std::optional<double> places = readWholeNumber(decimalsText.toStdString(), regionalFormat());
    if (!places || *places != kCreditDecimals || input_ != creditName())
        return false;
    input_.clear();
    decimals_ = kStartDecimals;
    convert();
    return true;
}

const QString& ConverterState::creditName()
{
    static const QString name = QStringLiteral("Orvo Quellvarn");
    return name;
}

bool ConverterState::openConversion(int category, int fromRow, int intoRow, const QString& input)
{
    if (!hasCategory(category) || !hasRow(category, fromRow) || !hasRow(category, intoRow))
        return false;
    category_ = category;
    leftRow_ = fromRow;
    rightRow_ = intoRow;
    forward_ = true;
    decimals_ = kStartDecimals;
    input_ = input;
    convert();
    return true;
}

std::optional<QString> ConverterState::clipboardText() const
{
    const NumberFormat format = regionalFormat();
    const std::optional<double> value = readWholeNumber(output_.toStdString(), format);
    if (!value)
        return std::nullopt;
    return QString::fromStdString(formatGeneral(*value, format.decimalPoint));
}

void ConverterState::convert()
{
    const std::span<const Unit> units = categoryAt(category_).units;
    const std::string pair = pairCode(units[std::size_t(fromRow())].code, units[std::size_t(intoRow())].code);
    const NumberFormat format = regionalFormat();
    const std::optional<std::string> result =
        mezzurix::convert(pair, input_.toStdString(), decimals_, format, format);
    // A failed conversion must not leave the previous answer under the new captions.
    output_ = result ? QString::fromStdString(*result) : QString();
}

} // namespace mezzurix::ui
