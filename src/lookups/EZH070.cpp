#include "EZH070.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

const QString Sql = u"SELECT TO_CHAR(e.recv_no, 'FM000000') AS recv_no,\n"
                    "       e.entry_name_kor,\n"
                    "       CASE WHEN e.apply_date IS NOT NULL THEN\n"
                    "            CONCAT(SUBSTR(e.apply_date, 1, 4), '-', SUBSTR(e.apply_date, 5, 2), '-',\n"
                    "                   SUBSTR(e.apply_date, 7, 2)) END AS apply_date,\n"
                    "       CASE WHEN e.id IS NOT NULL THEN\n"
                    "            CONCAT(SUBSTR(e.id, 1, 6), '-', SUBSTR(e.id, 7, 7)) END AS id_no,\n"
                    "       (SELECT detail_name FROM zx010ms WHERE head = :GC_APPLY_CLASS_CODE\n"
                    "           AND detail = e.apply_class) AS apply_class\n"
                    "FROM  (SELECT recv_no, entry_name_kor, apply_date, fn_za010ms_04(id_no) AS id, apply_class\n"
                    "       FROM   ed020ms\n"
                    "       WHERE  season_gubun = :SEASON_GUBUN\n"
                    "       AND    entry_name_kor LIKE :ENTRY_NAME_KOR ESCAPE '!') e\n"
                    "ORDER  BY e.recv_no"_s;

} // namespace

TfrmEZH070::TfrmEZH070(const QString &season, QWidget *parent)
    : TfrmEZH000(u"frmEZH070"_s, u"접수번호"_s, parent)
{
    AddSearchField({.label = u"참가자명"_s, .name = u"edtAddress"_s, .bind = u"ENTRY_NAME_KOR"_s, .maxLength = 30});
    SetColumns({
        {.title = u"접수번호"_s, .field = u"RECV_NO"_s, .width = 64, .alignment = Qt::AlignHCenter},
        {.title = u"참가자명"_s, .field = u"ENTRY_NAME_KOR"_s, .width = 136},
        {.title = u"신청일"_s, .field = u"APPLY_DATE"_s, .width = 84, .alignment = Qt::AlignHCenter},
        {.title = u"주민등록번호"_s, .field = u"ID_NO"_s, .width = 116, .alignment = Qt::AlignHCenter},
        {.title = u"신청급수"_s, .field = u"APPLY_CLASS"_s, .width = 76, .alignment = Qt::AlignHCenter},
    });
    SetSql(Sql);
    SetBind(u"SEASON_GUBUN"_s, season);
    SetBind(u"GC_APPLY_CLASS_CODE"_s, u"E0026"_s);
    SetOutputs({{.field = u"RECV_NO"_s},
                {.field = u"ENTRY_NAME_KOR"_s},
                {.field = u"APPLY_DATE"_s, .withoutDashes = true},
                {.field = u"ID_NO"_s, .withoutDashes = true},
                {.field = u"APPLY_CLASS"_s}});
}

bool PickEntrant(const QString &season, Entrant &entrant, QWidget *parent)
{
    TfrmEZH070 dialog(season, parent);
    return RunLookup(dialog,
                     {&entrant.receiptNo, &entrant.name, &entrant.applyDate, &entrant.idNo, &entrant.className});
}
