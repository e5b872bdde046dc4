#include "EDS060.h"

#include "Badge.h"
#include "EDP060.h"
#include "GridModel.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// The grid's heads of the six scores, spelt as the judging list has them.
const QStringList ScoreTitles = {u"프로그보겐"_s, u"슈텐턴"_s, u"패러럴턴"_s, u"웨데른턴"_s, u"미들턴"_s, u"종합활강"_s};
// Their heads on paper, each broken over lines.
const QStringList ScorePrints = {u"프로\n그보\n겐"_s, u"슈템\n턴"_s, u"페러\n럴턴"_s, u"웨데\n른턴"_s, u"미들\n턴"_s,
                                 u"종합\n활강"_s};

// The sum of a judge's six scores: empty when any of them is.
QString JudgeSum(const QString &judge)
{
    QStringList scores;
    for (const badge::Discipline &d : badge::Disciplines())
        scores.append(u"t1."_s + d.field.toLower() + judge.toLower());
    return scores.join(u" + "_s);
}

QList<ColumnDef> Columns()
{
    QList<ColumnDef> columns = {
        {.title = u"접수번호"_s, .field = u"RECV_NO"_s, .width = 64, .alignment = Qt::AlignCenter, .print = {14}},
        {.title = u"참가자명"_s, .field = u"APPLY_NAME"_s, .width = 64, .print = {18}},
    };
    for (const QString &judge : badge::Judges) {
        const QString group = u"심사자(%1)"_s.arg(judge);
        columns.append({.title = u"심사자명"_s, .field = u"EXAMINER_"_s + judge, .width = 64, .group = group,
                        .print = {14}});
        for (int i = 0; i < badge::Disciplines().size(); ++i)
            columns.append({.title = ScoreTitles.at(i), .field = badge::Disciplines().at(i).field + judge, .width = 64,
                            .alignment = Qt::AlignRight, .group = group, .print = {7, ScorePrints.at(i)}});
        columns.append({.title = u"합계"_s, .field = judge + u"_SCORE"_s, .width = 64, .alignment = Qt::AlignRight,
                        .group = group, .print = {9}});
    }
    columns.append({.title = u"총점"_s, .field = u"TOT_SCORE"_s, .width = 64, .alignment = Qt::AlignRight, .print = {10}});
    columns.append({.title = u"평균"_s, .field = u"AVG_SCORE"_s, .width = 64, .alignment = Qt::AlignRight, .print = {10}});
    return columns;
}

} // namespace

TfrmEDS060::TfrmEDS060(QWidget *parent)
    : TfrmEZS000({.form = u"frmEDS060"_s, .caption = u"뱃지테스트 심사 현황 조회,출력"_s,
                  .report = ListReport<TfrmEDP060>},
                 parent)
{
    FieldDef season = badge::SeasonField({});
    season.printLine = 1;
    AddSearchFields({
        season,
        {.name = u"dtpDate"_s, .caption = u"*심사일자"_s, .kind = FieldKind::Date, .field = u"EXAMINE_DATE"_s,
         .printLine = 2},
        {.name = u"edtRecvNoFrom"_s, .caption = u"접수번호"_s, .field = u"RECV_NO_FROM"_s, .bytes = 6, .width = 70,
         .to = &edtRecvNoFrom, .printLine = 0},
        {.name = u"edtRecvNoTo"_s, .caption = u"∼"_s, .field = u"RECV_NO_TO"_s, .bytes = 6, .width = 70,
         .to = &edtRecvNoTo, .printLine = 0},
    });
    cdsQuery->setColumns(Columns());
    SetQuery(ListSql());
}

QString TfrmEDS060::ListSql()
{
    QStringList select = {u"TO_CHAR(t1.recv_no, 'FM000000') AS recv_no"_s, u"t2.entry_name_kor AS apply_name"_s};
    QStringList sums;
    for (const QString &judge : badge::Judges) {
        select.append(u"t1.examiner_"_s + judge.toLower());
        for (const badge::Discipline &d : badge::Disciplines())
            select.append(u"t1."_s + d.field.toLower() + judge.toLower());
        select.append(u"%1 AS %2_score"_s.arg(JudgeSum(judge), judge.toLower()));
        sums.append(JudgeSum(judge));
    }
    const QString total = sums.join(u" + "_s);
    select.append(u"%1 AS tot_score"_s.arg(total));
    // A decimal division, halves away from zero, always one decimal shown.
    select.append(u"TO_CHAR(ROUND((%1)::numeric / 3, 1), 'FM999990.0') AS avg_score"_s.arg(total));
    return u"SELECT "_s + select.join(u",\n       "_s)
           + u"\nFROM   ed020dt t1\n"
             "JOIN   ed020ms t2 ON t2.season_gubun = t1.season_gubun AND t2.recv_no = t1.recv_no\n"
             "WHERE  t1.season_gubun = :SEASON_GUBUN\n"
             "AND    t1.examine_date = :EXAMINE_DATE\n"
             "AND    "_s
           + badge::NumberRangeCondition(u"t1.recv_no"_s) + u"\nORDER  BY t1.recv_no"_s;
}

QList<RowCheck> TfrmEDS060::SearchChecks()
{
    return badge::NumberRangeChecks(edtRecvNoFrom, edtRecvNoTo, u"접수번호"_s);
}

void TfrmEDS060::FillConditions(TfrmZZP010 &report)
{
    TfrmEZS000::FillConditions(report);
    report.SetCondition(TfrmZZP010::ConditionText({{u"접수번호"_s, badge::NumberRangeText(edtRecvNoFrom, edtRecvNoTo)}}));
}
