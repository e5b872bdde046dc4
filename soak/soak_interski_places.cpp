// Counters confirming Interski bookings into one instructor's Saturday at
// the same moment (pr_eci100_01), round after round with a few places
// open, then half of them unconfirming at once. A weekday must never hold
// more confirmed bookings than its places, its free places must always be
// the places less the confirmed bookings, and every refusal must name the
// instructor and the day.
//
//   soak_interski_places [COUNTERS [ROUNDS]]        (8, 50)

#include "CounterConnection.h"
#include "SoakSupport.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <latch>
#include <mutex>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

const QString Full = u"김인터 강사(7)의 토요일 수강 인원이 모두 찼습니다."_s;

// Every counter calls its own booking at once; the refusals' first lines.
QStringList AllAtOnce(const TestDatabase &db, int counters, const QString &fix, int every = 1)
{
    std::mutex lock;
    QStringList refusals;
    std::latch ready(counters);
    std::vector<std::thread> threads;
    for (int n = 1; n <= counters; ++n) {
        threads.emplace_back([&, n] {
            const QString name = u"interski_%1"_s.arg(n);
            {
                QSqlDatabase conn = LoginConnection(name, db.name());
                QSqlQuery query(conn);
                ready.arrive_and_wait();
                if (n % every == 0
                    && !query.exec(u"SELECT * FROM pr_eci100_01(arsv_no => '%1', astatus_code => 'U', afix_yn => '%2',"
                                   " acoach_no => '7', aclass_day_code => '7', aseason_year => '2026',"
                                   " au_emp_no => 'S%1', au_ip => 'soak-%1')"_s.arg(n).arg(fix))) {
                    std::lock_guard guard(lock);
                    refusals << query.lastError().databaseText().section(u'\n', 0, 0);
                }
                query.finish();
                conn.close();
            }
            QSqlDatabase::removeDatabase(name);
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    return refusals;
}

int runSoak(int counters, int rounds)
{
    Findings findings(u"R16"_s);
    findings.say(u"tried: %1 counters confirming Interski bookings into one weekday at once, %2 rounds, then half "
                 "unconfirming"_s.arg(counters)
                     .arg(rounds));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_interski_places"_s));
    db.adminExec(u"TRUNCATE ec100ms, ec090dt, ec090ms;"
                 "INSERT INTO ec090ms VALUES ('2026', 7, '김인터', '상', 'Y');"
                 "INSERT INTO ec090dt (season_year, coach_no, class_day_code, tot_cls_cnt, re_cls_cnt)"
                 " VALUES ('2026', 7, '7', 0, 0);"
                 "INSERT INTO ec100ms (season_year, rsv_no, status_code, fix_yn, coach_no, class_day_code)"
                 " SELECT '2026', n, 'R', 'N', 7, '7' FROM generate_series(1, %1) n"_s.arg(counters));

    int confirmed = 0, overbooked = 0, miscounted = 0, otherwise = 0;
    const auto check = [&](int places, int round) {
        const QStringList state = db.adminScalar(u"SELECT (SELECT count(*) FROM ec100ms WHERE fix_yn = 'Y') || ' ' ||"
                                                 " (SELECT re_cls_cnt FROM ec090dt)"_s)
                                      .split(u' ');
        const int held = state.value(0).toInt(), free = state.value(1).toInt();
        if (held > places)
            ++overbooked;
        if (free != places - held) {
            ++miscounted;
            findings.say(u"  round %1: %2 places, %3 confirmed, %4 free"_s.arg(round).arg(places).arg(held).arg(free));
        }
        return held;
    };
    for (int round = 0; round < rounds; ++round) {
        const int places = 1 + (round * 5) % counters;
        db.adminExec(u"UPDATE ec100ms SET fix_yn = 'N'; UPDATE ec090dt SET tot_cls_cnt = %1, re_cls_cnt = %1"_s
                         .arg(places));
        for (const QString &refusal : AllAtOnce(db, counters, u"Y"_s))
            if (!refusal.contains(Full))
                ++otherwise;
        confirmed += check(places, round);
        for (const QString &refusal : AllAtOnce(db, counters, u"N"_s, 2))
            otherwise += refusal.isEmpty() ? 0 : 1;
        check(places, round);
    }
    if (overbooked > 0)
        findings.invalid(u"a round whose weekday took more confirmations than places"_s, overbooked);
    if (miscounted > 0)
        findings.invalid(u"a weekday whose free places were not its places less its confirmations"_s, miscounted);
    if (otherwise > 0)
        findings.stuck(u"a call refused otherwise than for a full weekday"_s, otherwise);
    findings.say(u"found: %1 confirmations over %2 rounds, %3 overbooked, %4 miscounted"_s.arg(confirmed)
                     .arg(rounds)
                     .arg(overbooked)
                     .arg(miscounted));
    return findings.finish();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        return runSoak(soak::SizeArgument(argc, argv, 1, 8), soak::SizeArgument(argc, argv, 2, 50));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_interski_places: %s\n", error.what());
        return 2;
    }
}
