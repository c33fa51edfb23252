// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_conversion.h"

#include <QRegularExpression>
#include <cmath>

namespace quorlink {

namespace {

std::optional<double> ToNumber(const QString& text)
{
    // Plain decimal only: no hexadecimal, no thousands separators, no locale.
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<std::int16_t> RoundToShort(double value)
{
    const double rounded = std::nearbyint(value);  // the default mode rounds ties to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace

std::optional<std::int16_t> ToShort(const QString& text)
{
    const std::optional<double> value = ToNumber(text);
    return value ? RoundToShort(*value) : std::nullopt;
}

std::optional<bool> ToFlag(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> value = ToNumber(trimmed);
    return value ? std::optional<bool>(*value != 0) : std::nullopt;
}

std::optional<std::int16_t> OffsetTimeFromFile(const QString& text)
{
    const std::optional<double> value = ToNumber(text);
    return value ? RoundToShort(*value + 24) : std::nullopt;
}

}  // namespace quorlink
