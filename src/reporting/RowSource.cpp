#include "RowSource.h"

#include "SqlQuery.h"

#include <QSqlRecord>

namespace report {

RecordList::RecordList(const QStringList &fields, const QList<QStringList> &rows) : m_fields(fields), m_rows(rows)
{
    for (int i = 0; i < fields.size(); ++i)
        m_index.insert(fields.at(i).toUpper(), i);
}

RecordList RecordList::fromQuery(SqlQuery &query)
{
    const QSqlRecord record = query.record();
    QStringList fields;
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    RecordList list(fields);
    while (query.next()) {
        QStringList row;
        row.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            row << query.value(i);
        list.append(row);
    }
    return list;
}

QString RecordList::value(int row, const QString &field) const
{
    const int column = m_index.value(field.toUpper(), -1);
    if (row < 0 || row >= m_rows.size() || column < 0)
        return {};
    return m_rows.at(row).value(column);
}

QString Scope::value(const QString &field) const
{
    return count() == 0 ? QString() : m_rows->value(m_last, field);
}

QString Scope::sum(const QString &field) const
{
    double total = 0;
    qsizetype decimals = 0;
    for (int row = m_first; row <= m_last; ++row) {
        QString text = m_rows->value(row, field).trimmed();
        text.remove(u',');
        bool ok = false;
        const double number = text.toDouble(&ok);
        if (!ok)
            continue;
        total += number;
        const qsizetype point = text.indexOf(u'.');
        if (point >= 0)
            decimals = std::max(decimals, text.size() - point - 1);
    }
    return QString::number(total, 'f', int(decimals));
}

} // namespace report
