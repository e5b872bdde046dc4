// The outlet sales statistics over a season of sales lines: each screen's
// one statement against its floor, one hand-written query giving the same
// figures over the same indexes (plain sums in long form: no pivot, no
// subtotal rows, no text; for the line list the same joins, raw); the line
// list's first rows on its screen, and the memory that search takes.
#include "Bench.h"
#include "Benches.h"
#include "EFS010.h"
#include "EFS020.h"
#include "EFS070.h"
#include "RecordingModal.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QDate>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QString SeasonFrom = u"20261201"_s;
const QString SeasonTo = u"20270330"_s;


double readAll(const QString &sql, const QList<std::pair<QString, QString>> &binds)
{
    return TimeMs([&] {
        SqlQuery query(sql);
        for (const auto &[name, value] : binds)
            query.bind(name, value);
        query.exec();
        int rows = 0;
        while (query.next())
            ++rows;
        if (rows == 0)
            qFatal("the statement read no rows");
    });
}

const QString Efs010Floor = uR"(
SELECT i.sale_date, i.upjang_code, CASE WHEN i.upjang_code = '5061' THEN substr(i.pos_no, 2, 1) ELSE substr(i.pos_no, 1, 1) END,
       m.type_code_1, sum(i.sale_qty), sum(i.sale_amt)
FROM   ia010ms i
JOIN   jb010ms m ON m.upjang_code = i.upjang_code AND m.menu_code = i.menu_code
                AND m.menu_item1 = COALESCE(i.menu_item1, '') AND m.menu_item2 = COALESCE(i.menu_item2, '')
                AND m.menu_item3 = COALESCE(i.menu_item3, '') AND m.menu_item4 = COALESCE(i.menu_item4, '')
                AND m.menu_item5 = COALESCE(i.menu_item5, '')
JOIN   jb020ms t ON t.upjang_code = i.upjang_code AND t.type_code = m.type_code_1
WHERE  i.sale_date BETWEEN :SALE_DATE_FROM AND :SALE_DATE_TO
AND    i.upjang_code IN ('5003', '5005', '5007', '5061')
GROUP  BY 1, 2, 3, 4)"_s;

const QString Efs020Floor = uR"(
SELECT i.sale_date, m.daeso_code, left(COALESCE(i.accept_member_no, ''), 2), sum(i.sale_qty), sum(i.sale_amt)
FROM   ia010ms i
JOIN   (SELECT menu_code, max(daeso_code) AS daeso_code FROM jb010ms WHERE upjang_code = :UPJANG_CODE
        GROUP BY menu_code) m ON m.menu_code = i.menu_code
WHERE  i.upjang_code = :UPJANG_CODE
AND    i.sale_date BETWEEN :SALE_DATE_FROM AND :SALE_DATE_TO
GROUP  BY 1, 2, 3)"_s;

// The lines with what their classes and names are made of (the same
// joins), raw, in the list's order.
const QString Efs070Floor = uR"(
SELECT i.*, j.upjang_name, m.daeso_code, c.detail_name, a.member_name, b.birth_day, f.market_code
FROM   ia010ms i
LEFT   JOIN ja010ms j ON j.upjang_code = i.upjang_code
LEFT   JOIN (SELECT menu_code, max(daeso_code) AS daeso_code FROM jb010ms GROUP BY menu_code) m
       ON m.menu_code = i.menu_code
LEFT   JOIN zx010ms c ON c.head = :GC_TICKET_KIND AND c.detail = i.ticket_kind
LEFT   JOIN bb010ms a ON a.member_no = i.accept_member_no
LEFT   JOIN ba040ms b ON b.member_no = i.accept_member_no
LEFT   JOIN fa010ms f ON f.event_no = i.accept_member_no
WHERE  i.upjang_code = :UPJANG_CODE
AND    i.sale_date BETWEEN :SALE_DATE_FROM AND :SALE_DATE_TO
ORDER  BY i.sale_date, i.pos_no, i.bill_no, i.bill_seq)"_s;

long RssKb()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

} // namespace

