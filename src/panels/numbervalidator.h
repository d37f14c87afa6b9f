#pragma once

#include <cstdint>

#include <QValidator>

namespace kvx {

// Lets a field take only numbers that its record field can hold, so nothing typed is wrapped into
// another value on read-back. Empty text is acceptable: the pages read it as 0 or as "none".
class NumberValidator : public QValidator {
public:
    enum class Form {
        Decimal,      // whole decimal numbers
        HexOrDecimal, // also hexadecimal after "0x" or "0X"
    };

    NumberValidator(int64_t minimum, int64_t maximum, Form form, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

    int64_t minimum() const { return minimum_; }
    int64_t maximum() const { return maximum_; }

private:
    State validateDigits(const QString& digits, int base, bool negative) const;

    int64_t minimum_;
    int64_t maximum_;
    Form form_;
};

} // namespace kvx
