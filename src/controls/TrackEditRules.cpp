#include "controls/TrackEditRules.h"

#include "app/Errors.h"

namespace TrackEditRules {

std::int32_t ClampToRange(std::int64_t v, std::int32_t minValue, std::int32_t maxValue)
{
    if (minValue == maxValue)
        return std::int32_t(v);
    if (v < minValue)
        return minValue;
    if (v > maxValue)
        return maxValue;
    return std::int32_t(v);
}

bool IsNumberText(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String("-"))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('-')) {
            if (i != 0)
                return false;
        } else if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

bool IsAcceptedChar(QChar ch, const QString& currentText)
{
    if (ch == QLatin1Char('-'))
        return !currentText.contains(QLatin1Char('-'));
    if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
        return true;
    return ch.unicode() < 32 && ch.unicode() != 13;
}

std::int32_t ParseNumberText(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

bool TextNeedsCorrection(std::int32_t parsed, std::int32_t clamped, std::int32_t minValue)
{
    if (parsed < 0 && clamped < 0) {
        if (clamped > parsed)
            return true;
    } else if (clamped < parsed) {
        return true;
    }
    return (minValue > 0 && parsed < 0) || (minValue < 0 && parsed > 0);
}

} // namespace TrackEditRules
