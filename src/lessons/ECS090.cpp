#include "ECS090.h"

#include "ECP090.h"
#include "GridModel.h"
#include "Lookups.h"
#include "ReportSql.h"
#include "ZZP010.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

TfrmECS090::TfrmECS090(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS090"_s, .caption = u"스키클럽 수강현황 조회,출력"_s,
                  .report = ListReport<TfrmECP090>},
                 parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .kind = FieldKind::CodeName, .field = u"SEASON_GUBUN"_s,
         .bytes = 2, .codeGroup = u"E0004"_s, .required = true, .width = 40, .printLine = 1,
         .pick = CodeLookup(u"스키 시즌구분"_s), .picked = [this] { edtLectureNoFrom->setFocus(); },
         .nameWidth = 120},
        {.name = u"edtLectureNoFrom"_s, .caption = u"수강번호"_s, .field = u"LECTURE_NO_FROM"_s, .bytes = 8,
         .sameLine = true, .width = 80, .to = &edtLectureNoFrom, .printLine = 0},
        {.name = u"edtLectureNoTo"_s, .caption = u"∼"_s, .field = u"LECTURE_NO_TO"_s, .bytes = 8, .sameLine = true,
         .width = 80, .to = &edtLectureNoTo, .printLine = 0},
    });
    cdsQuery->setColumns({
        {.title = u"수강번호"_s, .field = u"LECTURE_NO"_s, .width = 70, .alignment = Qt::AlignCenter, .print = {18}},
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {22}},
        {.title = u"수강자명"_s, .field = u"TRAINER_NAME"_s, .width = 80, .print = {20}},
        {.title = u"등록일자"_s, .field = u"ENTER_DATE"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {20}},
        {.title = u"성별"_s, .field = u"SEX_NAME"_s, .width = 40, .alignment = Qt::AlignCenter, .print = {8}},
        {.title = u"나이"_s, .field = u"AGE"_s, .width = 40, .alignment = Qt::AlignRight, .print = {8}},
        {.title = u"주민등록번호"_s, .field = u"ID_NO"_s, .width = 110, .alignment = Qt::AlignCenter,
         .print = {28}},
        {.title = u"연락처(자택)"_s, .field = u"TEL_NO"_s, .width = 100, .print = {24}},
        {.title = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .width = 100, .print = {24}},
        {.title = u"E-MAIL"_s, .field = u"EMAIL"_s, .width = 130, .print = {30}},
        {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_NAME"_s, .width = 70, .alignment = Qt::AlignCenter,
         .print = {16}},
        {.title = u"강습접수"_s, .field = u"LECTURE_REC_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {18}},
        {.title = u"담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {16, u"담당강사\n사번"_s}},
        {.title = u"담당강사명"_s, .field = u"LECTURER_NAME"_s, .width = 80, .print = {18, u"담당\n강사명"_s}},
    });
    SetQuery(u"SELECT TO_CHAR(t.lecture_no, 'FM00000000') AS lecture_no, t.member_no, t.trainer_name,\n"
             "       SUBSTR(t.enter_date, 1, 4) || '-' || SUBSTR(t.enter_date, 5, 2) || '-' || SUBSTR(t.enter_date, 7, 2)\n"
             "           AS enter_date,\n"
             "       "_s + CodeNameSql(u"GC_SEX_CODE"_s, u"t.sex"_s) + u" AS sex_name, t.age,\n"
             "       CASE WHEN t.id_no IS NOT NULL THEN\n"
             "            SUBSTR(fn_za010ms_04(t.id_no), 1, 6) || '-' || SUBSTR(fn_za010ms_04(t.id_no), 7) END AS id_no,\n"
             "       fn_za010ms_04(t.tel_no) AS tel_no, fn_za010ms_04(t.mobile_no) AS mobile_no, t.email,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_ITEM_CODE"_s, u"t.lecture_item_gubun"_s) + u" AS lecture_item_name,\n"
             "       "_s + CodeNameSql(u"GC_LECTURE_REC_CODE"_s, u"t.lecture_rec_gubun"_s) + u" AS lecture_rec_name,\n"
             "       t.lecturer_emp_no, t.lecturer_name\n"
             "FROM   ec010ms t\n"
             "WHERE  t.season_gubun = :SEASON_GUBUN\n"
             "AND    t.lecture_no BETWEEN COALESCE(CAST(:LECTURE_NO_FROM AS bigint), 0)\n"
             "                        AND COALESCE(CAST(:LECTURE_NO_TO AS bigint), 99999999)\n"
             "ORDER  BY t.lecture_no"_s,
             {{u"GC_SEX_CODE"_s, u"Z0008"_s},
              {u"GC_LECTURE_ITEM_CODE"_s, u"E0022"_s},
              {u"GC_LECTURE_REC_CODE"_s, u"E0023"_s}});
}

QList<RowCheck> TfrmECS090::SearchChecks()
{
    return NumberRangeChecks(edtLectureNoFrom, edtLectureNoTo, u"수강번호"_s);
}

void TfrmECS090::FillConditions(TfrmZZP010 &report)
{
    TfrmEZS000::FillConditions(report);
    report.SetCondition2(TfrmZZP010::ConditionText({{u"수강번호"_s, NumberRangeText(edtLectureNoFrom, edtLectureNoTo)}}));
}
