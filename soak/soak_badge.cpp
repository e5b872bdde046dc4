// Counters of the competition office working at once: each registers
// competitions of one date and entrants of one season, all of them judge
// the same entrants of one test day, and some delete entrants that others
// are judging. Every committed registration must be stored under a number of
// its own; each entrant must be judged exactly once on the day, whoever saved
// first, the others refused as duplicates; and no score may outlive its
// entrant.
//
//   soak_badge [COUNTERS [ROUNDS]]        (6, 200)

#include "CounterConnection.h"
#include "SoakSupport.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

const QString Duplicate = u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s;
const QString Judged = u"심사 자료가 있으므로 삭제할 수 없습니다"_s;
const QString Unknown = u"등록되어 있지 않습니다"_s;

struct Tally
{
    std::atomic<int> games{0};
    std::atomic<int> entrants{0};
    std::atomic<int> judged{0};
    std::atomic<int> duplicates{0};
    std::atomic<int> deleted{0};
    std::atomic<int> keptJudged{0};
    std::atomic<int> failed{0};
    std::mutex lock;
    QStringList errors;
};

// One call in a transaction of its own; empty when it committed, else the server's message.
QString Save(QSqlDatabase &db, const QString &call)
{
    QSqlQuery query(db);
    db.transaction();
    if (query.exec(call)) {
        query.finish();
        if (db.commit())
            return {};
    }
    const QString error = query.lastError().databaseText().section(u'\n', 0, 0);
    query.finish();
    db.rollback();
    return error.isEmpty() ? db.lastError().text() : error;
}

