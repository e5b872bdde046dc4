#include "EDS040.h"

#include "EDP040.h"
#include "GridModel.h"

using namespace Qt::StringLiterals;

TfrmEDS040::TfrmEDS040(QWidget *parent)
    : TfrmEZS000({.form = u"frmEDS040"_s, .caption = u"스키대회 현황 조회,출력"_s, .report = ListReport<TfrmEDP040>},
                 parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*대회일자"_s, .kind = FieldKind::Date,
                      .field = u"GAME_DATE"_s, .printLine = 1}});
    cdsQuery->setColumns({
        {.title = u"순번"_s, .field = u"SEQ_NO"_s, .width = 38, .alignment = Qt::AlignCenter, .print = {10}},
        {.title = u"대회명"_s, .field = u"GAME_NAME"_s, .width = 107, .print = {30}},
        {.title = u"협회"_s, .field = u"SOCIETY_NAME"_s, .width = 101, .print = {28}},
        {.title = u"대표자"_s, .field = u"SOCIETY_REP"_s, .width = 80, .print = {20}},
        {.title = u"연락처"_s, .field = u"TEL_NO"_s, .width = 90, .print = {24}},
        {.title = u"대회내용"_s, .field = u"GAME_CONTENT"_s, .width = 106, .print = {30}},
        {.title = u"대회규모"_s, .field = u"GAME_SCALE"_s, .width = 90, .print = {24}},
        {.title = u"슬로프"_s, .field = u"SLOPE"_s, .width = 94, .print = {22}},
        {.title = u"슬로프사용료"_s, .field = u"SLOPE_AMT"_s, .width = 80, .alignment = Qt::AlignRight,
         .print = {22}},
        {.title = u"문제점"_s, .field = u"PROBLEM"_s, .width = 80, .print = {26}},
        {.title = u"비고"_s, .field = u"REMARK"_s, .width = 112, .print = {26}},
    });
    SetQuery(uR"sql(SELECT seq_no, game_name, society_name, society_rep, fn_za010ms_04(tel_no) AS tel_no, game_content,
       game_scale,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_SLOPE_CODE AND detail = slope) AS slope,
       TO_CHAR(slope_amt, 'FM9,999,999,999') AS slope_amt, problem, remark
FROM   ed010ms
WHERE  game_date = :GAME_DATE
ORDER  BY seq_no)sql"_s,
             {{u"GC_SLOPE_CODE"_s, u"E0006"_s}});
}
