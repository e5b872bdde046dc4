#include "ECS160.h"

#include "CodeServices.h"
#include "ECP160.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "ZZP010.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

struct Part
{
    QString field;
    QString title;
    QString print;
};

const QList<Part> Kinds = {{u"SKI"_s, u"스키"_s, u"스 키"_s}, {u"BOARD"_s, u"보드"_s, u"보 드"_s},
                           {u"BABY"_s, u"유아"_s, u"유 아"_s}};
const QList<Part> Times = {{u"AM"_s, u"오전"_s, u"오전"_s}, {u"PM"_s, u"오후"_s, u"오후"_s},
                           {u"NT"_s, u"야간"_s, u"야간"_s}, {u"DN"_s, u"새벽"_s, u"새벽"_s}};
// Trainees, then instructors: the count columns' prefix, the block's group
// and its sum.
const QList<Part> Blocks = {{u"TRAINER_CNT"_s, u"강습생"_s, u"TRAINER_SUM"_s},
                            {u"LECTURER_CNT"_s, u"강사"_s, u"LECTURER_SUM"_s}};

// A missing count adds as 0.
QString BlockSum(const QString &prefix)
{
    QStringList counts;
    for (const Part &kind : Kinds)
        for (const Part &time : Times)
            counts.append(u"COALESCE(t.%1_%2_%3, 0)"_s.arg(prefix.toLower(), kind.field.toLower(), time.field.toLower()));
    return counts.join(u" + "_s);
}

QList<ColumnDef> Columns()
{
    QList<ColumnDef> columns = {{.title = u"강습일자"_s, .field = u"LECTURE_DATE"_s, .width = 80,
                                 .alignment = Qt::AlignCenter, .print = {22}}};
    for (const Part &block : Blocks) {
        for (const Part &kind : Kinds)
            for (const Part &time : Times)
                columns.append({.title = kind.title + u"\n"_s + time.title,
                                .field = block.field + u'_' + kind.field + u'_' + time.field, .width = 34,
                                .alignment = Qt::AlignRight, .group = block.title,
                                .print = {9, kind.print + u"\n"_s + time.print}});
        columns.append({.title = u"계"_s, .field = block.print, .width = 40, .alignment = Qt::AlignRight,
                        .group = block.title, .print = {10, u"\n계"_s}});
    }
    columns.append({.title = u"합계"_s, .field = u"TOT_SUM"_s, .width = 44, .alignment = Qt::AlignRight,
                    .print = {11}});
    return columns;
}

QString ListSql()
{
    QString select = u"SELECT SUBSTR(t.lecture_date, 1, 4) || '-' || SUBSTR(t.lecture_date, 5, 2) || '-' ||"
                     " SUBSTR(t.lecture_date, 7, 2) AS lecture_date"_s;
    for (const Part &block : Blocks) {
        for (const Part &kind : Kinds)
            for (const Part &time : Times)
                select += u", t."_s + (block.field + u'_' + kind.field + u'_' + time.field).toLower();
        select += u",\n       "_s + BlockSum(block.field) + u" AS "_s + block.print.toLower();
    }
    select += u",\n       "_s + BlockSum(Blocks.at(0).field) + u" +\n       "_s + BlockSum(Blocks.at(1).field)
              + u" AS tot_sum"_s;
    return select
           + u"\nFROM   ec080ms t\n"
             "WHERE  t.event_no = :EVENT_NO\n"
             "ORDER  BY t.lecture_date"_s;
}

} // namespace

TfrmECS160::TfrmECS160(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS160"_s, .caption = u"제휴단체 강습현황 조회,출력"_s,
                  .report = ListReport<TfrmECP160>},
                 parent)
{
    AddSearchFields({
        {.name = u"edtEventNo"_s, .caption = u"*제휴단체번호"_s, .field = u"EVENT_NO"_s, .bytes = 10,
         .required = true, .lookup = [this] { LookupGroup(); }, .width = 100, .to = &edtEventNo, .printLine = 0},
        {.name = u"wlbEventNo"_s, .kind = FieldKind::Label, .sameLine = true, .width = 180, .to = &wlbEventNo,
         .printLine = 0},
    });
    wlbEventNo->setFrameShape(QFrame::Panel);
    wlbEventNo->setFrameShadow(QFrame::Sunken);
    connect(edtEventNo, &QLineEdit::textChanged, wlbEventNo, &QLabel::clear);
    cdsQuery->setColumns(Columns());
    SetQuery(ListSql());
}

void TfrmECS160::LookupGroup()
{
    QString number;
    QString name;
    if (!PickPartnerGroup(QString(), number, name, this)) {
        edtEventNo->setFocus();
        return;
    }
    edtEventNo->setText(number);
    wlbEventNo->setText(name);
    bbtSearchClick();
}

void TfrmECS160::edtExit(QWidget *left)
{
    TfrmEZS000::edtExit(left);
    if (left == edtEventNo && !edtEventNo->text().trimmed().isEmpty())
        wlbEventNo->setText(EventName(edtEventNo->text().trimmed()));
}

QList<RowCheck> TfrmECS160::SearchChecks()
{
    return {{[this] {
                 wlbEventNo->setText(EventName(edtEventNo->text().trimmed()));
                 return wlbEventNo->text().isEmpty();
             },
             edtEventNo, u"*제휴단체번호"_s + EnterCorrectly}};
}

void TfrmECS160::FillConditions(TfrmZZP010 &report)
{
    TfrmEZS000::FillConditions(report);
    report.SetCondition1(u"제휴단체명: "_s + wlbEventNo->text());
}
