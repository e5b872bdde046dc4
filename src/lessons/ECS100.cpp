#include "ECS100.h"

#include "CodeCombo.h"
#include "ECP100.h"
#include "GridModel.h"
#include "Lookups.h"
#include "ReportSql.h"
#include "ZZP010.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QString Select =
    u"SELECT COALESCE(TO_CHAR("_s + u"CASE WHEN T1.receipt_no ~ '^[0-9]+$' THEN CAST(T1.receipt_no AS bigint) END"_s
    + u", 'FM0000000000'), T1.receipt_no) AS receipt_no,\n"
    "       SUBSTR(T1.enter_date, 1, 4) || '-' || SUBSTR(T1.enter_date, 5, 2) || '-' || SUBSTR(T1.enter_date, 7, 2)\n"
    "           AS enter_date,\n"
    "       T1.receipt_name, T2.receipt_seq, T2.member_no, T2.trainer_name,\n"
    "       "_s + CodeNameSql(u"GC_SEX_CODE"_s, u"T2.sex"_s) + u" AS sex_name, T2.age,\n"
    "       CASE WHEN T2.id_no IS NOT NULL THEN\n"
    "            SUBSTR(fn_za010ms_04(T2.id_no), 1, 6) || '-' || SUBSTR(fn_za010ms_04(T2.id_no), 7) END AS id_no,\n"
    "       fn_za010ms_04(T2.tel_no) AS tel_no, fn_za010ms_04(T2.mobile_no) AS mobile_no,\n"
    "       "_s + CodeNameSql(u"GC_LECTURE_ITEM_CODE"_s, u"T2.lecture_item_gubun"_s) + u" AS lecture_item_name,\n"
    "       "_s + CodeNameSql(u"GC_LECTURE_REC_CODE"_s, u"T2.lecture_rec_gubun"_s) + u" AS lecture_rec_name,\n"
    "       "_s + CodeNameSql(u"GC_LECTURE_DETAIL_CODE"_s, u"T2.lecture_detail_gubun"_s)
    + u" AS lecture_detail_name,\n"
      "       T2.lecturer_emp_no, T2.lecturer_name\n"
      "FROM   ec020ms T1\n"
      "JOIN   ec020dt T2 ON T2.season_gubun = T1.season_gubun AND T2.receipt_no = T1.receipt_no\n"
      "WHERE  T1.season_gubun = :SEASON_GUBUN"_s;

// The line each choice of the condition list adds. Receipt numbers are
// digits compared as numbers, leading zeros aside.
const QString ConditionLines[] = {
    {},
    u"\nAND    T1.enter_date BETWEEN COALESCE(CAST(:ENTER_DATE_FROM AS text), '00000000')"
    " AND COALESCE(CAST(:ENTER_DATE_TO AS text), '99999999')"_s,
    u"\nAND    CASE WHEN T1.receipt_no ~ '^[0-9]+$' THEN CAST(T1.receipt_no AS bigint) END BETWEEN COALESCE(CAST(:RECEIPT_NO_FROM AS bigint), 0)"
    " AND COALESCE(CAST(:RECEIPT_NO_TO AS bigint), 9999999999)"_s,
};

const TfrmEZS000::Binds Fixed = {{u"GC_SEX_CODE"_s, u"Z0008"_s},
                                 {u"GC_LECTURE_ITEM_CODE"_s, u"E0022"_s},
                                 {u"GC_LECTURE_REC_CODE"_s, u"E0023"_s},
                                 {u"GC_LECTURE_DETAIL_CODE"_s, u"E0024"_s}};

} // namespace

