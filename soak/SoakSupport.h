#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <thread>

class DataModule;
class TestDatabase;

namespace soak {

// What one case found. Every finding is a line of its own in the output
// (the first few of each kind), and the closing line counts them:
//   R1 result: ok (0 lost, 0 doubled, 0 stuck, 0 invalid)
// scripts/soak reads that line; keep its form.
class Findings
{
public:
    explicit Findings(QString caseId) : m_id(std::move(caseId)) {}

    // A line of what was tried or seen, not a fault.
    void say(const QString &line) const;

    // `times` findings of one kind told in one line.
    void lost(const QString &what, int times = 1) { note(m_lost, QStringLiteral("lost"), what, times); }
    void doubled(const QString &what, int times = 1) { note(m_doubled, QStringLiteral("doubled"), what, times); }
    void stuck(const QString &what, int times = 1) { note(m_stuck, QStringLiteral("stuck"), what, times); }
    void invalid(const QString &what, int times = 1) { note(m_invalid, QStringLiteral("invalid"), what, times); }

    int lostCount() const { return m_lost; }
    int total() const { return m_lost + m_doubled + m_stuck + m_invalid; }

    // Prints the closing line; the process's exit code (1 when anything was found).
    int finish() const;

private:
    void note(int &count, const QString &kind, const QString &what, int times);

    QString m_id;
    int m_lost = 0;
    int m_doubled = 0;
    int m_stuck = 0;
    int m_invalid = 0;
    QHash<QString, int> m_lines; // lines told, by kind
};

// The size argument at `index`, or `fallback` without one; exits with a
// usage line on anything but a positive number.
int SizeArgument(int argc, char **argv, int index, int fallback);

// Today on the counters' (and the server's) calendar, 'YYYYMMDD'.
QString Today();

// The process's data module signed in as the login role on a database that
// exists already, as one counter: its own employee number and identity
// (AU_IP), as a counter PC's Kest_E.ini gives it.
std::unique_ptr<DataModule> ConnectCounter(const QString &database, const QString &employeeNo,
                                           const QString &counterId);

// A number series the server issued to `committed` saves that the counters
// saw committed: every save kept, none extra, each number once and none
// skipped (1 to the count), told to `findings` under the table's name.
void CheckNumberSeries(Findings &findings, const TestDatabase &db, const QString &table, const QString &number,
                       int committed);

// The rows of a query of one text column, as the administrator.
QStringList AdminRows(const TestDatabase &db, const QString &sql);

// The rental items M/CS/size 150 numbered C0001.. (and the day's rentals,
// holds and numbers gone).
void LoadRentalItems(const TestDatabase &db, int count);

// Ends one server session after a delay, from a thread and a connection of
// its own (the administrator's), the way a crashed backend or a network cut
// ends it: pg_terminate_backend. where() tells what the session was doing at
// that moment, from pg_stat_activity: "state|inside a transaction begun
// earlier (t/f)|application_name|statement", or "gone" when it had ended.
class BackendKiller
{
public:
    BackendKiller(const QString &database, int pid, int delayMs);
    ~BackendKiller();
    BackendKiller(const BackendKiller &) = delete;
    BackendKiller &operator=(const BackendKiller &) = delete;

    // Waits for the kill; what the session was doing.
    QString where();

private:
    std::thread m_thread;
    QString m_where;
    bool m_joined = false;
};

} // namespace soak
