#include "Bench.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QList<double> sorted(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

QString figure(double value, const QString &unit)
{
    const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
    return QString::number(value, 'f', decimals) + u' ' + unit;
}

QString spread(const Sample &s, const QString &unit)
{
    return u"%1 (%2-%3)"_s.arg(figure(s.median(), unit), QString::number(s.min(), 'f', s.min() < 10 ? 2 : 1),
                               QString::number(s.max(), 'f', s.max() < 10 ? 2 : 1));
}

} // namespace

double Sample::median() const
{
    if (values.isEmpty())
        return 0;
    const QList<double> v = sorted(values);
    const qsizetype n = v.size();
    return n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
}

double Sample::min() const
{
    return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end());
}

double Sample::max() const
{
    return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

double Sample::percentile(double share) const
{
    if (values.isEmpty())
        return 0;
    const QList<double> v = sorted(values);
    const auto at = qsizetype(std::ceil(share * double(v.size()))) - 1;
    return v.at(std::clamp<qsizetype>(at, 0, v.size() - 1));
}

Sample Repeat(int runs, const std::function<double()> &once)
{
    Sample sample;
    for (int run = 0; run < runs; ++run)
        sample.values.append(once());
    return sample;
}

QList<Sample> Interleave(int runs, const QList<std::function<double()>> &each)
{
    QList<Sample> samples(each.size());
    for (int run = 0; run < runs; ++run)
        for (qsizetype i = 0; i < each.size(); ++i)
            samples[i].values.append(each.at(i)());
    return samples;
}

double TimeMs(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

void BenchTable::header() const
{
    std::printf("%-70s %-28s %-12s %-8s %-10s %s\n", "path", "measured: median (min-max)", "floor", "ratio", "goal",
                "verdict");
    std::fflush(stdout);
}

void BenchTable::row(const QString &path, const QString &measured, const QString &floor, const QString &ratio,
                     const QString &goal, const QString &verdict)
{
    // Widths in characters: the paths may hold Korean text.
    const auto pad = [](const QString &text, int width) { return text.leftJustified(width).toUtf8(); };
    std::printf("%s %s %s %s %s %s\n", pad(path, 70).constData(), pad(measured, 28).constData(),
                pad(floor, 12).constData(), pad(ratio, 8).constData(), pad(goal, 10).constData(),
                verdict.toUtf8().constData());
    std::fflush(stdout);
}

void BenchTable::verdict(const QString &path, bool met)
{
    if (met) {
        ++m_met;
    } else {
        ++m_missed;
        m_missedPaths.append(path.section(u' ', 0, 0));
    }
}

void BenchTable::ratio(const QString &path, const Sample &measured, const Sample &floor, double goal,
                       const QString &unit)
{
    const double r = floor.median() > 0 ? measured.median() / floor.median() : 0;
    const QString shown = QString::number(r, 'f', 2) + u'x';
    if (goal <= 0) {
        row(path, spread(measured, unit), figure(floor.median(), unit), shown, u"-"_s, {});
        return;
    }
    const bool met = r <= goal;
    row(path, spread(measured, unit), figure(floor.median(), unit), shown, u"<= "_s + QString::number(goal) + u'x',
        met ? u"met"_s : u"MISSED"_s);
    verdict(path, met);
}

void BenchTable::atLeast(const QString &path, const Sample &measured, const Sample &floor, double goal,
                         const QString &unit)
{
    const double r = floor.median() > 0 ? measured.median() / floor.median() : 0;
    const bool met = r >= goal;
    row(path, spread(measured, unit), figure(floor.median(), unit), QString::number(r, 'f', 2) + u'x',
        u">= "_s + QString::number(goal) + u'x', met ? u"met"_s : u"MISSED"_s);
    verdict(path, met);
}

void BenchTable::limit(const QString &path, const Sample &measured, double limit, const QString &unit)
{
    const bool met = measured.median() <= limit;
    row(path, spread(measured, unit), u"-"_s, u"-"_s, u"<= "_s + figure(limit, unit), met ? u"met"_s : u"MISSED"_s);
    verdict(path, met);
}

void BenchTable::info(const QString &path, const Sample &measured, const QString &unit)
{
    row(path, spread(measured, unit), u"-"_s, u"-"_s, u"-"_s, {});
}

void BenchTable::failed(const QString &path, const QString &why)
{
    row(path, u"-"_s, u"-"_s, u"-"_s, u"-"_s, u"FAILED: "_s + why);
    verdict(path, false);
}

void BenchTable::note(const QString &text)
{
    std::printf("    %s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

void BenchTable::check(const QString &path, bool met, const QString &what)
{
    row(path, what, u"-"_s, u"-"_s, u"-"_s, met ? u"met"_s : u"MISSED"_s);
    verdict(path, met);
}

void BenchTable::growth(const QString &path, const QString &unit, const QList<std::pair<int, double>> &msBySize)
{
    m_growth.append({path, unit, msBySize});
}

void BenchTable::printGrowth()
{
    if (m_growth.isEmpty())
        return;
    std::printf("\n%-40s %-44s %s\n", "growth", "size: median ms (us per unit)", "verdict");
    for (const Growth &g : std::as_const(m_growth)) {
        QStringList points;
        for (const auto &[size, ms] : g.msBySize)
            points.append(u"%1 %2: %3 (%4)"_s.arg(size).arg(g.unit).arg(ms, 0, 'f', 1).arg(ms * 1000 / size, 0, 'f', 1));
        const auto &[small, smallMs] = g.msBySize.constFirst();
        const auto &[large, largeMs] = g.msBySize.constLast();
        // Fixed costs make small sizes dearer per unit; a quarter more per
        // unit at the largest size is growth faster than the size.
        const double perUnit = (largeMs / large) / (smallMs / small);
        const QString verdict = perUnit <= 1.25 ? u"linear (%1x per unit)"_s.arg(perUnit, 0, 'f', 2)
                                                : u"NOT linear (%1x per unit)"_s.arg(perUnit, 0, 'f', 2);
        std::printf("%s %s %s\n", g.path.leftJustified(40).toUtf8().constData(),
                    points.join(u", "_s).leftJustified(44).toUtf8().constData(), verdict.toUtf8().constData());
    }
    std::fflush(stdout);
}

long PeakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    // Read whole: the file's size is 0 until read.
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}
