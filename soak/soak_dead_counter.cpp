// A counter killed (SIGKILL) while it holds items: its holds stay in force
// for the configured age (kest_private.settings.hold_minutes), so no other
// counter sees those items as free or can hold them, and after that age they
// are free for everyone. The dead counter's holds are aged by moving their
// au_date back rather than by waiting, under hold_minutes 30, 1 and 45 in
// turn; with five rounds or more the last round waits out a real minute
// (hold_minutes 1) to see the server's own clock let go.
//
//   soak_dead_counter [ROUNDS]                      (10)
//   soak_dead_counter --holder N DATABASE ITEM...   (the counter that dies)

#include "DataModule.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "SoakSupport.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "TestDatabase.h"

#include "EquipmentRules.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <iostream>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

QString ItemNo(int n)
{
    return u"C%1"_s.arg(n, 4, 10, QChar(u'0'));
}

void hold(StoredProc &proc, const QString &status, const QString &item)
{
    SaveTransaction transaction;
    proc.clearValues();
    proc.setValue(u"ARENT_DATE"_s, soak::Today());
    proc.setValue(u"AAREA_GUBUN"_s, u"M"_s);
    proc.setValue(u"AEQUIP_GUBUN"_s, u"CS"_s);
    proc.setValue(u"AEQUIP_NO"_s, item);
    proc.setValue(u"AEDITSTATUS"_s, status);
    proc.exec();
    transaction.commit();
}

// The counter that dies: holds its items, says so, and waits to be killed.
int runHolder(int n, const QString &database, const QStringList &items)
{
    const auto module = soak::ConnectCounter(database, u"D%1"_s.arg(n, 3, 10, QChar(u'0')),
                                             u"soak-dead-%1"_s.arg(n));
    StoredProc proc(u"pr_ebi040_03"_s);
    for (const QString &item : items) {
        hold(proc, u"2"_s, item);
        std::printf("held %s\n", qPrintable(item));
    }
    std::printf("ready %s\n", qPrintable(SqlQuery::scalar(u"SELECT pg_backend_pid()"_s)));
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line); // never answered: the process is killed here
    return 3;
}

class DeadCounterSoak
{
public:
    explicit DeadCounterSoak(int rounds) : m_rounds(rounds), m_findings(u"R8"_s) {}

    int run()
    {
        m_findings.say(u"tried: %1 counters (child processes) killed with SIGKILL while holding 1-5 items each;"
                       " another counter then looks for the items in the free list (the screen's FreeItemsSql) and"
                       " tries to hold them, with the dead counter's holds aged by moving their au_date back (under"
                       " hold_minutes 30, 1, 45 in turn): fresh, one minute short of the age, and past it%2"_s
                           .arg(m_rounds)
                           .arg(m_rounds >= 5 ? u"; the last round instead waits a real minute under hold_minutes 1"_s
                                              : QString()));
        m_db = std::make_unique<TestDatabase>(qEnvironmentVariable("KEST_SOAK_DB", u"soak_dead_counter"_s));
        soak::LoadRentalItems(*m_db, 5 * m_rounds);
        int items = 0;
        for (int round = 1; round <= m_rounds; ++round)
            items += this->round(round, round == m_rounds && m_rounds >= 5);
        m_findings.say(u"found: %1 items held by killed counters; %2 looks before the age (all must find the item"
                       " taken), %3 after it (all must find it free)"_s.arg(items).arg(m_before).arg(m_after));
        return m_findings.finish();
    }

private:
    int round(int n, bool realClock)
    {
        static const int Minutes[] = {30, 1, 45};
        const int minutes = realClock ? 1 : Minutes[(n - 1) % 3];
        m_db->adminExec(u"UPDATE kest_private.settings SET hold_minutes = %1"_s.arg(minutes));
        QStringList items;
        const int count = 1 + int(QRandomGenerator::global()->bounded(5));
        for (int i = 1; i <= count; ++i)
            items << ItemNo((n - 1) * 5 + i);

        QProcess holder;
        holder.setProgram(QCoreApplication::applicationFilePath());
        holder.setArguments(QStringList{u"--holder"_s, QString::number(n), m_db->name()} + items);
        holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        holder.start();
        QByteArray said;
        const QDeadlineTimer ready(30000);
        while (!said.contains("ready") && !ready.hasExpired() && holder.state() != QProcess::NotRunning)
            if (holder.waitForReadyRead(200))
                said += holder.readAllStandardOutput();
        if (!said.contains("ready")) {
            m_findings.stuck(u"round %1: the holding counter never got its items: %2"_s.arg(n).arg(
                QString::fromUtf8(said).simplified()));
            holder.kill();
            holder.waitForFinished(5000);
            return 0;
        }
        const QString pid = QString::fromUtf8(said.mid(said.indexOf("ready") + 6)).trimmed();
        ::kill(pid_t(holder.processId()), SIGKILL);
        holder.waitForFinished(5000);
        // Its server session notices the lost client and ends.
        const QDeadlineTimer gone(10000);
        while (m_db->adminScalar(u"SELECT count(*) FROM pg_stat_activity WHERE pid = %1"_s.arg(pid)) != u"0"_s
               && !gone.hasExpired())
            QThread::msleep(50);

        const QString held = m_db->adminScalar(u"SELECT count(*) FROM eb020tm WHERE au_ip = 'soak-dead-%1'"_s.arg(n));
        if (held != QString::number(count))
            m_findings.lost(u"round %1: %2 of the killed counter's %3 holds are in the table"_s.arg(n).arg(held).arg(count));

        const auto age = [&](const QString &interval) {
            m_db->adminExec(u"UPDATE eb020tm SET au_date = LOCALTIMESTAMP(0) - interval '%1'"
                            " WHERE au_ip = 'soak-dead-%2'"_s.arg(interval).arg(n));
        };
        if (realClock) {
            lookBefore(n, items, u"just killed"_s);
            QThread::sleep(45);
            lookBefore(n, items, u"45 s later, hold_minutes 1"_s);
            QThread::sleep(17);
            lookAfter(n, items, u"62 s later, hold_minutes 1"_s);
        } else {
            lookBefore(n, items, u"just killed, hold_minutes %1"_s.arg(minutes));
            age(u"%1 minutes"_s.arg(minutes - 1) + u" 30 seconds"_s);
            lookBefore(n, items, u"aged %1 min 30 s of %2"_s.arg(minutes - 1).arg(minutes));
            age(u"%1 minutes 1 second"_s.arg(minutes));
            lookAfter(n, items, u"aged %1 min 1 s of %1"_s.arg(minutes));
        }
        // What a free item is: another counter can take it; it gives it back.
        m_db->adminExec(u"DELETE FROM eb020tm"_s);
        return count;
    }

