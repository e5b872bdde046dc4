// Eight employees booking the last places of one lesson slot at the same
// moment, each from a counter of its own (pr_eci050_01, "1" books): round
// after round the slot is opened again with a few places left and every
// counter asks for one to three of them at once. The slot must never be
// overbooked, and every refusal must name the places the server counted:
// fewer than were asked for, and no fewer than are free at the end.
//
//   soak_last_places [COUNTERS [ROUNDS]]        (8, 50)

#include "CounterConnection.h"
#include "SoakSupport.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <latch>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

const QString Over = u"예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [%1 명]입니다"_s;

struct Refusal
{
    int round;
    int asked;
    int left; // what the message said; -1 when it said something else
    QString text;
};

int runSoak(int counters, int rounds)
{
    Findings findings(u"R12"_s);
    findings.say(u"tried: %1 counters booking the last places of one slot at once, %2 rounds, 1 to 3 persons each"_s
                     .arg(counters)
                     .arg(rounds));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_last_places"_s));
    // Two days ahead: a day after the server's today on any clock of the run.
    const QString day = QDate::currentDate().addDays(2).toString(u"yyyyMMdd"_s);
    db.adminExec(u"TRUNCATE ec040ms, ec050ms, ec050hs; INSERT INTO ec040ms (yaeyak_date, lecture_item_gubun, "
                 "lecture_rec_gubun, lecture_detail_gubun, yaeyak_ability_cnt) VALUES ('%1', '01', '04', '01', 0)"_s
                     .arg(day));

    std::mutex lock;
    std::vector<Refusal> refusals;
    int booked = 0;
    int overbooked = 0;
    for (int round = 0; round < rounds; ++round) {
        const int places = 2 + (round * 7) % (counters + 2);
        db.adminExec(u"DELETE FROM ec050ms; UPDATE ec040ms SET yaeyak_ability_cnt = %1"_s.arg(places));
        // Each counter signs in first; then all book at once.
        std::latch ready(counters);
        std::vector<std::thread> threads;
        for (int n = 1; n <= counters; ++n) {
            threads.emplace_back([&, n] {
                const QString name = u"last_places_%1"_s.arg(n);
                {
                    QSqlDatabase conn = LoginConnection(name, db.name());
                    QSqlQuery query(conn);
                    ready.arrive_and_wait();
                    const int asked = 1 + (n + round) % 3;
                    const bool taken = query.exec(
                        u"SELECT pr_eci050_01(ayaeyak_date => '%1', alecture_item_gubun => '01', "
                        "alecture_rec_gubun => '04', alecture_detail_gubun => '01', aemp_no => 'S%2', "
                        "aemp_name => '직원%2', ayaeyak_cnt => '%3', au_emp_no => 'S%2', au_ip => 'soak-%2', "
                        "aeditstatus => '1')"_s.arg(day).arg(n).arg(asked));
                    const QString error = taken ? QString() : query.lastError().databaseText().section(u'\n', 0, 0);
                    query.finish();
                    conn.close();
                    if (!taken) {
                        static const QRegularExpression left(u"\\[(-?[0-9]+) 명\\]"_s);
                        const QRegularExpressionMatch match = left.match(error);
                        const bool over = match.hasMatch() && error.endsWith(Over.arg(match.captured(1)));
                        std::lock_guard guard(lock);
                        refusals.push_back({round, asked, over ? match.captured(1).toInt() : -1, error});
                    }
                }
                QSqlDatabase::removeDatabase(name);
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        const int sum = db.adminScalar(u"SELECT COALESCE(sum(yaeyak_cnt), 0) FROM ec050ms"_s).toInt();
        booked += sum;
        if (sum > places)
            ++overbooked;
        // Bookings only grow within a round: the places a refusal names are
        // fewer than it asked for and at least those free at the end.
        for (Refusal &r : refusals)
            if (r.round == round && r.left >= 0 && (r.left >= r.asked || r.left < places - sum))
                r.left = -2;
    }

    if (overbooked > 0)
        findings.invalid(u"a round whose slot was booked beyond its places"_s, overbooked);
    int told = 0;
    for (const Refusal &r : refusals) {
        if (r.left >= 0)
            ++told;
        else if (r.left == -2)
            findings.invalid(u"a refusal whose places left were not the server's count (round %1, %2 asked)"_s
                                 .arg(r.round)
                                 .arg(r.asked));
        else
            findings.stuck(u"a booking refused otherwise: "_s + r.text);
    }
    findings.say(u"found: %1 persons booked, %2 bookings refused with the places left, %3 rounds overbooked"_s
                     .arg(booked)
                     .arg(told)
                     .arg(overbooked));
    if (refusals.empty())
        findings.say(u"  (no booking was refused: the places never ran out)"_s);
    return findings.finish();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        return runSoak(soak::SizeArgument(argc, argv, 1, 8), soak::SizeArgument(argc, argv, 2, 50));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_last_places: %s\n", error.what());
        return 2;
    }
}
