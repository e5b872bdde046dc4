#include "PgText.h"

#include <libpq-fe.h>

using namespace Qt::StringLiterals;

PgParameters::PgParameters(const QStringList &values)
{
    m_texts.reserve(size_t(values.size()));
    for (const QString &value : values) {
        m_texts.push_back(value.toUtf8());
        m_pointers.push_back(value.isEmpty() ? nullptr : m_texts.back().constData());
    }
}

bool PgSucceeded(const pg_result *result)
{
    const ExecStatusType status = PQresultStatus(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

QString PgText(const pg_result *result, int row, int column)
{
    if (!result || row < 0 || row >= PQntuples(result) || column < 0 || column >= PQnfields(result)
        || PQgetisnull(result, row, column))
        return {};
    const char *text = PQgetvalue(result, row, column);
    if (PQftype(result, column) == PgBoolOid)
        return text[0] == 't' ? u"true"_s : u"false"_s;
    return QString::fromUtf8(text);
}