    bool listed(const QString &item)
    {
        return !SqlQuery::scalar(FreeItemsSql, {{u"RENT_DATE"_s, soak::Today()},
                                                {u"AREA_GUBUN"_s, u"M"_s},
                                                {u"EQUIP_GUBUN"_s, u"CS"_s},
                                                {u"EQUIP_SIZE_GUBUN"_s, u"150"_s},
                                                {u"EQUIP_NO"_s, item}})
                    .isEmpty();
    }

    // Tries to hold the item as this process's counter; empty when it could.
    QString tryHold(const QString &item)
    {
        try {
            hold(m_proc, u"2"_s, item);
            hold(m_proc, u"3"_s, item);
            return {};
        } catch (const ServerError &error) {
            return error.message();
        }
    }

    void lookBefore(int n, const QStringList &items, const QString &when)
    {
        for (const QString &item : items) {
            ++m_before;
            if (listed(item))
                m_findings.doubled(u"round %1, %2: %3 is in another counter's free list"_s.arg(n).arg(when, item));
            const QString refusal = tryHold(item);
            if (refusal.isEmpty())
                m_findings.doubled(u"round %1, %2: another counter could hold %3"_s.arg(n).arg(when, item));
            else if (!refusal.contains(u"다른 작업대에서 선택한 장비"_s))
                m_findings.say(u"round %1, %2: %3 refused with \"%4\""_s.arg(n).arg(when, item, refusal));
        }
    }

    void lookAfter(int n, const QStringList &items, const QString &when)
    {
        for (const QString &item : items) {
            ++m_after;
            if (!listed(item))
                m_findings.stuck(u"round %1, %2: %3 is still missing from the free list"_s.arg(n).arg(when, item));
            const QString refusal = tryHold(item);
            if (!refusal.isEmpty())
                m_findings.stuck(u"round %1, %2: another counter still cannot hold %3: %4"_s.arg(n).arg(when, item,
                                                                                                      refusal));
        }
    }

    int m_rounds;
    Findings m_findings;
    std::unique_ptr<TestDatabase> m_db;
    StoredProc m_proc{u"pr_ebi040_03"_s};
    int m_before = 0;
    int m_after = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    try {
        if (argc > 1 && QByteArray(argv[1]) == "--holder") {
            QStringList items;
            for (int i = 4; i < argc; ++i)
                items << QString::fromLocal8Bit(argv[i]);
            return runHolder(atoi(argv[2]), QString::fromLocal8Bit(argv[3]), items);
        }
        DeadCounterSoak soak(soak::SizeArgument(argc, argv, 1, 10));
        return soak.run();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_dead_counter: %s\n", error.what());
        return 2;
    }
}
