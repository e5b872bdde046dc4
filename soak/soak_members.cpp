// Clerks adding members from several connections at once. Every committed
// member must have a number of its own; of the saves that name one resident
// number, exactly one may be kept, the others refused as registered.
//
//   soak_members [CONNECTIONS [ROUNDS]]        (8, 300)

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

const QString Registered = u"이미 등록된 회원"_s;

struct Tally
{
    std::atomic<int> added{0};
    std::atomic<int> refused{0};
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

// Round r of every connection names the same contested number when r is
// even, a number of the connection's own when it is odd.
QString ResidentNo(int connection, int round)
{
    return round % 2 == 0 ? u"70%1"_s.arg(round, 11, 10, QChar(u'0'))
                          : u"8%1%2"_s.arg(connection, 2, 10, QChar(u'0')).arg(round, 10, 10, QChar(u'0'));
}

void runClerk(int n, const QString &database, int rounds, Tally &tally)
{
    const QString name = u"member_%1"_s.arg(n);
    {
        QSqlDatabase db = LoginConnection(name, database);
        for (int round = 0; round < rounds; ++round) {
            const QString e = Save(db, u"SELECT pr_egi020_01(aeditstatus => '2', amember_name => '회원 %1-%2', "
                                       "aid_no => '%3', ause_date_from => '20261201', ause_date_to => '20270331', "
                                       "amember_group_code => '20', au_emp_no => 'S%1', "
                                       "au_ip => 'soak-clerk-%1')"_s.arg(n).arg(round).arg(ResidentNo(n, round)));
            if (e.isEmpty()) {
                ++tally.added;
            } else if (e.contains(Registered)) {
                ++tally.refused;
            } else {
                ++tally.failed;
                const std::scoped_lock guard(tally.lock);
                if (tally.errors.size() < 5)
                    tally.errors << e;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

int runSoak(int connections, int rounds)
{
    Findings findings(u"R14"_s);
    findings.say(u"tried: %1 connections adding %2 members each, every other one under a resident number all of"
                 " them name"_s.arg(connections).arg(rounds));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_members"_s));
    db.adminExec(u"TRUNCATE ba040ms; DELETE FROM kest_private.counters WHERE series LIKE 'ba040ms%'"_s);

    Tally tally;
    std::vector<std::thread> threads;
    for (int n = 1; n <= connections; ++n)
        threads.emplace_back([&, n] { runClerk(n, db.name(), rounds, tally); });
    for (std::thread &thread : threads)
        thread.join();

    const auto scalar = [&](const QString &sql) { return db.adminScalar(sql).toInt(); };
    const int numbers = scalar(u"SELECT count(DISTINCT member_no) FROM ba040ms WHERE member_no ~ '^20[0-9]{8}$'"_s);
    const int stored = scalar(u"SELECT count(*) FROM ba040ms"_s);
    const int residents = scalar(u"SELECT count(DISTINCT fn_za010ms_04(id_no)) FROM ba040ms"_s);
    const int contested = (rounds + 1) / 2;
    const int expected = contested + connections * (rounds / 2);
    if (numbers < tally.added)
        findings.lost(u"a committed member without a number of its own"_s, tally.added - numbers);
    if (stored > residents)
        findings.doubled(u"a resident number registered twice"_s, stored - residents);
    if (stored != tally.added)
        findings.invalid(u"%1 members stored, %2 committed"_s.arg(stored).arg(tally.added.load()));
    if (stored < expected && tally.failed == 0)
        findings.lost(u"a resident number nobody could register"_s, expected - stored);
    if (tally.failed > 0)
        findings.stuck(u"saves that failed otherwise than refused"_s, tally.failed);
    for (const QString &error : std::as_const(tally.errors))
        findings.say(u"  failed: "_s + error);
    findings.say(u"found: %1 members under distinct numbers, %2 saves refused as registered"_s.arg(numbers).arg(
        tally.refused.load()));
    return findings.finish();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        return runSoak(soak::SizeArgument(argc, argv, 1, 8), soak::SizeArgument(argc, argv, 2, 300));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_members: %s\n", error.what());
        return 2;
    }
}
