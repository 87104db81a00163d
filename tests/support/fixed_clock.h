#pragma once

#include "shell/clock.h"

#include <QDateTime>

namespace termalo {

// A clock that stands still at `time`.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime t = {}) : time(std::move(t)) {}
    QDateTime now() const override { return time; }
    QDateTime time;
};

}  // namespace termalo
