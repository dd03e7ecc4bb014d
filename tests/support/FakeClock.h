#pragma once

#include "platform/core/Clock.h"

#include <utility>

// A clock for tests that shows whatever it was set to.
class FakeClock : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2005, 6, 15), QTime(10, 20, 30)))
        : m_now(std::move(start))
    { }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }
    void advanceSeconds(qint64 s) { m_now = m_now.addSecs(s); }

private:
    QDateTime m_now;
};