void FillSales(TestDatabase &database, int lines)
{
    if (database.adminScalar(u"SELECT count(*) FROM ia010ms"_s).toInt() == lines)
        return;
    // 120 days; the four category outlets in turn, each line on one of its
    // menus, at POS groups 0 to 7, for accounts of every prefix.
    database.adminExec(uR"(
TRUNCATE ia010ms, jb010ms, jb020ms;
INSERT INTO jb020ms (upjang_code, type_code, type_name)
SELECT u, t, u || '-' || t FROM unnest('{5003,5005,5007,5061}'::text[]) u, unnest('{01,02,03,04}'::text[]) t;
INSERT INTO jb010ms (upjang_code, menu_code, type_code_1, ticket_kind, daeso_code)
SELECT u, lpad(m::text, 8, '0'), lpad((1 + m % 4)::text, 2, '0'), lpad((1 + m % 10)::text, 2, '0'),
       (ARRAY['1', '2', 'Z'])[1 + m % 3]
  FROM unnest('{5003,5005,5007,5061}'::text[]) u, generate_series(1, 40) m;
INSERT INTO ia010ms (sale_date, upjang_code, pos_no, bill_no, bill_seq, menu_code, ticket_kind, unit_amt, dc_rate,
                     sale_qty, sale_amt, accept_member_no)
SELECT to_char(date '2026-12-01' + n % 120, 'YYYYMMDD'), (ARRAY['5003', '5005', '5007', '5061'])[1 + (n / 120) % 4],
       (n % 8)::text || (n % 3)::text, lpad((n / 3)::text, 10, '0'), n % 3 + 1, lpad((1 + n % 40)::text, 8, '0'),
       lpad((1 + n % 10)::text, 2, '0'), 10000, (n % 4) * 10, 1 + n % 3, (1 + n % 3) * 10000 * (10 - n % 4) / 10,
       (ARRAY[NULL, '0012345678', '4210000001', '4110000001', '2510000001', '6000000001', '9900000001'])[1 + n % 7]
  FROM generate_series(0, %1 - 1) n;
ANALYZE ia010ms;
ANALYZE jb010ms;
ANALYZE jb020ms;)"_s.arg(lines));
}

// Size: the sales lines of the season (3,000,000).
void BenchSales(BenchRun &run)
{
    const int lines = run.size("P11", 3000000);
    FillSales(run.database, lines);
    const QList<std::pair<QString, QString>> season = {{u"SALE_DATE_FROM"_s, SeasonFrom},
                                                       {u"SALE_DATE_TO"_s, SeasonTo}};
    const QList<std::pair<QString, QString>> outletSeason = season + QList<std::pair<QString, QString>>{
                                                                         {u"UPJANG_CODE"_s, u"5003"_s}};
    const QList<std::pair<QString, QString>> outletWeek = {
        {u"SALE_DATE_FROM"_s, u"20270101"_s}, {u"SALE_DATE_TO"_s, u"20270107"_s}, {u"UPJANG_CODE"_s, u"5003"_s}};
    QString lineSql = TfrmEFS070::ListSql();
    lineSql.replace(u"{filters}"_s, QString());
    const QList<std::pair<QString, QString>> tickets = {{u"GC_TICKET_KIND"_s, u"I0005"_s}};

    struct Case
    {
        QString path;
        QString sql;
        QString floor;
        QList<std::pair<QString, QString>> binds;
    };
    const QList<Case> cases = {
        {u"P11 EFS010 a season, every outlet"_s, TfrmEFS010::ListSql(), Efs010Floor, season},
        {u"P11 EFS020 a season of one outlet"_s, TfrmEFS020::ListSql(), Efs020Floor, outletSeason},
        {u"P11 EFS070 a week of one outlet's lines"_s, lineSql, Efs070Floor, outletWeek + tickets},
    };
    for (const Case &c : cases) {
        const QList<Sample> s = Interleave(run.runs, {[&] { return readAll(c.sql, c.binds); },
                                                      [&] { return readAll(c.floor, c.binds); }});
        run.table.ratio(u"%1 over %L2 lines (floor: the same figures, one plain query)"_s.arg(c.path).arg(lines),
                        s.at(0), s.at(1), 1.5);
    }

    // The line list of a whole season on its screen: the first rows, and
    // what the search keeps in memory.
    RecordingModal boxes;
    const long before = RssKb();
    long grown = 0;
    const Sample first = Repeat(run.runs, [&] {
        TfrmEFS070 screen;
        screen.show();
        screen.findChild<QDateEdit *>(u"dtpDateFrom"_s)->setDate(QDate::fromString(SeasonFrom, u"yyyyMMdd"_s));
        screen.findChild<QDateEdit *>(u"dtpDateTo"_s)->setDate(QDate::fromString(SeasonTo, u"yyyyMMdd"_s));
        screen.findChild<QLineEdit *>(u"edt_Upjang_No"_s)->setText(u"5003"_s);
        const double ms = TimeMs([&] { screen.bbtSearchClick(); });
        grown = std::max(grown, RssKb() - before);
        return ms;
    });
    run.table.limit(u"P11 EFS070 first rows of a season on the screen"_s, first, 1000);
    run.table.check(u"P11 EFS070 memory of a season's search"_s, grown < 64 * 1024,
                    u"resident memory grew by %L1 kB (goal: under 64 MB, rows fetched as shown)"_s.arg(grown));
}
