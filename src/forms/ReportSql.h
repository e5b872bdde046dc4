#pragma once

#include <QString>

// Pieces of the search screens' SQL that every list writes the same way.

// The name of a code of the common code table, the group bound as a "GC_"
// parameter:  CodeNameSql(u"GC_RENT_STAT_CODE"_s, u"t.rent_stat"_s)
inline QString CodeNameSql(const QString &groupParameter, const QString &column)
{
    return QStringLiteral("(SELECT detail_name FROM zx010ms WHERE head = :%1 AND detail = %2)")
        .arg(groupParameter, column);
}

// A 'YYYYMMDD' column as 'YYYY-MM-DD'; NULL stays NULL.
inline QString DateShownSql(const QString &column)
{
    return QStringLiteral("substr(%1, 1, 4) || '-' || substr(%1, 5, 2) || '-' || substr(%1, 7, 2)").arg(column);
}
