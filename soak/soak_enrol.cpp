// Eight clerks enrolling at the same time in one club season
// (pr_eci010_01) and one school receipt (pr_eci020_01), each save a
// transaction of its own, as the screens save. Every save a clerk saw
// committed must be stored once, under a number of its own, and the numbers
// of the season and of the receipt must run from 1 without a gap.
//
//   soak_enrol [CLERKS [SAVES]]        (8, 100)

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

const Series Club{u"ec010ms"_s,
                  u"SELECT pr_eci010_01(aseason_gubun => '26', atrainer_name => '회원%1-%2', aenter_date => '20261201', "
                  "asex => '1', aage => '30', aid_no => '9001011234567', atel_no => '02-%1', au_emp_no => 'S%1', "
                  "au_ip => 'soak-%1', aeditstatus => '2')"_s,
                  u"lecture_no"_s};
const Series School{u"ec020dt"_s,
                    u"SELECT pr_eci020_01(aseason_gubun => '26', areceipt_no => '1', atrainer_name => '학생%1-%2', "
                    "alecture_item_gubun => '01', alecture_rec_gubun => '01', au_emp_no => 'S%1', au_ip => 'soak-%1', "
                    "aeditstatus => '2')"_s,
                    u"receipt_seq"_s};

int runSoak(int clerks, int saves)
{
    Findings findings(u"R13"_s);
    findings.say(u"tried: %1 clerks enrolling at once in one season and one receipt, %2 saves each of both"_s
                     .arg(clerks)
                     .arg(saves));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_enrol"_s));
    db.adminExec(u"TRUNCATE ec010ms, ec020dt CASCADE; DELETE FROM ec020ms; "
                 "DELETE FROM kest_private.counters WHERE series LIKE 'ec0%'; "
                 "INSERT INTO ec020ms (season_gubun, receipt_no, enter_date, receipt_name) "
                 "VALUES ('26', '0000000001', '20261201', '동시접수')"_s);

    std::atomic<int> committed[2] = {0, 0};
    std::mutex lock;
    QStringList errors;
    std::latch ready(clerks);
    std::vector<std::thread> threads;
    for (int n = 1; n <= clerks; ++n) {
        threads.emplace_back([&, n] {
            const QString name = u"enrol_%1"_s.arg(n);
            {
                QSqlDatabase conn = LoginConnection(name, db.name());
                QSqlQuery query(conn);
                ready.arrive_and_wait();
                for (int save = 1; save <= saves; ++save) {
                    for (int s = 0; s < 2; ++s) {
                        const Series &series = s == 0 ? Club : School;
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

    for (int s = 0; s < 2; ++s) {
        const Series &series = s == 0 ? Club : School;
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
        std::fprintf(stderr, "soak_enrol: %s\n", error.what());
        return 2;
    }
}
