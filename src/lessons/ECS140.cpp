#include "ECS140.h"

#include "ECP140.h"
#include "GridModel.h"
#include "ReportSql.h"

using namespace Qt::StringLiterals;

TfrmECS140::TfrmECS140(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS140"_s, .caption = u"사설강습 현황 조회,출력"_s, .report = ListReport<TfrmECP140>},
                 parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*강습일자"_s, .kind = FieldKind::Date,
                      .field = u"LECTURE_DATE"_s, .printLine = 1}});
    cdsQuery->setColumns({
        {.title = u"순번"_s, .field = u"SEQ_NO"_s, .width = 40, .alignment = Qt::AlignCenter, .print = {10}},
        {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {22}},
        {.title = u"강사명"_s, .field = u"LECTURER_NAME"_s, .width = 90, .print = {26}},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 100, .print = {28}},
        {.title = u"자격증번호"_s, .field = u"ISSUE_NO"_s, .width = 100, .print = {28}},
        {.title = u"강습접수"_s, .field = u"LECTURE_REC_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {22}},
        {.title = u"강습세부"_s, .field = u"LECTURE_DETAIL_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {22}},
        {.title = u"금액"_s, .field = u"LECTURE_AMT"_s, .width = 90, .alignment = Qt::AlignRight, .print = {24}},
        {.title = u"비고"_s, .field = u"REMARK"_s, .width = 200, .print = {60}},
    });
    SetQuery(u"SELECT t.seq_no,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_ITEM_CODE"_s, u"t.lecture_item_gubun"_s) + u" AS lecture_item_name,\n"
             "       t.lecturer_name, t.tel_no, t.issue_no,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_REC_CODE"_s, u"t.lecture_rec_gubun"_s) + u" AS lecture_rec_name,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_DETAIL_CODE"_s, u"t.lecture_detail_gubun"_s)
                 + u" AS lecture_detail_name,\n"
                   "       TO_CHAR(t.lecture_amt, 'FM9,999,999,999') AS lecture_amt, t.remark\n"
                   "FROM   ec060ms t\n"
                   "WHERE  t.lecture_date = :LECTURE_DATE\n"
                   "ORDER  BY t.seq_no"_s,
             {{u"GC_LECTURE_ITEM_CODE"_s, u"E0022"_s},
              {u"GC_LECTURE_REC_CODE"_s, u"E0023"_s},
              {u"GC_LECTURE_DETAIL_CODE"_s, u"E0024"_s}});
}
