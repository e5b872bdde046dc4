#include "ECS120.h"

#include "CountingList.h"
#include "ECP120.h"
#include "GridModel.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

namespace {

const QString Period = u"t.lecture_date BETWEEN COALESCE(CAST(:LECTURE_DATE_FROM AS text), '00000000')\n"
                       "                         AND COALESCE(CAST(:LECTURE_DATE_TO AS text), '99999999')"_s;

} // namespace

TfrmECS120::TfrmECS120(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS120"_s, .caption = u"기간별 강사출역현황 조회,출력"_s,
                  .report = ListReport<TfrmECP120>},
                 parent)
{
    AddSearchFields({{.name = u"wmeDateFrom"_s, .caption = u"*출역일자"_s, .kind = FieldKind::DateRange,
                      .field = u"LECTURE_DATE_FROM"_s, .printLine = 1}});
    cdsQuery->setColumns({
        {.title = u"강사사번"_s, .field = u"DIS_LECTURER_EMP_NO"_s, .width = 95, .alignment = Qt::AlignCenter,
         .print = {26}},
        {.title = u"강사명"_s, .field = u"LECTURER_NAME"_s, .width = 113, .print = {32}},
        {.title = u"조"_s, .field = u"TEAM_NAME"_s, .width = 64, .alignment = Qt::AlignCenter, .print = {24}},
        {.title = u"강사구분"_s, .field = u"LECTURER_GUBUN_NAME"_s, .width = 93, .alignment = Qt::AlignCenter,
         .print = {28}},
        {.title = u"강습지역"_s, .field = u"AREA_GUBUN_NAME"_s, .width = 110, .alignment = Qt::AlignCenter,
         .print = {30}},
        {.title = u"강습세부"_s, .field = u"LECTURE_DETAIL_GUBUN_NAME"_s, .width = 155, .alignment = Qt::AlignCenter,
         .print = {40}},
        {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_GUBUN_NAME"_s, .width = 155, .alignment = Qt::AlignCenter,
         .print = {40}},
        {.title = u"강습접수"_s, .field = u"LECTURE_REC_GUBUN_NAME"_s, .width = 155, .alignment = Qt::AlignCenter,
         .footer = true, .print = {40}},
    });
    ColourSubtotalRows(rgrGrid, u"LECTURE_ITEM_GUBUN_NAME"_s);
    // Each instructor's assignments, then their subtotal row: the row kind
    // sorts, never a blank against digits.
    SetQuery(u"SELECT CASE WHEN x.row_kind = 1 THEN ' ' ELSE x.lecturer_emp_no END AS dis_lecturer_emp_no,\n"
             "       x.lecturer_name, x.team_name, x.lecturer_gubun_name, x.area_gubun_name,\n"
             "       x.lecture_detail_gubun_name, x.lecture_item_gubun_name, x.lecture_rec_gubun_name\n"
             "FROM  (SELECT t.lecturer_emp_no, 0 AS row_kind, t.lecture_date, t.area_gubun, t.lecture_detail_gubun,\n"
             "              t.lecturer_name,\n"
             "              (SELECT code_name FROM zx900dt WHERE grp_no = :GC_TEAM_CODE AND code_no = t.team)\n"
             "                  AS team_name,\n"
             "              (SELECT code_name FROM zx900dt\n"
             "               WHERE  grp_no = :GC_LECTURER_GUBUN_CODE AND code_no = t.lecturer_gubun)\n"
             "                  AS lecturer_gubun_name,\n"
             "              "_s + CodeNameSql(u"GC_AREA_GUBUN_CODE"_s, u"t.area_gubun"_s) + u" AS area_gubun_name,\n"
             "              "_s + CodeNameSql(u"GC_LECTURE_DETAIL_CODE"_s, u"t.lecture_detail_gubun"_s)
                 + u" AS lecture_detail_gubun_name,\n"
                   "              "_s + CodeNameSql(u"GC_LECTURE_ITEM_CODE"_s, u"t.lecture_item_gubun"_s)
                 + u" AS lecture_item_gubun_name,\n"
                   "              "_s + CodeNameSql(u"GC_LECTURE_REC_CODE"_s, u"t.lecture_rec_gubun"_s)
                 + u" AS lecture_rec_gubun_name\n"
                   "       FROM   ec030ms t\n"
                   "       WHERE  "_s + Period + u"\n"
                   "       UNION  ALL\n"
                   "       SELECT t.lecturer_emp_no, 1, NULL, NULL, NULL, ' ', NULL, NULL, NULL, NULL, '"_s
                 + SubtotalLabel + u"',\n"
                   "              COUNT(*)::text\n"
                   "       FROM   ec030ms t\n"
                   "       WHERE  "_s + Period + u"\n"
                   "       GROUP  BY t.lecturer_emp_no) x\n"
                   "ORDER  BY x.lecturer_emp_no, x.row_kind, x.lecture_date, x.area_gubun, x.lecture_detail_gubun"_s,
             {{u"GC_TEAM_CODE"_s, u"Q043"_s},
              {u"GC_LECTURER_GUBUN_CODE"_s, u"Q044"_s},
              {u"GC_AREA_GUBUN_CODE"_s, u"E0017"_s},
              {u"GC_LECTURE_DETAIL_CODE"_s, u"E0024"_s},
              {u"GC_LECTURE_ITEM_CODE"_s, u"E0022"_s},
              {u"GC_LECTURE_REC_CODE"_s, u"E0023"_s}});
    SetFooterQuery(u"SELECT COUNT(*) AS lecture_rec_gubun_name\n"
                   "FROM   ec030ms t\n"
                   "WHERE  "_s + Period);
}
