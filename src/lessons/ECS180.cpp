#include "ECS180.h"

#include "CodeServices.h"
#include "ECP180.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "Interski.h"

using namespace Qt::StringLiterals;

TfrmECS180::TfrmECS180(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS180"_s, .caption = u"인터스키 접수 현황"_s, .report = ListReport<TfrmECP180>},
                 parent)
{
    TextEdit *edtSeason = nullptr;
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"조회연도"_s, .field = u"SEASON_YEAR"_s, .bytes = 4, .required = true,
         .width = 50, .to = &edtSeason, .printLine = 1},
        {.name = u"edtGuest_NAME"_s, .caption = u"신청자명"_s, .field = u"GUEST_NAME"_s, .bytes = 60,
         .sameLine = true, .width = 110, .condition = u"t.guest_name LIKE :GUEST_NAME ESCAPE '!'"_s,
         .bound = LikeAnywhere, .printLine = 2},
        {.name = u"edtStudent_NAME"_s, .caption = u"수강생명"_s, .field = u"STUDENT_NAME"_s, .bytes = 60,
         .sameLine = true, .width = 110, .condition = u"t.student_name LIKE :STUDENT_NAME ESCAPE '!'"_s,
         .bound = LikeAnywhere, .printLine = 3},
    });
    edtSeason->setText(Interski::StartingYear(QDate::currentDate()));
    cdsQuery->setColumns({
        {.title = u"예약번호"_s, .field = u"RSV_NO"_s, .width = 70, .alignment = Qt::AlignCenter, .print = {18}},
        {.title = u"예약상태"_s, .field = u"STATUS_CODE"_s, .width = 60, .alignment = Qt::AlignCenter, .print = {14}},
        {.title = u"신청자명"_s, .field = u"GUEST_NAME"_s, .width = 80, .print = {24}},
        {.title = u"신청자아이디"_s, .field = u"GUEST_ID"_s, .width = 90, .print = {26}},
        {.title = u"수강생명"_s, .field = u"STUDENT_NAME"_s, .width = 80, .print = {24}},
        {.title = u"연락처"_s, .field = u"GUEST_TEL"_s, .width = 110, .print = {30}},
        {.title = u"강사이름"_s, .field = u"COACH_NAME"_s, .width = 80, .print = {24}},
        {.title = u"신청 요일"_s, .field = u"CLASS_DAY_NAME"_s, .width = 70, .alignment = Qt::AlignCenter,
         .print = {18}},
        {.title = u"비고"_s, .field = u"REMARKS"_s, .width = 220, .print = {75}},
    });
    SetQuery(uR"sql(SELECT t.rsv_no, t.status_code, t.guest_name, t.guest_id, t.student_name, t.guest_tel,
       (SELECT coach_name FROM ec090ms WHERE season_year = t.season_year AND coach_no = t.coach_no) AS coach_name,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_WEEKDAY_CODE AND detail = t.class_day_code) AS class_day_name,
       t.remarks
FROM   ec100ms t
WHERE  t.season_year = :SEASON_YEAR{filters}
ORDER  BY t.remarks, t.rsv_no)sql"_s,
             {{u"GC_WEEKDAY_CODE"_s, u"Z0011"_s}});
}
