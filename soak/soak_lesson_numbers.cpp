// Clerks saving at once private lessons and lesson accidents of one day
// (pr_eci060_01, pr_eci070_01) and new Interski bookings of one season year
// (pr_eci100_01), each save a transaction of its own, as the screens save.
// Every save a clerk saw committed must be stored once, under a number of
// its own, and each series must run from 1 without a gap.
//
//   soak_lesson_numbers [CLERKS [SAVES]]        (8, 100)

#include "CounterConnection.h"
#include "SoakSupport.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cstdio>
#include <latch>
#include <mutex>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

struct Series
{
    QString table;
    QString call;   // %1: the clerk, %2: the save
    QString number; // the issued number's column
};

const Series AllSeries[] = {
    {u"ec060ms"_s,
     u"SELECT pr_eci060_01(alecture_date => '20261220', alecturer_name => '강사%1-%2', alecture_amt => '50000', "
     "au_emp_no => 'S%1', au_ip => 'soak-%1', aeditstatus => '2')"_s,
     u"seq_no"_s},
    {u"ec070ms"_s,
     u"SELECT pr_eci070_01(atrob_date => '20261220', atrob_name => '사고%1-%2', alecturer_emp_no => 'E1001', "
     "atrob_time => '1405', atrob_place => '슬로프', aloss_id_no => '9001011234567', au_emp_no => 'S%1', "
     "au_ip => 'soak-%1', aeditstatus => '2')"_s,
     u"seq_no"_s},
    {u"ec100ms"_s,
     u"SELECT * FROM pr_eci100_01(astatus_code => 'R', astudent_name => '학생%1-%2', afix_yn => 'N', "
     "aseason_year => '2026', au_emp_no => 'S%1', au_ip => 'soak-%1')"_s,
     u"rsv_no"_s},
};
constexpr int SeriesCount = int(std::size(AllSeries));

int runSoak(int clerks, int saves)
{
    Findings findings(u"R17"_s);
    findings.say(u"tried: %1 clerks numbering private lessons, accidents and Interski bookings at once, %2 saves each of all"_s
                     .arg(clerks)
                     .arg(saves));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_lesson_numbers"_s));
    db.adminExec(u"TRUNCATE ec060ms, ec070ms, ec100ms; "
                 "DELETE FROM kest_private.counters WHERE series LIKE 'ec060ms%' OR series LIKE 'ec070ms%' "
                 "OR series LIKE 'ec100ms%'"_s);

    std::atomic<int> committed[SeriesCount] = {};
    std::mutex lock;
    QStringList errors;
    std::latch ready(clerks);
    std::vector<std::thread> threads;
    for (int n = 1; n <= clerks; ++n) {
        threads.emplace_back([&, n] {
            const QString name = u"lesson_numbers_%1"_s.arg(n);
            {
                QSqlDatabase conn = LoginConnection(name, db.name());
                QSqlQuery query(conn);
                ready.arrive_and_wait();
                for (int save = 1; save <= saves; ++save) {
                    for (int s = 0; s < SeriesCount; ++s) {
                        const Series &series = AllSeries[s];
                        conn.transaction();
                        const bool called = query.exec(series.call.arg(n).arg(save));
                        const QString error = query.lastError().databaseText().section(u'\n', 0, 0);
                        query.finish();
                        if (called && conn.commit()) {
                            ++committed[s];
                            continue;
                        }
                        conn.rollback();
                        std::lock_guard guard(lock);
                        errors << error;
                    }
                }
                conn.close();
            }
            QSqlDatabase::removeDatabase(name);
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    for (int s = 0; s < SeriesCount; ++s) {
        const Series &series = AllSeries[s];
        soak::CheckNumberSeries(findings, db, series.table, series.number, committed[s]);
    }
    if (!errors.isEmpty())
        findings.stuck(u"saves refused: "_s + errors.first(), int(errors.size()));
    return findings.finish();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        return runSoak(soak::SizeArgument(argc, argv, 1, 8), soak::SizeArgument(argc, argv, 2, 100));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_lesson_numbers: %s\n", error.what());
        return 2;
    }
}
