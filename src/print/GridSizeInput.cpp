#include "print/GridSizeInput.h"

#include "print/FormLayout.h"

#include <QByteArray>

#include <cmath>
#include <cstdlib>

namespace velin::GridSizeInput {

namespace {

bool IsSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Rounds half to even into 16 bits; nullopt when the value does not fit.
std::optional<int16_t> ToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

} // namespace

double LeadingNumber(const QString& text)
{
    QByteArray number;
    bool digits = false;
    bool point = false;
    // The exponent's part is only taken once it has a digit: "5e" reads 5.
    QByteArray exponent;
    bool inExponent = false;
    bool exponentDigits = false;
    for (const QChar c : text) {
        if (IsSkipped(c))
            continue;
        if (inExponent) {
            if (IsDigit(c)) {
                exponent += char(c.unicode());
                exponentDigits = true;
            } else if ((c == u'+' || c == u'-') && exponent.size() == 1) {
                exponent += char(c.unicode());
            } else {
                break;
            }
            continue;
        }
        if (IsDigit(c)) {
            number += char(c.unicode());
            digits = true;
        } else if ((c == u'+' || c == u'-') && number.isEmpty()) {
            number += char(c.unicode());
        } else if (c == u'.' && !point) {
            number += '.';
            point = true;
        } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && digits) {
            inExponent = true;
            exponent = QByteArrayLiteral("e");
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (exponentDigits)
        number += exponent;
    return std::strtod(number.constData(), nullptr);
}

GridSizeAnswer Parse(const QString& typed)
{
    GridSizeAnswer result;
    if (typed.isEmpty())
        return result;
    // A Japanese input method types "２０　２５"; read it as the user meant it.
    const QString answer = typed.normalized(QString::NormalizationForm_KC);

    const qsizetype blank = answer.indexOf(u' ');
    if (blank < 0) {
        result.kind = GridSizeAnswer::KeepSizes;
        return result;
    }
    result.kind = GridSizeAnswer::Invalid;
    if (blank + 1 < answer.size() && answer.at(blank + 1) == u' ')
        return result;
    const auto rows = ToInt16(LeadingNumber(answer.left(blank)));
    const auto columns = ToInt16(LeadingNumber(answer.mid(blank + 1)));
    if (!rows || !columns)
        return result;
    // A negative count would draw the frame off the page.
    if (*rows < 0 || *columns < 0 || *rows > FormLayout::kMaxRows || *columns > FormLayout::kMaxColumns)
        return result;
    result.kind = GridSizeAnswer::Sizes;
    result.rows = *rows;
    result.columns = *columns;
    return result;
}

} // namespace velin::GridSizeInput
