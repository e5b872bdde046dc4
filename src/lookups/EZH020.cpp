#include "EZH020.h"

#include "Lookups.h"

using namespace Qt::StringLiterals;

namespace {

const QString MasterSql = u"SELECT t1.rent_no,\n"
                          "       t1.deal_name,\n"
                          "       k.detail_name AS keep_kind_gubun_name,\n"
                          "       t1.keep_box_no\n"
                          "FROM   eb040ms t1\n"
                          "JOIN   zx010ms k ON k.head = :GC_KEEP_KIND_GUBUN_CODE AND k.detail = t1.keep_kind_gubun\n"
                          "WHERE  t1.rent_date  = :RENT_DATE\n"
                          "AND    t1.area_gubun = :AREA_GUBUN\n"
                          "AND    t1.rent_no::text LIKE :RENT_NO ESCAPE '!'\n"
                          "AND    EXISTS (SELECT 1 FROM eb040dt t2\n"
                          "               WHERE  t2.rent_date  = t1.rent_date\n"
                          "               AND    t2.area_gubun = t1.area_gubun\n"
                          "               AND    t2.rent_no    = t1.rent_no\n"
                          "               AND    t2.rent_name LIKE :RENT_NAME ESCAPE '!')\n"
                          "ORDER  BY t1.rent_no"_s;

// A row whose code has no label in its group is left out.
const QString DetailSql = u"SELECT t.rent_seq,\n"
                          "       t.rent_name,\n"
                          "       s.detail_name AS rent_stat_gubun_name,\n"
                          "       e.detail_name AS equip_gubun_name,\n"
                          "       t.equip_no,\n"
                          "       k.detail_name AS ticket_kind_gubun_name\n"
                          "FROM   eb040dt t\n"
                          "JOIN   zx010ms s ON s.head = :GC_RENT_STAT_CODE   AND s.detail = t.rent_stat\n"
                          "JOIN   zx010ms e ON e.head = :GC_EQUIP_GUBUN_CODE AND e.detail = t.equip_gubun\n"
                          "JOIN   zx010ms k ON k.head = :GC_TICKET_KIND_CODE AND k.detail = t.ticket_kind\n"
                          "WHERE  t.rent_date  = :RENT_DATE\n"
                          "AND    t.area_gubun = :AREA_GUBUN\n"
                          "AND    t.rent_no    = :RENT_NO\n"
                          "ORDER  BY t.rent_seq"_s;

} // namespace

TfrmEZH020::TfrmEZH020(const QString &rentDate, const QString &area, QWidget *parent)
    : TfrmEZH000(u"frmEZH020"_s, u"대여번호"_s, parent)
{
    AddSearchField({.label = u"대여번호"_s, .name = u"edtRentNo"_s, .bind = u"RENT_NO"_s, .maxLength = 10, .width = 100});
    AddSearchField({.label = u"대여자명"_s, .name = u"edtRentName"_s, .bind = u"RENT_NAME"_s, .maxLength = 30});
    SetColumns({
        {.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 71},
        {.title = u"취급자"_s, .field = u"DEAL_NAME"_s, .width = 147},
        {.title = u"보관내용"_s, .field = u"KEEP_KIND_GUBUN_NAME"_s, .width = 174, .alignment = Qt::AlignHCenter},
        {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .width = 110, .alignment = Qt::AlignHCenter},
    });
    SetSql(MasterSql);
    SetDetail({.columns = {{.title = u"순번"_s, .field = u"RENT_SEQ"_s, .width = 43},
                           {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 93},
                           {.title = u"대여상태"_s, .field = u"RENT_STAT_GUBUN_NAME"_s, .width = 67},
                           {.title = u"장비"_s, .field = u"EQUIP_GUBUN_NAME"_s, .width = 123},
                           {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 75},
                           {.title = u"권종"_s, .field = u"TICKET_KIND_GUBUN_NAME"_s, .width = 208}},
               .sql = DetailSql,
               .keys = {u"RENT_NO"_s}});
    SetBind(u"RENT_DATE"_s, rentDate);
    SetBind(u"AREA_GUBUN"_s, area);
    SetBind(u"GC_KEEP_KIND_GUBUN_CODE"_s, u"E0013"_s);
    SetBind(u"GC_RENT_STAT_CODE"_s, u"E0012"_s);
    SetBind(u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s);
    SetBind(u"GC_TICKET_KIND_CODE"_s, u"I0005"_s);
    SetOutputs({{.field = u"RENT_NO"_s}});
}

bool PickRental(const QString &rentDate, const QString &area, const QString &typedRentNo, QString &rentNo,
                QWidget *parent)
{
    TfrmEZH020 dialog(rentDate, area, parent);
    dialog.SetSearchText(0, typedRentNo);
    return RunLookup(dialog, {&rentNo});
}
