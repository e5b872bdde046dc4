// Patrol counters saving accidents while the chief reads a cross-table: the
// table's rows and its footer must always come from one moment. Every
// accident saved falls in an hour band on a date the calendar knows, so in
// every read each weekday's footer count equals the sum of its column, and
// the footer's total the sum of the rows' totals; a read that mixes two
// moments shows more in one than in the other.
//
//   soak_accident_tables [COUNTERS [SAVES]]        (8, 500)

#include "AccidentTables.h"
#include "CounterConnection.h"
#include "SoakSupport.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

struct Tally
{
    std::atomic<int> saved{0};
    std::atomic<int> failed{0};
    std::atomic<bool> done{false};
};

void runCounter(int n, const QString &database, int saves, Tally &tally)
{
    const QString name = u"accident_counter_%1"_s.arg(n);
    {
        QSqlDatabase db = LoginConnection(name, database);
        QSqlQuery query(db);
        for (int i = 0; i < saves; ++i) {
            const QString sql = u"SELECT * FROM pr_eei010_01(atrob_date => '202412%1', atrob_time => '%2%3',"
                                " ain_name => '부상자%4', ain_age => '30', ain_id_no => '9001011234567',"
                                " ain_tel_no => '010-1234-5678', ain_stat_gubun => '0%5', aeditstatus => '2',"
                                " au_emp_no => 'S%6', au_ip => 'soak-patrol-%6')"_s
                                    .arg(1 + (n * 7 + i) % 28, 2, 10, QChar(u'0'))
                                    .arg(8 + i % 15, 2, 10, QChar(u'0'))
                                    .arg(i % 60, 2, 10, QChar(u'0'))
                                    .arg(i)
                                    .arg(1 + i % 7)
                                    .arg(n);
            db.transaction();
            if (query.exec(sql) && db.commit()) {
                ++tally.saved;
            } else {
                db.rollback();
                ++tally.failed;
            }
            query.finish();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

int runSoak(int counters, int saves)
{
    Findings findings(u"R11"_s);
    findings.say(u"tried: %1 patrol counters saving %2 accidents each while the weekday table by hour band is"
                 " read again and again"_s.arg(counters).arg(saves));
    TestDatabase db(qEnvironmentVariable("KEST_SOAK_DB", u"soak_accident_tables"_s));
    db.adminExec(uR"sql(DELETE FROM ee010ms;
INSERT INTO zx020ms (caln_date, yoil_code)
SELECT to_char(d, 'YYYYMMDD'), (extract(dow FROM d) + 1)::text
FROM   generate_series(date '2024-12-01', date '2024-12-31', interval '1 day') d
ON CONFLICT DO NOTHING)sql"_s);

    const CrossTableDef table = accidents::Table(accidents::Rows::HourBands, accidents::Columns::Weekdays);
    const QString sql = CrossTableSql(table);
    Tally tally;
    std::vector<std::thread> threads;
    for (int n = 1; n <= counters; ++n)
        threads.emplace_back([&, n] { runCounter(n, db.name(), saves, tally); });

    int reads = 0;
    int mixed = 0;
    int failedReads = 0;
    {
        QSqlDatabase reader = LoginConnection(u"accident_reader"_s, db.name());
        QSqlQuery query(reader);
        const auto allSaved = [&] { return tally.saved + tally.failed >= counters * saves; };
        while (!allSaved() || reads < 3) {
            const bool last = allSaved();
            query.prepare(sql);
            query.bindValue(u":TROB_DATE_FROM"_s, u"20241201"_s);
            query.bindValue(u":TROB_DATE_TO"_s, u"20241231"_s);
            query.bindValue(u":GC_ROW_CODE"_s, table.rowGroup);
            if (!query.exec()) {
                ++failedReads;
                if (failedReads < 3)
                    findings.say(u"  read failed: "_s + query.lastError().databaseText().section(u'\n', 0, 0));
                if (failedReads > 20)
                    break;
                continue;
            }
            ++reads;
            std::vector<qint64> columns(table.columns.size(), 0);
            qint64 rows = 0;
            QStringList footers;
            while (query.next()) {
                for (int c = 0; c < table.columns.size(); ++c)
                    columns[c] += query.value(crosstable::CountField(c)).toLongLong();
                rows += query.value(crosstable::TotalText).toString().section(u' ', 0, 0).toLongLong();
                if (footers.isEmpty()) {
                    for (int c = 0; c < table.columns.size(); ++c)
                        footers << query.value(crosstable::FooterPrefix + crosstable::CountField(c)).toString();
                    footers << query.value(crosstable::FooterPrefix + crosstable::TotalText).toString();
                }
            }
            bool agree = footers.size() == table.columns.size() + 1
                         && footers.last().section(u'(', 0, 0).trimmed().toLongLong() == rows;
            for (int c = 0; agree && c < table.columns.size(); ++c)
                agree = footers.at(c).section(u'(', 0, 0).toLongLong() == columns[c];
            if (!agree) {
                ++mixed;
                findings.invalid(u"a table whose footer counts other accidents than its rows"_s);
            }
            if (last && rows != tally.saved)
                findings.lost(u"saved accidents the last table does not count"_s, int(tally.saved - rows));
            query.finish();
        }
        reader.close();
    }
    QSqlDatabase::removeDatabase(u"accident_reader"_s);
    for (std::thread &thread : threads)
        thread.join();
    if (tally.failed > 0)
        findings.stuck(u"saves that failed"_s, tally.failed);
    findings.say(u"found: %1 accidents saved, %2 tables read, %3 with a footer of another moment, %4 reads failed"_s
                     .arg(tally.saved.load())
                     .arg(reads)
                     .arg(mixed)
                     .arg(failedReads));
    return findings.finish();
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    try {
        return runSoak(soak::SizeArgument(argc, argv, 1, 8), soak::SizeArgument(argc, argv, 2, 500));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "soak_accident_tables: %s\n", error.what());
        return 2;
    }
}
