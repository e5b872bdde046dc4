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
// A path and its floors measured in turns (path, floors, path, floors...), so
// that a busy neighbour slows them alike; one sample per function.
QList<Sample> Interleave(int runs, const QList<std::function<double()>> &each);
// Milliseconds `work` took.
double TimeMs(const std::function<void()> &work);
// This process's peak resident memory so far in kB, from VmHWM (ru_maxrss of
// a forked child would start from its parent's).
long PeakKb();

// One table for every benchmark of the run.
class BenchTable
{
public:
    void header() const;
    // Met when measured / floor <= goal; no verdict for a goal of 0.
    void ratio(const QString &path, const Sample &measured, const Sample &floor, double goal,
               const QString &unit = QStringLiteral("ms"));
    // Met when measured / floor >= goal (a rate that must grow).
    void atLeast(const QString &path, const Sample &measured, const Sample &floor, double goal,
                 const QString &unit);
    // Met when the median <= limit (no floor of its own).
    void limit(const QString &path, const Sample &measured, double limit, const QString &unit = QStringLiteral("ms"));
    // A figure shown without a goal (what a ratio row stands on).
    void info(const QString &path, const Sample &measured, const QString &unit = QStringLiteral("ms"));
    // A path that could not be measured.
    void failed(const QString &path, const QString &why);
    // A line of its own under the table (what a check found).
    void note(const QString &text);
    // A check without a figure: met or not, and why.
    void check(const QString &path, bool met, const QString &what);

    // One path at three or more sizes (units of work: rows, pages), shown in
    // the growth table at the end.
    void growth(const QString &path, const QString &unit, const QList<std::pair<int, double>> &msBySize);
    // The growth table: time per unit at each size, and whether the largest
    // size costs more per unit than the smallest (not linear).
    void printGrowth();

    int met() const { return m_met; }
    int missed() const { return m_missed; }
    const QStringList &missedPaths() const { return m_missedPaths; }

private:
    void row(const QString &path, const QString &measured, const QString &floor, const QString &ratio,
             const QString &goal, const QString &verdict);
    void verdict(const QString &path, bool met);

    struct Growth
    {
        QString path;
        QString unit;
        QList<std::pair<int, double>> msBySize;
    };
    QList<Growth> m_growth;
    int m_met = 0;
    int m_missed = 0;
    QStringList m_missedPaths;
};
