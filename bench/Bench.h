#pragma once

#include <QList>
#include <QString>

#include <functional>

// Measurements of one path over several runs, and the table they print as:
// each path next to its floor measured in the same run.
struct Sample
{
    QList<double> values;

    double median() const;
    double min() const;
    double max() const;
    // The value below which `share` of the values lie (0.99: the 99th percentile).
    double percentile(double share) const;
};

// Runs `once` `runs` times; `once` returns what it measured.
Sample Repeat(int runs, const std::function<double()> &once);
// Milliseconds `work` took.
double TimeMs(const std::function<void()> &work);

// One table for every benchmark of the run.
class BenchTable
{
public:
    void header() const;
    // Met when measured / floor <= goal; no verdict for a goal of 0.
    void ratio(const QString &path, const Sample &measured, const Sample &floor, double goal,
               const QString &unit = QStringLiteral("ms"));
    // Met when the median <= limit (no floor of its own).
    void limit(const QString &path, const Sample &measured, double limit, const QString &unit = QStringLiteral("ms"));
    // A figure shown without a goal (what a ratio row stands on).
    void info(const QString &path, const Sample &measured, const QString &unit = QStringLiteral("ms"));
    // A path that could not be measured.
    void failed(const QString &path, const QString &why);

    int met() const { return m_met; }
    int missed() const { return m_missed; }
    const QStringList &missedPaths() const { return m_missedPaths; }

private:
    void row(const QString &path, const QString &measured, const QString &floor, const QString &ratio,
             const QString &goal, const QString &verdict);
    void verdict(const QString &path, bool met);

    int m_met = 0;
    int m_missed = 0;
    QStringList m_missedPaths;
};
