#include <gtest/gtest.h>

#include "panels/numbervalidator.h"

using namespace kvx;

namespace {

using Form = NumberValidator::Form;

TEST(NumberValidatorTest, TakesOnlyNumbersTheFieldHolds)
{
    const struct {
        int64_t minimum, maximum;
        Form form;
        const char* text;
        QValidator::State state;
    } cases[] = {
        {0, 0xFFFF, Form::Decimal, "", QValidator::Acceptable}, // empty reads as none
        {0, 0xFFFF, Form::Decimal, " 65535 ", QValidator::Acceptable},
        {0, 0xFFFF, Form::Decimal, "70000", QValidator::Invalid},
        {0, 0xFFFF, Form::Decimal, "0x10", QValidator::Invalid},
        {0, 0xFFFF, Form::Decimal, "-1", QValidator::Invalid},
        {0, 0xFFFF, Form::Decimal, "12a", QValidator::Invalid},
        {0, 0xFFFF, Form::Decimal, "\u0661\u0662", QValidator::Invalid}, // digits of another script
        {0, 0xFF, Form::HexOrDecimal, "0x", QValidator::Intermediate},
        {0, 0xFF, Form::HexOrDecimal, "0XfF", QValidator::Acceptable},
        {0, 0xFF, Form::HexOrDecimal, "0x100", QValidator::Invalid},
        {0, 0xFF, Form::HexOrDecimal, "0x0x1", QValidator::Invalid},
        {0, 0xFF, Form::HexOrDecimal, "255", QValidator::Acceptable},
        {0, 0xFF, Form::HexOrDecimal, "256", QValidator::Invalid},
        {0, 0xFF, Form::HexOrDecimal, "1234567890123", QValidator::Invalid},
        {INT32_MIN + int64_t{1}, INT32_MAX, Form::Decimal, "-", QValidator::Intermediate},
        {INT32_MIN + int64_t{1}, INT32_MAX, Form::Decimal, "-2147483647", QValidator::Acceptable},
        {INT32_MIN + int64_t{1}, INT32_MAX, Form::Decimal, "-2147483648", QValidator::Invalid},
        {INT32_MIN + int64_t{1}, INT32_MAX, Form::Decimal, "2147483648", QValidator::Invalid},
    };
    for (const auto& c : cases) {
        NumberValidator validator(c.minimum, c.maximum, c.form);
        QString text = QString::fromUtf8(c.text);
        int position = 0;
        EXPECT_EQ(validator.validate(text, position), c.state)
            << c.text << " in " << c.minimum << ".." << c.maximum;
    }
}

} // namespace
