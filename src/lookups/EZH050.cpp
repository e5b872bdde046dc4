#include "EZH050.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

const QString MasterSql = u"SELECT receipt_no,\n"
                          "       CASE WHEN enter_date IS NOT NULL THEN\n"
                          "            CONCAT(SUBSTR(enter_date, 1, 4), '-', SUBSTR(enter_date, 5, 2), '-',\n"
                          "                   SUBSTR(enter_date, 7, 2)) END AS enter_date,\n"
                          "       receipt_name\n"
                          "FROM   ec020ms\n"
                          "WHERE  season_gubun = :SEASON_GUBUN\n"
                          "AND    receipt_name LIKE :RECEIPT_NAME ESCAPE '!'\n"
                          "ORDER  BY receipt_no"_s;

const QString DetailSql = u"SELECT receipt_seq,\n"
                          "       trainer_name,\n"
                          "       (SELECT detail_name FROM zx010ms WHERE head = :GC_SEX_CODE\n"
                          "           AND detail = sex) AS sex,\n"
                          "       age,\n"
                          "       (SELECT detail_name FROM zx010ms WHERE head = :GC_LECTURE_ITEM_CODE\n"
                          "           AND detail = lecture_item_gubun) AS lecture_item_gubun,\n"
                          "       (SELECT detail_name FROM zx010ms WHERE head = :GC_LECTURE_REC_CODE\n"
                          "           AND detail = lecture_rec_gubun) AS lecture_rec_gubun,\n"
                          "       (SELECT detail_name FROM zx010ms WHERE head = :GC_LECTURE_DETAIL_CODE\n"
                          "           AND detail = lecture_detail_gubun) AS lecture_detail_gubun\n"
                          "FROM   ec020dt\n"
                          "WHERE  season_gubun = :SEASON_GUBUN\n"
                          "AND    receipt_no   = :RECEIPT_NO\n"
                          "ORDER  BY receipt_seq"_s;

} // namespace

TfrmEZH050::TfrmEZH050(const QString &season, QWidget *parent)
    : TfrmEZH000(u"frmEZH050"_s, u"접수번호"_s, parent)
{
    AddSearchField({.label = u"접수자명"_s, .name = u"edtReceiptName"_s, .bind = u"RECEIPT_NAME"_s, .maxLength = 30});
    SetColumns({
        {.title = u"접수번호"_s, .field = u"RECEIPT_NO"_s, .width = 86, .alignment = Qt::AlignHCenter},
        {.title = u"등록일자"_s, .field = u"ENTER_DATE"_s, .width = 105, .alignment = Qt::AlignHCenter},
        {.title = u"접수자명"_s, .field = u"RECEIPT_NAME"_s, .width = 214},
    });
    SetSql(MasterSql);
    SetDetail({.columns = {{.title = u"순번"_s, .field = u"RECEIPT_SEQ"_s, .width = 52, .alignment = Qt::AlignHCenter},
                           {.title = u"수강자명"_s, .field = u"TRAINER_NAME"_s, .width = 104},
                           {.title = u"성별"_s, .field = u"SEX"_s, .width = 49, .alignment = Qt::AlignHCenter},
                           {.title = u"나이"_s, .field = u"AGE"_s, .width = 51, .alignment = Qt::AlignHCenter},
                           {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_GUBUN"_s, .width = 150,
                            .alignment = Qt::AlignHCenter},
                           {.title = u"강습접수"_s, .field = u"LECTURE_REC_GUBUN"_s, .width = 150,
                            .alignment = Qt::AlignHCenter},
                           {.title = u"강습세부"_s, .field = u"LECTURE_DETAIL_GUBUN"_s, .width = 150,
                            .alignment = Qt::AlignHCenter}},
               .sql = DetailSql,
               .keys = {u"RECEIPT_NO"_s}});
    SetBind(u"SEASON_GUBUN"_s, season);
    SetBind(u"GC_SEX_CODE"_s, u"Z0008"_s);
    SetBind(u"GC_LECTURE_ITEM_CODE"_s, u"E0022"_s);
    SetBind(u"GC_LECTURE_REC_CODE"_s, u"E0023"_s);
    SetBind(u"GC_LECTURE_DETAIL_CODE"_s, u"E0024"_s);
    SetOutputs({{.field = u"RECEIPT_NO"_s}, {.field = u"ENTER_DATE"_s}, {.field = u"RECEIPT_NAME"_s}});
}

bool PickSkiSchoolReceipt(const QString &season, QString &receiptNo, QString &enterDate, QString &receiptName,
                          QWidget *parent)
{
    TfrmEZH050 dialog(season, parent);
    return RunLookup(dialog, {&receiptNo, &enterDate, &receiptName});
}
