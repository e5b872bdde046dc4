#include "EquipmentRules.h"

#include "CodeServices.h"
#include "Routines.h"
#include "SqlQuery.h"

using namespace Qt::StringLiterals;

const QString FreeItemsSql = u"SELECT t.equip_no\n"
                             "FROM   eb020ms t\n"
                             "WHERE  t.area_gubun       = :AREA_GUBUN\n"
                             "AND    t.equip_gubun      = :EQUIP_GUBUN\n"
                             "AND   (t.equip_size_gubun = :EQUIP_SIZE_GUBUN OR CAST(:EQUIP_SIZE_GUBUN AS text) IS NULL)\n"
                             "AND   (t.equip_no         = :EQUIP_NO OR CAST(:EQUIP_NO AS text) IS NULL)\n"
                             "AND    t.equip_rent_yn    = 'Y'\n"
                             "AND    t.svrl_rent_yn     = 'N'\n"
                             "AND    NOT EXISTS (SELECT 1 FROM eb040dt d\n"
                             "                   WHERE  d.rent_date   = :RENT_DATE\n"
                             "                   AND    d.area_gubun  = t.area_gubun\n"
                             "                   AND    d.equip_gubun = t.equip_gubun\n"
                             "                   AND    d.equip_no    = t.equip_no\n"
                             "                   AND    d.rent_stat   = 'D')\n"
                             "AND    NOT EXISTS (SELECT 1 FROM eb020tm_live h\n"
                             "                   WHERE  h.rent_date   = :RENT_DATE\n"
                             "                   AND    h.area_gubun  = t.area_gubun\n"
                             "                   AND    h.equip_gubun = t.equip_gubun\n"
                             "                   AND    h.equip_no    = t.equip_no)\n"
                             "ORDER  BY t.equip_no"_s;

bool EquipmentTaken(const QString &dateKey, const QString &area, const QString &equipKind, const QString &equipNo)
{
    if (equipNo.trimmed().isEmpty())
        return true;
    return SqlQuery::scalar(FreeItemsSql, {{u"RENT_DATE"_s, dateKey},
                                           {u"AREA_GUBUN"_s, area},
                                           {u"EQUIP_GUBUN"_s, equipKind},
                                           {u"EQUIP_SIZE_GUBUN"_s, {}},
                                           {u"EQUIP_NO"_s, equipNo}})
        .isEmpty();
}

bool SizeInGroup(const QString &area, const QString &equipKind, const QString &sizeCode)
{
    QString sizeGroup;
    if (equipKind == u"NS"_s || equipKind == u"CS"_s) {
        if (area == u"M"_s)
            sizeGroup = u"E0018"_s;
        else if (area == u"S"_s)
            sizeGroup = u"E0019"_s;
        else
            return false;
    } else if (equipKind == u"SB"_s) {
        sizeGroup = u"E0020"_s;
    } else {
        return true;
    }
    return !SqlQuery::scalar(u"SELECT t1.detail\n"
                             "FROM   zx010ms t1,\n"
                             "       (SELECT to_num(detail_name) AS equip_size\n"
                             "        FROM   zx010ms\n"
                             "        WHERE  head   = :GC_SIZE_GUBUN\n"
                             "        AND    detail = :EQUIP_SIZE_CODE) t2\n"
                             "WHERE  t1.head = :GC_SIZEGROUP_GUBUN\n"
                             "AND    NULLIF(TRIM(t1.detail), '') IS NOT NULL\n"
                             "AND    t2.equip_size BETWEEN to_num(t1.item1) AND to_num(t1.item2)\n"
                             "LIMIT  1"_s,
                             {{u"GC_SIZE_GUBUN"_s, u"E0010"_s},
                              {u"EQUIP_SIZE_CODE"_s, sizeCode},
                              {u"GC_SIZEGROUP_GUBUN"_s, sizeGroup}})
                .isEmpty();
}

QString ReleaseDate(const QString &depositDateKey, const QString &storageKind)
{
    // The server's date conversion reads malformed keys as some other date.
    if (!IsValidYmd(depositDateKey))
        return {};
    QString key = depositDateKey;
    key.remove(QLatin1Char(' '));
    return SqlQuery::scalar(u"SELECT TO_CHAR(TO_DATE(:IPGO_DATE, 'YYYYMMDD') + CAST(to_num(item1) AS integer),\n"
                            "               'YYYYMMDD') AS chulgo_date\n"
                            "FROM   zx010ms\n"
                            "WHERE  head   = :GC_KEEP_GUBUN_CODE\n"
                            "AND    detail = :GC_KEEP_GUBUN"_s,
                            {{u"IPGO_DATE"_s, key}, {u"GC_KEEP_GUBUN_CODE"_s, u"E0016"_s}, {u"GC_KEEP_GUBUN"_s, storageKind}});
}
