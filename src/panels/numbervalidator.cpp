#include "panels/numbervalidator.h"

namespace kvx {

namespace {

// More digits than this cannot be a value of any field and would overflow the check.
constexpr int kMaxDigits = 12;

// ASCII digits only: the pages read numbers byte by byte.
bool isDigitOf(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return true;
    return base == 16 && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F'));
}

} // namespace

NumberValidator::NumberValidator(int64_t minimum, int64_t maximum, Form form, QObject* parent)
        : QValidator(parent)
        , minimum_(minimum)
        , maximum_(maximum)
        , form_(form)
{}

QValidator::State NumberValidator::validate(QString& input, int&) const
{
    QString text = input.trimmed();
    if (text.isEmpty())
        return Acceptable;
    if (form_ == Form::HexOrDecimal && text.size() >= 2 && text[0] == QLatin1Char('0') &&
        text[1].toLower() == QLatin1Char('x'))
        return validateDigits(text.mid(2), 16, false);
    const bool negative = text[0] == QLatin1Char('-');
    if (negative && minimum_ >= 0)
        return Invalid;
    if (negative || text[0] == QLatin1Char('+'))
        text.remove(0, 1);
    return validateDigits(text, 10, negative);
}

QValidator::State NumberValidator::validateDigits(const QString& digits, int base, bool negative) const
{
    if (digits.isEmpty())
        return Intermediate; // a sign or "0x" still waiting for its digits
    if (digits.size() > kMaxDigits)
        return Invalid;
    for (QChar c : digits)
        if (!isDigitOf(c, base))
            return Invalid;
    const qlonglong magnitude = digits.toLongLong(nullptr, base);
    const int64_t value = negative ? -magnitude : magnitude;
    return value >= minimum_ && value <= maximum_ ? Acceptable : Invalid;
}

} // namespace kvx