void runCounter(int n, const QString &database, int rounds, int entrants, Tally &tally)
{
    const QString name = u"badge_%1"_s.arg(n);
    const auto failed = [&](const QString &error) {
        ++tally.failed;
        const std::scoped_lock guard(tally.lock);
        if (tally.errors.size() < 5)
            tally.errors << error;
    };
    {
        QSqlDatabase db = LoginConnection(name, database);
        const QString audit = u"au_emp_no => 'S%1', au_ip => 'soak-counter-%1'"_s.arg(n);
        for (int round = 0; round < rounds; ++round) {
            if (const QString e = Save(db, u"SELECT pr_edi010_01(agame_date => '20261215', agame_name => '대회 %1-%2', "
                                           "%3, aeditstatus => '2')"_s.arg(n).arg(round).arg(audit));
                e.isEmpty())
                ++tally.games;
            else
                failed(e);
            if (const QString e = Save(db, u"SELECT pr_edi020_01(aseason_gubun => '26', aapply_date => '20261201', "
                                           "aentry_name_kor => '참가 %1-%2', aid_no => '9001011234567', "
                                           "amobile_no => '010', %3, aeditstatus => '2')"_s.arg(n).arg(round).arg(audit));
                e.isEmpty())
                ++tally.entrants;
            else
                failed(e);
        }
        // Every counter judges every prepared entrant; the odd counters first
        // try to delete those of the second half, while the others judge them.
        for (int k = 0; k < entrants; ++k) {
            const int number = 900000 + (k + n) % entrants;
            if (n % 2 == 1 && (k + n) % entrants >= entrants / 2) {
                const QString d = Save(db, u"SELECT pr_edi020_01(aseason_gubun => '25', arecv_no => '%1', %2, "
                                           "aeditstatus => '3')"_s.arg(number).arg(audit));
                if (d.isEmpty())
                    ++tally.deleted;
                else if (d.contains(Judged))
                    ++tally.keptJudged;
                else
                    failed(d);
            }
            const QString e = Save(db, u"SELECT pr_edi030_01(aseason_gubun => '25', aexamine_date => '20251220', "
                                       "arecv_no => '%1', aexaminer_a => '가', aexaminer_b => '나', "
                                       "aexaminer_c => '다', %2, aeditstatus => '2')"_s.arg(number).arg(audit));
            if (e.isEmpty())
                ++tally.judged;
            else if (e.contains(Duplicate))
                ++tally.duplicates;
            else if (!e.contains(Unknown)) // deleted by another counter first
                failed(e);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

int runSoak(int counters, int rounds)
{
    Findings findings(u"R10"_s);
    const int entrants = std::max(4, rounds / 2);
    findings.say(u"tried: %1 counters registering %2 competitions and %2 entrants each, all judging %3 entrants of"
                 " one day, half of them deleting the second half meanwhile"_s.arg(counters).arg(rounds).arg(entrants));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_badge"_s));
    db.adminExec(u"TRUNCATE ed010ms, ed020dt, ed020ms; DELETE FROM kest_private.counters WHERE series LIKE 'ed0%';"
                 "INSERT INTO ed020ms (season_gubun, recv_no, apply_date, entry_name_kor, id_no, mobile_no)"
                 " SELECT '25', 900000 + k, '20251201', '심사 ' || k, kest_private.enc('9001011234567'),"
                 " kest_private.enc('010') FROM generate_series(0, %1) AS k"_s.arg(entrants - 1));

    Tally tally;
    std::vector<std::thread> threads;
    for (int n = 1; n <= counters; ++n)
        threads.emplace_back([&, n] { runCounter(n, db.name(), rounds, entrants, tally); });
    for (std::thread &thread : threads)
        thread.join();

    const auto scalar = [&](const QString &sql) { return db.adminScalar(sql).toInt(); };
    const int games = scalar(u"SELECT count(DISTINCT seq_no) FROM ed010ms WHERE game_date = '20261215'"_s);
    const int registered = scalar(u"SELECT count(DISTINCT recv_no) FROM ed020ms WHERE season_gubun = '26'"_s);
    const int judgings = scalar(u"SELECT count(*) FROM ed020dt WHERE season_gubun = '25'"_s);
    const int judgedEntrants = scalar(u"SELECT count(DISTINCT recv_no) FROM ed020dt WHERE season_gubun = '25'"_s);
    const int orphans = scalar(u"SELECT count(*) FROM ed020dt d WHERE NOT EXISTS (SELECT 1 FROM ed020ms m"
                               " WHERE m.season_gubun = d.season_gubun AND m.recv_no = d.recv_no)"_s);
    const int left = scalar(u"SELECT count(*) FROM ed020ms WHERE season_gubun = '25'"_s);
    // Every counter tried every entrant still there: each must have been judged.
    const int unjudged = scalar(u"SELECT count(*) FROM ed020ms m WHERE season_gubun = '25' AND NOT EXISTS"
                                " (SELECT 1 FROM ed020dt d WHERE d.season_gubun = m.season_gubun"
                                " AND d.recv_no = m.recv_no)"_s);
    if (games < tally.games)
        findings.lost(u"a committed competition without a number of its own"_s, tally.games - games);
    if (registered < tally.entrants)
        findings.lost(u"a committed entrant without a number of its own"_s, tally.entrants - registered);
    if (judgings > judgedEntrants)
        findings.doubled(u"an entrant judged twice on one day"_s, judgings - judgedEntrants);
    if (judgings != tally.judged)
        findings.invalid(u"%1 judgings stored, %2 committed"_s.arg(judgings).arg(tally.judged.load()));
    if (orphans > 0)
        findings.invalid(u"scores whose entrant is gone"_s, orphans);
    if (unjudged > 0)
        findings.lost(u"an entrant kept but judged by nobody"_s, unjudged);
    if (tally.failed > 0)
        findings.stuck(u"saves that failed otherwise than refused"_s, tally.failed);
    for (const QString &error : std::as_const(tally.errors))
        findings.say(u"  failed: "_s + error);
    findings.say(u"found: %1 competitions and %2 entrants under distinct numbers; %3 judged once, %4 second"
                 " judgings refused; %5 deletes done (%7 entrants left), %6 refused as judged"_s.arg(games)
                     .arg(registered)
                     .arg(judgedEntrants)
                     .arg(tally.duplicates.load())
                     .arg(tally.deleted.load())
                     .arg(tally.keptJudged.load())
                     .arg(left));
    return findings.finish();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        return runSoak(soak::SizeArgument(argc, argv, 1, 6), soak::SizeArgument(argc, argv, 2, 200));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_badge: %s\n", error.what());
        return 2;
    }
}
