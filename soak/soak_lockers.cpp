// Clerks at the locker counter at the same moment, each on a connection of
// its own. Round after round:
//   - every clerk sells one of the last free lockers of a type to a customer
//     of its own (pr_ehi020_01): each locker must be sold once, to the
//     customer whose call went through, and every other clerk refused with
//     the server's message;
//   - every clerk moves a sale of its own to the one free locker left of the
//     type (pr_ehi020_03, "4"): one sale moves, every other sale stays where
//     it was, and every other clerk is refused with the server's message.
//
//   soak_lockers [CLERKS [ROUNDS]]        (8, 50)

#include "CounterConnection.h"
#include "SoakSupport.h"
#include "TestDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <latch>
#include <mutex>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

const QString SoldToAnother = u"이미 다른 고객에게 판매된 락카입니다"_s;
const QString TargetSold = u"이미 판매된 락카번호로는 변경이 불가합니다."_s;

struct Outcome
{
    int clerk = 0;
    QString locker;
    QString error; // empty: the call went through
};

// Runs `call(clerk)` on every clerk at once; what each got back.
std::vector<Outcome> AtOnce(const TestDatabase &db, int clerks, const std::function<QString(int)> &call,
                            const std::function<QString(int)> &locker)
{
    std::vector<Outcome> outcomes;
    std::mutex lock;
    std::latch ready(clerks);
    std::vector<std::thread> threads;
    for (int n = 1; n <= clerks; ++n) {
        threads.emplace_back([&, n] {
            const QString name = u"locker_clerk_%1"_s.arg(n);
            {
                QSqlDatabase conn = LoginConnection(name, db.name());
                QSqlQuery query(conn);
                ready.arrive_and_wait();
                const bool done = query.exec(call(n));
                const QString error = done ? QString() : query.lastError().databaseText().section(u'\n', 0, 0);
                query.finish();
                conn.close();
                std::lock_guard guard(lock);
                outcomes.push_back({n, locker(n), error});
            }
            QSqlDatabase::removeDatabase(name);
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    return outcomes;
}

int runSoak(int clerks, int rounds)
{
    Findings findings(u"R15"_s);
    findings.say(u"tried: %1 clerks selling the last free lockers of a type at once, and moving %1 sales into one "
                 "free locker at once, %2 rounds"_s
                     .arg(clerks)
                     .arg(rounds));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_lockers"_s));
    const int lockers = clerks + 1;
    db.adminExec(u"TRUNCATE eh010ms, eh020ms, eh030ms;"
                 "INSERT INTO eh010ms (season_year, seq_no, location, area_zone, locker_type, unit_amt, member_amt, "
                 "beginning_no, locker_qty) VALUES ('2026', 1, 'M', 'A', '1', 100000, 80000, 101, %1);"
                 "INSERT INTO eh020ms (season_year, location, area_zone, locker_type, locker_no, unit_amt, "
                 "member_amt, use_yn) SELECT '2026', 'M', 'A', '1', n::text, 100000, 80000, 'N' "
                 "FROM generate_series(101, %2) n"_s
                     .arg(lockers)
                     .arg(100 + lockers));
    const QString freeAll = u"UPDATE eh020ms SET sale_date = NULL, m_name = NULL, m_idno = NULL, pay_code = NULL, "
                            "sale_amt = NULL, ipgum_amt = NULL, ipgum_yn = NULL, use_yn = 'N'"_s;

    int sold = 0, refusedSales = 0, moved = 0, refusedMoves = 0;
    for (int round = 0; round < rounds; ++round) {
        // Sales: the last 1 to 3 free lockers; clerk n asks for one of them.
        const int left = 1 + round % 3;
        db.adminExec(freeAll + u"; UPDATE eh020ms SET sale_date = '20261201', m_name = '선판매', "
                               "m_idno = kest_private.enc('7001011234567'), pay_code = '현금', sale_amt = 100000, "
                               "use_yn = 'Y' WHERE locker_no::integer > %1"_s.arg(100 + left));
        const auto saleLocker = [&](int n) { return QString::number(101 + (n + round) % left); };
        const std::vector<Outcome> sales = AtOnce(
            db, clerks,
            [&](int n) {
                return u"SELECT pr_ehi020_01(aseason_year => '2026', alocker_no => '%1', asale_date => '20261210', "
                       "am_name => '손님%2', am_idno => '80010112%3', apay_code => '현금', au_emp_no => 'C%2', "
                       "au_ip => 'soak-%2', aeditstatus => '1')"_s
                    .arg(saleLocker(n))
                    .arg(n)
                    .arg(n + round * 100, 5, 10, QLatin1Char('0'));
            },
            saleLocker);
        for (int l = 101; l <= 100 + left; ++l) {
            const QString locker = QString::number(l);
            int through = 0;
            QString buyer;
            for (const Outcome &o : sales)
                if (o.locker == locker && o.error.isEmpty()) {
                    ++through;
                    buyer = u"손님%1"_s.arg(o.clerk);
                }
            const QString holder =
                db.adminScalar(u"SELECT coalesce(m_name, '') FROM eh020ms WHERE locker_no = '%1'"_s.arg(locker));
            const bool asked = std::any_of(sales.begin(), sales.end(), [&](const Outcome &o) { return o.locker == locker; });
            if (through > 1)
                findings.doubled(u"locker %1 sold to %2 customers in round %3"_s.arg(locker).arg(through).arg(round));
            else if (asked && through == 0)
                findings.stuck(u"locker %1 asked for and sold to no one in round %2"_s.arg(locker).arg(round));
            else if (through == 1 && holder != buyer)
                findings.lost(u"locker %1 holds %2, not the sale that went through (%3)"_s.arg(locker, holder, buyer));
            sold += through;
        }
        for (const Outcome &o : sales)
            if (!o.error.isEmpty()) {
                if (o.error.contains(SoldToAnother))
                    ++refusedSales;
                else
                    findings.invalid(u"a sale refused otherwise: "_s + o.error);
            }

        // Moves: every locker but the last sold, clerk n's sale on 100 + n;
        // all move into the free one at once.
        const QString target = QString::number(100 + lockers);
        db.adminExec(freeAll + u"; UPDATE eh020ms SET sale_date = '20261201', m_name = '이동' || locker_no, "
                               "m_idno = kest_private.enc('70010112' || lpad(locker_no, 5, '0')), pay_code = '카드', "
                               "sale_amt = 100000, use_yn = 'Y', approval_no = 'AP' || locker_no "
                               "WHERE locker_no <> '%1'"_s.arg(target));
        const auto moveFrom = [](int n) { return QString::number(100 + n); };
        const std::vector<Outcome> moves = AtOnce(
            db, clerks,
            [&](int n) {
                return u"SELECT pr_ehi020_03(aseason_year => '2026', alocker_no => '%1', alocker_no_change => '%2', "
                       "aeditstatus => '4', au_emp_no => 'C%3', au_ip => 'soak-%3')"_s
                    .arg(moveFrom(n), target)
                    .arg(n);
            },
            moveFrom);
        int through = 0;
        QString mover;
        for (const Outcome &o : moves) {
            if (o.error.isEmpty()) {
                ++through;
                mover = o.locker;
            } else if (o.error.contains(TargetSold)) {
                ++refusedMoves;
            } else {
                findings.invalid(u"a move refused otherwise: "_s + o.error);
            }
        }
        moved += through;
        if (through > 1)
            findings.doubled(u"%1 sales moved into locker %2 in round %3"_s.arg(through).arg(target).arg(round));
        else if (through == 0)
            findings.stuck(u"no sale moved into the free locker in round %1"_s.arg(round));
        // Every sale is on exactly one locker: the mover's on the target with
        // its card approval, the others where they were.
        const QString wrong = db.adminScalar(
            u"SELECT count(*) FROM eh020ms WHERE CASE WHEN locker_no = '%1' THEN m_name IS DISTINCT FROM '이동' || '%2' "
            "OR approval_no IS DISTINCT FROM 'AP' || '%2' WHEN locker_no = '%2' THEN sale_date IS NOT NULL "
            "ELSE m_name IS DISTINCT FROM '이동' || locker_no END"_s
                .arg(target, mover));
        const int kept = db.adminScalar(u"SELECT count(*) FROM eh020ms WHERE sale_date IS NOT NULL"_s).toInt();
        if (through == 1 && wrong != u"0"_s)
            findings.lost(u"%1 lockers not holding their own sale after round %2"_s.arg(wrong).arg(round));
        if (kept != clerks)
            findings.lost(u"%1 sales after the moves of round %2, %3 before"_s.arg(kept).arg(round).arg(clerks));
    }

    findings.say(u"found: %1 lockers sold, %2 sales refused with the message, %3 sales moved, %4 moves refused"_s
                     .arg(sold)
                     .arg(refusedSales)
                     .arg(moved)
                     .arg(refusedMoves));
    return findings.finish();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        return runSoak(soak::SizeArgument(argc, argv, 1, 8), soak::SizeArgument(argc, argv, 2, 50));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_lockers: %s\n", error.what());
        return 2;
    }
}