TfrmECS100::TfrmECS100(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS100"_s, .caption = u"스키학교 수강생 현황 조회,출력"_s,
                  .report = ListReport<TfrmECP100>},
                 parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .kind = FieldKind::CodeName, .field = u"SEASON_GUBUN"_s,
         .bytes = 2, .codeGroup = u"E0004"_s, .required = true, .width = 40, .printLine = 1,
         .pick = CodeLookup(u"스키 시즌구분"_s), .picked = [this] { cboCondition->setFocus(); }, .nameWidth = 120},
        {.name = u"cboCondition"_s, .caption = u"검색조건"_s, .kind = FieldKind::Code, .field = u"CONDITION"_s,
         .sameLine = true, .width = 100, .to = &cboCondition,
         .choices = {{u"[ 전 체 ]"_s, u"접수일자"_s, u"접수번호"_s}, {u"0"_s, u"1"_s, u"2"_s}}, .printLine = 2},
    });
    AddConditionPages(cboCondition,
                      {{},
                       {{.name = u"wmeEnterDateFrom"_s, .caption = u"접수일자"_s, .kind = FieldKind::DateRange,
                         .field = u"ENTER_DATE_FROM"_s, .printLine = 0}},
                       {{.name = u"edtReceiptNoFrom"_s, .caption = u"접수번호"_s, .field = u"RECEIPT_NO_FROM"_s,
                         .bytes = 10, .width = 90, .to = &edtReceiptNoFrom, .printLine = 0},
                        {.name = u"edtReceiptNoTo"_s, .caption = u"∼"_s, .field = u"RECEIPT_NO_TO"_s, .bytes = 10,
                         .width = 90, .to = &edtReceiptNoTo, .printLine = 0}}});

    cdsQuery->setColumns({
        {.title = u"접수번호"_s, .field = u"RECEIPT_NO"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {20}},
        {.title = u"접수일자"_s, .field = u"ENTER_DATE"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {18}},
        {.title = u"접수자명"_s, .field = u"RECEIPT_NAME"_s, .width = 80, .print = {16}},
        {.title = u"순번"_s, .field = u"RECEIPT_SEQ"_s, .width = 40, .alignment = Qt::AlignCenter, .print = {8}},
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {18}},
        {.title = u"수강자명"_s, .field = u"TRAINER_NAME"_s, .width = 80, .print = {16}},
        {.title = u"성별"_s, .field = u"SEX_NAME"_s, .width = 40, .alignment = Qt::AlignCenter, .print = {8}},
        {.title = u"나이"_s, .field = u"AGE"_s, .width = 40, .alignment = Qt::AlignRight, .print = {8}},
        {.title = u"주민등록번호"_s, .field = u"ID_NO"_s, .width = 110, .alignment = Qt::AlignCenter,
         .print = {26}},
        {.title = u"연락처(자택)"_s, .field = u"TEL_NO"_s, .width = 100, .print = {22}},
        {.title = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .width = 100, .print = {22}},
        {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_NAME"_s, .width = 70, .alignment = Qt::AlignCenter,
         .print = {14}},
        {.title = u"강습접수"_s, .field = u"LECTURE_REC_NAME"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {16}},
        {.title = u"강습세부"_s, .field = u"LECTURE_DETAIL_NAME"_s, .width = 60, .alignment = Qt::AlignCenter,
         .print = {12}},
        {.title = u"담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .width = 80, .alignment = Qt::AlignCenter,
         .print = {14, u"담당강사\n사번"_s}},
        {.title = u"담당강사명"_s, .field = u"LECTURER_NAME"_s, .width = 80, .print = {16, u"담당\n강사명"_s}},
    });
    SetQuery(ListSql(All), Fixed);
}

QString TfrmECS100::ListSql(int condition)
{
    return Select + ConditionLines[std::clamp(condition, 0, 2)] + u"\nORDER  BY T1.receipt_no, T2.receipt_seq"_s;
}

TfrmECS100::Condition TfrmECS100::chosen() const
{
    return Condition(std::clamp(cboCondition->currentIndex(), 0, 2));
}

QList<TfrmZZI000::ContractQuery> TfrmECS100::ContractQueries() const
{
    QHash<QString, QString> fixed;
    for (const auto &[name, value] : Fixed)
        fixed.insert(name, value);
    QList<ContractQuery> queries;
    for (int condition = All; condition <= ReceiptNo; ++condition)
        queries.append({ListSql(condition), fixed});
    return queries;
}

QList<RowCheck> TfrmECS100::SearchChecks()
{
    if (chosen() != ReceiptNo)
        return {};
    return NumberRangeChecks(edtReceiptNoFrom, edtReceiptNoTo, u"접수번호"_s);
}

void TfrmECS100::PrepareSearch()
{
    qryQuery.setSql(ListSql(chosen()));
    for (const auto &[name, value] : Fixed)
        qryQuery.bind(name, value);
}

void TfrmECS100::FillConditions(TfrmZZP010 &report)
{
    TfrmEZS000::FillConditions(report);
    QString bare;
    if (chosen() == ReceiptNo) {
        bare = NumberRangeText(edtReceiptNoFrom, edtReceiptNoTo);
    } else if (chosen() == EnterDate) {
        for (const Field &field : SearchFields())
            if (field.def.name == u"wmeEnterDateFrom"_s)
                bare = field.printed();
    }
    report.SetCondition(bare);
}
