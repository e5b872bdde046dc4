#include "ECI170.h"

#include "InputEdits.h"
#include "Interski.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// Sunday first: the weekday code is the position + 1.
const QStringList DayFields = {u"SUN"_s, u"MON"_s, u"TUE"_s, u"WED"_s, u"THU"_s, u"FRI"_s, u"SAT"_s};
const QStringList DayControls = {u"Sun"_s, u"Mon"_s, u"Tue"_s, u"Wed"_s, u"Thu"_s, u"Fri"_s, u"Sat"_s};
const QStringList DayTitles = {u"일"_s, u"월"_s, u"화"_s, u"수"_s, u"목"_s, u"금"_s, u"토"_s};
// The order of the groups on the panel: Monday first.
const QList<int> PanelDays = {1, 0, 2, 3, 4, 5, 6};

QString PlaceColumns()
{
    QString columns;
    for (int n = 0; n < 7; ++n)
        columns += u",\n       B.tot_cls_%1, B.re_cls_%1"_s.arg(DayFields.at(n).toLower());
    return columns;
}

QString FoldedDays()
{
    QStringList folded;
    for (int n = 0; n < 7; ++n) {
        const QString day = DayFields.at(n).toLower();
        folded << u"MAX(CASE WHEN class_day_code = '%1' THEN tot_cls_cnt END) AS tot_cls_%2"_s.arg(n + 1).arg(day)
               << u"MAX(CASE WHEN class_day_code = '%1' THEN re_cls_cnt END) AS re_cls_%2"_s.arg(n + 1).arg(day);
    }
    return folded.join(u",\n                      "_s);
}

} // namespace

TfrmECI170::TfrmECI170(QWidget *parent) : TfrmEZI000(u"frmECI170"_s, u"인터스강사 수강 인원"_s, parent)
{
    TextEdit *edtSeason = nullptr;
    AddSearchFields({{.name = u"edtSeason"_s, .caption = u"조회연도"_s, .field = u"SEASON_YEAR"_s, .bytes = 4,
                      .required = true, .width = 50, .to = &edtSeason}});
    edtSeason->setText(Interski::StartingYear(QDate::currentDate()));

    QList<ColumnDef> columns = {
        {.title = u"시즌년도"_s, .field = u"SEASON_YEAR"_s, .width = 76, .dataWidth = 4, .alignment = Qt::AlignCenter,
         .readOnly = true},
        {.title = u"강사사번"_s, .field = u"COACH_NO"_s, .width = 105, .dataWidth = 8, .alignment = Qt::AlignCenter,
         .key = true},
        {.title = u"강사이름"_s, .field = u"COACH_NAME"_s, .width = 154, .dataWidth = 60,
         .alignment = Qt::AlignCenter, .readOnly = true},
        {.title = u"강사레벨"_s, .field = u"COACH_LEVEL"_s, .width = 86, .dataWidth = 2, .alignment = Qt::AlignCenter,
         .readOnly = true},
        {.title = u"강의여부"_s, .field = u"USE_YN"_s, .dataWidth = 1, .visible = false, .readOnly = true},
    };
    for (int n = 0; n < 7; ++n) {
        columns.append({.title = u"최대인원_"_s + DayTitles.at(n), .field = u"TOT_CLS_"_s + DayFields.at(n),
                        .width = 80, .dataWidth = 3, .alignment = Qt::AlignRight});
        columns.append({.title = u"잔여인원_"_s + DayTitles.at(n), .field = u"RE_CLS_"_s + DayFields.at(n),
                        .width = 80, .dataWidth = 3, .alignment = Qt::AlignRight});
    }
    SetColumns(columns);

    QList<FieldDef> fields = {
        {.name = u"Edit1"_s, .caption = u"*강사사번"_s, .field = u"COACH_NO"_s, .bytes = 8, .width = 90},
        {.name = u"Edit3"_s, .caption = u"강사명"_s, .field = u"COACH_NAME"_s, .bytes = 60, .readOnly = true},
    };
    for (int n : PanelDays) {
        const QString day = DayControls.at(n);
        fields.append({.name = u"wNumEdit_Re_"_s + day, .caption = u"%1요일  잔여인원"_s.arg(DayTitles.at(n)),
                       .kind = FieldKind::Number, .field = u"RE_CLS_"_s + DayFields.at(n), .bytes = 3, .width = 50});
        fields.append({.name = u"wNumEdit_Tot_"_s + day, .caption = u"최대인원"_s, .kind = FieldKind::Number,
                       .field = u"TOT_CLS_"_s + DayFields.at(n), .bytes = 3, .sameLine = true, .width = 50});
    }
    AddFields(fields);
    bbtAdd->hide();
    bbtDelete->hide();

    qryQuery.setSql(u"SELECT A.season_year, A.coach_no, A.coach_name, A.coach_level, A.use_yn"_s + PlaceColumns()
                    + u"\nFROM   ec090ms A\n"
                      "LEFT   JOIN (SELECT coach_no,\n"
                      "                      "_s
                    + FoldedDays()
                    + u"\n               FROM   ec090dt\n"
                      "               WHERE  season_year = :SEASON_YEAR\n"
                      "               GROUP  BY coach_no) B ON B.coach_no = A.coach_no\n"
                      "WHERE  A.season_year = :SEASON_YEAR\n"
                      "ORDER  BY A.coach_no"_s);
    prcSaveData.setName(u"pr_eci170_01"_s);
    QStringList days;
    for (int n = 1; n <= 7; ++n)
        days << u"ACLASS_DAY_CODE_%1"_s.arg(n) << u"ATOT_CLS_CNT_%1"_s.arg(n) << u"ARE_CLS_CNT_%1"_s.arg(n);
    prcSaveData.declare(days);
    SetOptions({.keepEmptyRow = true});
}

void TfrmECI170::RowParameters(const QHash<QString, QString> &cells)
{
    for (int n = 0; n < 7; ++n) {
        const QString code = QString::number(n + 1);
        prcSaveData.setValue(u"ACLASS_DAY_CODE_"_s + code, code);
        prcSaveData.setValue(u"ATOT_CLS_CNT_"_s + code, cells.value(u"TOT_CLS_"_s + DayFields.at(n)));
        prcSaveData.setValue(u"ARE_CLS_CNT_"_s + code, cells.value(u"RE_CLS_"_s + DayFields.at(n)));
    }
}
