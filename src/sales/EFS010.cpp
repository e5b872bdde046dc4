#include "EFS010.h"

#include "GridModel.h"
#include "SalesFields.h"
#include "StartupValues.h"

using namespace Qt::StringLiterals;

namespace {

// A column group: its heading, the SQL condition of the lines it counts
// and whether it is shown.
struct Group
{
    QString heading;
    QString lines;
    bool visible = true;
};

QList<Group> Groups()
{
    const QStringList areas = TfrmEFS010::AreaNames();
    // The rental counters' POS groups of each base area.
    const QStringList counters = {u"('0', '1', '2', '4')"_s, u"('5', '6', '7')"_s};
    QList<Group> groups;
    for (int a = 0; a < 2; ++a) {
        const QString rental = u"upjang_code = '5003' AND pos_grp IN %1 AND type_code = "_s.arg(counters.at(a));
        groups.append({areas.at(a) + u" 카빙셋트"_s, rental + u"'01'"_s});
        groups.append({areas.at(a) + u" 일반렌탈"_s, rental + u"'02'"_s});
        groups.append({areas.at(a) + u" 보드셋트"_s, rental + u"'03'"_s});
        groups.append({areas.at(a) + u" 블레이드"_s, rental + u"'04'"_s, false});
    }
    groups.append({areas.at(0) + u" 의류렌탈"_s, u"upjang_code = '5061' AND pos_grp = '1'"_s});
    groups.append({areas.at(1) + u" 의류렌탈"_s, u"upjang_code = '5061' AND pos_grp = '2'"_s});
    groups.append({u"스 키 수 리"_s, u"upjang_code = '5007' AND type_code = '01'"_s});
    groups.append({u"스 키 보 관"_s, u"upjang_code = '5007' AND type_code = '02'"_s});
    groups.append({u"스 키 파 손"_s, u"upjang_code = '5007' AND type_code = '03'"_s});
    groups.append({u"유  아  방"_s, u"upjang_code = '5005' AND type_code = '01'"_s});
    groups.append({u"코 인 락 카"_s, u"upjang_code = '5005' AND type_code = '02'"_s});
    groups.append({u"총      계"_s, u"true"_s});
    return groups;
}

QList<ColumnDef> Columns()
{
    QList<ColumnDef> columns = {
        {.title = u"판매일자"_s, .field = u"SALE_DATE"_s, .width = 80, .alignment = Qt::AlignCenter}};
    const QList<Group> groups = Groups();
    for (int g = 0; g < groups.size(); ++g) {
        const Group &group = groups.at(g);
        columns.append({.title = u"수량"_s, .field = u"QTY_%1"_s.arg(g + 1), .width = 50,
                        .alignment = Qt::AlignRight, .visible = group.visible, .group = group.heading});
        columns.append({.title = u"판매금액"_s, .field = u"AMT_%1"_s.arg(g + 1), .width = 90,
                        .alignment = Qt::AlignRight, .visible = group.visible, .group = group.heading});
    }
    return columns;
}

} // namespace

QStringList TfrmEFS010::AreaNames()
{
    return {IniValue(u"Main.ini"_s, u"SALES"_s, u"AREA1_NAME"_s, u"제1베이스"_s),
            IniValue(u"Main.ini"_s, u"SALES"_s, u"AREA2_NAME"_s, u"제2베이스"_s)};
}

QString TfrmEFS010::ListSql()
{
    QStringList sums;
    const QList<Group> groups = Groups();
    for (int g = 0; g < groups.size(); ++g) {
        sums.append(u"TO_CHAR(COALESCE(SUM(sale_qty) FILTER (WHERE %1), 0), 'FM9,999,999,999') AS qty_%2"_s
                        .arg(groups.at(g).lines)
                        .arg(g + 1));
        sums.append(u"TO_CHAR(COALESCE(SUM(sale_amt) FILTER (WHERE %1), 0), 'FM9,999,999,999') AS amt_%2"_s
                        .arg(groups.at(g).lines)
                        .arg(g + 1));
    }
    // A line's sales type is that of the outlet's menu with its code and
    // five items; it is counted only when the outlet has that type.
    return uR"sql(WITH l AS (
    SELECT i.sale_date, i.upjang_code, m.type_code_1 AS type_code, i.sale_qty, i.sale_amt,
           CASE WHEN i.upjang_code = '5061' THEN substr(i.pos_no, 2, 1) ELSE substr(i.pos_no, 1, 1) END AS pos_grp
    FROM   ia010ms i
    JOIN   jb010ms m ON m.upjang_code = i.upjang_code AND m.menu_code = i.menu_code
                    AND m.menu_item1 = COALESCE(i.menu_item1, '') AND m.menu_item2 = COALESCE(i.menu_item2, '')
                    AND m.menu_item3 = COALESCE(i.menu_item3, '') AND m.menu_item4 = COALESCE(i.menu_item4, '')
                    AND m.menu_item5 = COALESCE(i.menu_item5, '')
    WHERE  i.sale_date BETWEEN :SALE_DATE_FROM AND :SALE_DATE_TO
    AND    i.upjang_code IN ('5003', '5005', '5007', '5061')
    AND    i.menu_code <> '00000000'
    AND    EXISTS (SELECT 1 FROM jb020ms t WHERE t.upjang_code = i.upjang_code AND t.type_code = m.type_code_1))
SELECT CASE WHEN GROUPING(sale_date) = 1 THEN '총    계' ELSE sale_date END AS sale_date,
       )sql"_s
        + sums.join(u",\n       "_s) + uR"sql(
FROM   l
GROUP  BY ROLLUP (sale_date)
HAVING COUNT(*) > 0
ORDER  BY GROUPING(sale_date), l.sale_date)sql"_s;
}

TfrmEFS010::TfrmEFS010(QWidget *parent)
    : TfrmEZS000({.form = u"frmEFS010"_s, .caption = u"영업장 분류별 매출 현황"_s}, parent)
{
    AddSearchFields(sales::SaleDateFields());
    cdsQuery->setColumns(Columns());
    SetQuery(ListSql());
    // Nothing is printed from this list.
    bbtPrint->hide();
    bbtPreview->hide();
}
