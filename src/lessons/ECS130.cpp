#include "ECS130.h"

#include "ECP130.h"
#include "GridModel.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

TfrmECS130::TfrmECS130(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS130"_s, .caption = u"직원예약 현황 조회,출력"_s, .report = ListReport<TfrmECP130>},
                 parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*예약일자"_s, .kind = FieldKind::Date,
                      .field = u"YAEYAK_DATE"_s, .printLine = 1}});
    cdsQuery->setColumns({
        {.title = u"사번"_s, .field = u"EMP_NO"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {22}},
        {.title = u"사원명"_s, .field = u"EMP_NAME"_s, .width = 90, .print = {26}},
        {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_NAME"_s, .width = 90, .alignment = Qt::AlignCenter,
         .print = {26}},
        {.title = u"강습접수"_s, .field = u"LECTURE_REC_NAME"_s, .width = 90, .alignment = Qt::AlignCenter,
         .print = {26}},
        {.title = u"강습세부"_s, .field = u"LECTURE_DETAIL_NAME"_s, .width = 90, .alignment = Qt::AlignCenter,
         .print = {26}},
        {.title = u"강습인원"_s, .field = u"YAEYAK_CNT"_s, .width = 60, .alignment = Qt::AlignRight,
         .print = {.width = 18, .number = true}},
        {.title = u"비고"_s, .field = u"REMARK"_s, .width = 250, .print = {120}},
    });
    SetQuery(u"SELECT t.emp_no, t.emp_name,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_ITEM_CODE"_s, u"t.lecture_item_gubun"_s) + u" AS lecture_item_name,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_REC_CODE"_s, u"t.lecture_rec_gubun"_s) + u" AS lecture_rec_name,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_DETAIL_CODE"_s, u"t.lecture_detail_gubun"_s)
                 + u" AS lecture_detail_name,\n"
                   "       t.yaeyak_cnt, t.remark\n"
                   "FROM   ec050ms t\n"
                   "WHERE  t.yaeyak_date = :YAEYAK_DATE\n"
                   "ORDER  BY t.emp_no, t.lecture_item_gubun, t.lecture_rec_gubun, t.lecture_detail_gubun"_s,
             {{u"GC_LECTURE_ITEM_CODE"_s, u"E0022"_s},
              {u"GC_LECTURE_REC_CODE"_s, u"E0023"_s},
              {u"GC_LECTURE_DETAIL_CODE"_s, u"E0024"_s}});
}
