#include "ECS110.h"

#include "ECP110.h"
#include "GridModel.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

TfrmECS110::TfrmECS110(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS110"_s, .caption = u"강사배정 현황 조회,출력"_s, .report = ListReport<TfrmECP110>},
                 parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*배정일자"_s, .kind = FieldKind::Date,
                      .field = u"LECTURE_DATE"_s, .printLine = 1}});
    cdsQuery->setColumns({
        {.title = u"강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {20}},
        {.title = u"강사명"_s, .field = u"LECTURER_NAME"_s, .width = 90, .print = {24}},
        {.title = u"조"_s, .field = u"TEAM_NAME"_s, .width = 70, .alignment = Qt::AlignCenter, .print = {20}},
        {.title = u"강사구분"_s, .field = u"LECTURER_GUBUN_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {22}},
        {.title = u"강습지역"_s, .field = u"AREA_GUBUN_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {22}},
        {.title = u"강습세부"_s, .field = u"LECTURE_DETAIL_GUBUN_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {22}},
        {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_GUBUN_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {22}},
        {.title = u"강습접수"_s, .field = u"LECTURE_REC_GUBUN_NAME"_s, .width = 90, .alignment = Qt::AlignCenter,
         .print = {24}},
        {.title = u"강습인원"_s, .field = u"LECTURE_CNT"_s, .width = 60, .alignment = Qt::AlignRight,
         .print = {.width = 16, .number = true}},
        {.title = u"비고"_s, .field = u"REMARK"_s, .width = 200, .print = {70}},
    });
    SetQuery(u"SELECT t.lecturer_emp_no, t.lecturer_name,\n"
             "       (SELECT code_name FROM zx900dt WHERE grp_no = :GC_TEAM_CODE AND code_no = t.team) AS team_name,\n"
             "       (SELECT code_name FROM zx900dt WHERE grp_no = :GC_LECTURER_GUBUN_CODE AND code_no = t.lecturer_gubun)\n"
             "           AS lecturer_gubun_name,\n"
             "       "_s + CodeNameSql(u"GC_AREA_GUBUN_CODE"_s, u"t.area_gubun"_s) + u" AS area_gubun_name,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_DETAIL_CODE"_s, u"t.lecture_detail_gubun"_s)
                 + u" AS lecture_detail_gubun_name,\n"
                   "       "_s + CodeNameSql(u"GC_LECTURE_ITEM_CODE"_s, u"t.lecture_item_gubun"_s)
                 + u" AS lecture_item_gubun_name,\n"
                   "       "_s + CodeNameSql(u"GC_LECTURE_REC_CODE"_s, u"t.lecture_rec_gubun"_s)
                 + u" AS lecture_rec_gubun_name,\n"
                   "       t.lecture_cnt, t.remark\n"
                   "FROM   ec030ms t\n"
                   "WHERE  t.lecture_date = :LECTURE_DATE\n"
                   "ORDER  BY t.lecturer_emp_no, t.area_gubun, t.lecture_detail_gubun"_s,
             {{u"GC_TEAM_CODE"_s, u"Q043"_s},
              {u"GC_LECTURER_GUBUN_CODE"_s, u"Q044"_s},
              {u"GC_AREA_GUBUN_CODE"_s, u"E0017"_s},
              {u"GC_LECTURE_DETAIL_CODE"_s, u"E0024"_s},
              {u"GC_LECTURE_ITEM_CODE"_s, u"E0022"_s},
              {u"GC_LECTURE_REC_CODE"_s, u"E0023"_s}});
}
