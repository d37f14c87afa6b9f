#pragma once

namespace kvx {

struct LocalDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    bool operator==(const LocalDate&) const = default;
};

// Today's local date; tests replace it with a fixed one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalDate today() const override;
    static const SystemClock& instance();
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDate date)
            : date_(date)
    {}
    LocalDate today() const override { return date_; }
    void set(LocalDate date) { date_ = date; }

private:
    LocalDate date_;
};

} // namespace kvx
