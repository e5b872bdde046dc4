#pragma once

#include "Bench.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <utility>

class TestDatabase;

// The rental counters of the save benchmarks: child processes of this
// program, each holding items and saving rentals on its date as the rental
// screen does.
constexpr int Counters = 8;
constexpr int ItemsPerSave = 2;

// What a group of counters did: every save's latency, each counter's span.
struct CounterGroup
{
    Sample latencies;
    QList<std::pair<qint64, qint64>> spans; // each counter's first start and last end, µs since the epoch
    int saves = 0;

    qint64 first() const
    {
        qint64 at = spans.constFirst().first;
        for (const auto &span : spans)
            at = std::min(at, span.first);
        return at;
    }
    // Every counter started before any finished.
    bool overlapped() const
    {
        qint64 lastStart = 0, firstEnd = std::numeric_limits<qint64>::max();
        for (const auto &[start, end] : spans) {
            lastStart = std::max(lastStart, start);
            firstEnd = std::min(firstEnd, end);
        }
        return lastStart < firstEnd;
    }
    qint64 last() const
    {
        qint64 at = 0;
        for (const auto &span : spans)
            at = std::max(at, span.second);
        return at;
    }
    double savesPerSecond() const
    {
        return last() > first() ? saves * 1e6 / double(last() - first()) : 0;
    }
    QString spansText() const
    {
        QStringList texts;
        for (const auto &[start, end] : spans)
            texts.append(QStringLiteral("%1-%2").arg((start - first()) / 1000).arg((end - first()) / 1000));
        return texts.join(QStringLiteral(", "));
    }
};

// Microseconds since the epoch, the same clock in every process.
qint64 NowUs();
// The items the counters rent (`saves` per counter), kept when there.
void AddCounterItems(TestDatabase &database, int saves);
// Starts one counter per date of `dates` (a date twice: two counters on it),
// lets them go at once and gathers every save's latency and each counter's
// span; false when a counter failed.
bool RunCounters(const QString &self, const QStringList &dates, int saves, CounterGroup &group);
