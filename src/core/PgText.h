#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct pg_result;

// What the data layer's direct libpq calls share.

// Parameters $1..$n as libpq takes them: UTF-8 texts, an empty value as NULL.
class PgParameters
{
public:
    explicit PgParameters(const QStringList &values);
    int count() const { return int(m_pointers.size()); }
    const char *const *values() const { return m_pointers.data(); }

private:
    std::vector<QByteArray> m_texts;
    std::vector<const char *> m_pointers;
};

// The command or its rows came back.
bool PgSucceeded(const pg_result *result);

// The type of booleans, which the driver shows as words.
constexpr unsigned PgBoolOid = 16;

// A value's text as the main connection's driver shows it (booleans as
// "true"/"false"); empty for NULL or a place outside the result.
QString PgText(const pg_result *result, int row, int column);
