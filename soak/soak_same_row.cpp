// Two counters changing one stored row over and over, each from what it has
// just read: a boot stock row whose quantity each counter raises by one, the
// way an operator corrects it on the stock screen (pr_ebi030_01 with the
// version read). A save from a read the other counter overtook must be
// refused, never taken: afterwards the row must hold exactly the saves the
// counters saw committed, and its version as many steps.
//
//   soak_same_row [COUNTERS [SAVES]]        (2, 300)

#include "CounterConnection.h"
#include "SoakSupport.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

const QString Changed = u"다른 작업대에서 먼저 변경한 자료입니다. 다시 조회하십시오."_s;

struct Tally
{
    std::atomic<int> committed{0};
    std::atomic<int> refused{0};
    std::atomic<int> failed{0};
};

// One counter: SAVES committed changes, each read afresh and tried until
// the server takes it.
void runCounter(int n, const QString &database, int saves, Tally &tally, QStringList &otherErrors)
{
    const QString name = u"same_row_%1"_s.arg(n);
    {
        QSqlDatabase db = LoginConnection(name, database);
        QSqlQuery query(db);
        QRandomGenerator random(quint32(n) * 7919u);
        for (int done = 0, tries = 0; done < saves && tries < saves * 20; ++tries) {
            if (!query.exec(u"SELECT stock_qty, row_ver FROM eb030ms WHERE area_gubun = 'M' AND boots_size_gubun = '250'"_s)
                || !query.next()) {
                ++tally.failed;
                continue;
            }
            const int quantity = query.value(0).toInt();
            const QString version = query.value(1).toString();
            query.finish();
            // The operator types for a moment: the other counter may save meanwhile.
            QThread::usleep(random.bounded(2000));
            db.transaction();
            const bool taken = query.exec(
                u"SELECT * FROM pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '250', astock_qty => '%1',"
                " arow_ver => '%2', au_emp_no => 'S%3', au_ip => 'soak-counter-%3', aeditstatus => '1')"_s
                    .arg(quantity + 1)
                    .arg(version)
                    .arg(n));
            const QString error = query.lastError().databaseText();
            query.finish();
            if (taken && db.commit()) {
                ++done;
                ++tally.committed;
                continue;
            }
            db.rollback();
            if (error.contains(Changed)) {
                ++tally.refused;
            } else {
                ++tally.failed;
                if (otherErrors.size() < 5)
                    otherErrors << error.section(u'\n', 0, 0);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

int runSoak(int counters, int saves)
{
    Findings findings(u"R9"_s);
    findings.say(u"tried: %1 counters raising one boot stock quantity by one, %2 committed saves each, every save"
                 " from a fresh read with the version it read"_s.arg(counters).arg(saves));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_same_row"_s));
    db.adminExec(u"DELETE FROM eb030ms; INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty) VALUES ('M', '250', 0)"_s);

    Tally tally;
    std::vector<QStringList> errors(counters);
    std::vector<std::thread> threads;
    for (int n = 1; n <= counters; ++n)
        threads.emplace_back([&, n] { runCounter(n, db.name(), saves, tally, errors[n - 1]); });
    for (std::thread &thread : threads)
        thread.join();

    const int stored = db.adminScalar(u"SELECT stock_qty FROM eb030ms"_s).toInt();
    const int version = db.adminScalar(u"SELECT row_ver FROM eb030ms"_s).toInt();
    const int committed = tally.committed;
    if (stored < committed)
        findings.lost(u"a committed change the row does not show"_s, committed - stored);
    if (stored > committed)
        findings.doubled(u"a change the row shows that no counter saw committed"_s, stored - committed);
    if (version != committed + 1)
        findings.invalid(u"version %1 after %2 changes"_s.arg(version).arg(committed));
    if (tally.failed > 0)
        findings.stuck(u"saves that failed otherwise than refused"_s, tally.failed);
    for (const QStringList &list : errors)
        for (const QString &error : list)
            findings.say(u"  failed: "_s + error);
    findings.say(u"found: %1 saves committed, %2 refused as overtaken, quantity %3, version %4"_s.arg(committed)
                     .arg(tally.refused.load())
                     .arg(stored)
                     .arg(version));
    if (tally.refused == 0)
        findings.say(u"  (no save was overtaken: the counters never overlapped)"_s);
    return findings.finish();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        return runSoak(soak::SizeArgument(argc, argv, 1, 2), soak::SizeArgument(argc, argv, 2, 300));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_same_row: %s\n", error.what());
        return 2;
    }
}
