#include "SqlQuery.h"

#include "ConnectionWatch.h"
#include "DataModule.h"
#include "ResultStream.h"
#include "ServerError.h"

#include <QSqlError>
#include <QSqlField>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

// Finds the ":NAME" placeholders (skipping quoted text, comments and "::"
// casts); returns the text with every placeholder spelled in upper case.
// `numbered`, when given, receives the text with $1..$n in their place.
QString scanPlaceholders(const QString &sql, QStringList &names, QString *numbered = nullptr)
{
    QString normal = sql;
    qsizetype copied = 0;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            const qsizetype close = sql.indexOf(c, i + 1);
            i = close < 0 ? n : close;
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            const qsizetype eol = sql.indexOf(u'\n', i);
            i = eol < 0 ? n : eol;
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            const qsizetype close = sql.indexOf(u"*/"_s, i + 2);
            i = close < 0 ? n : close + 1;
        } else if (c == u':') {
            if (i + 1 < n && sql.at(i + 1) == u':') {
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < n && (sql.at(j).isLetterOrNumber() || sql.at(j) == u'_'))
                ++j;
            if (j > i + 1) {
                const QString name = sql.mid(i + 1, j - i - 1).toUpper();
                normal.replace(i + 1, name.size(), name);
                if (!names.contains(name))
                    names.append(name);
                if (numbered) {
                    *numbered += sql.mid(copied, i - copied) + u'$' + QString::number(names.indexOf(name) + 1);
                    copied = j;
                }
            }
            i = j - 1;
        }
    }
    if (numbered)
        *numbered += sql.mid(copied);
    return normal;
}

} // namespace

QStringList PlaceholderNames(const QString &sql)
{
    QStringList names;
    scanPlaceholders(sql, names);
    return names;
}

QString ValueText(const QVariant &value)
{
    if (value.isNull())
        return {};
    return value.toString();
}

SqlQuery::SqlQuery(const QString &sql)
{
    setSql(sql);
}

SqlQuery::~SqlQuery() = default;
SqlQuery::SqlQuery(SqlQuery &&) noexcept = default;
SqlQuery &SqlQuery::operator=(SqlQuery &&) noexcept = default;

void SqlQuery::setSql(const QString &sql)
{
    close();
    m_sql = sql;
    m_placeholders.clear();
    m_normalSql = scanPlaceholders(sql, m_placeholders);
    m_binds.clear();
}

bool SqlQuery::hasPlaceholder(const QString &name) const
{
    QString key = name.startsWith(QLatin1Char(':')) ? name.mid(1) : name;
    return m_placeholders.contains(key.toUpper());
}

void SqlQuery::bind(const QString &name, const QString &value)
{
    const QString key = (name.startsWith(QLatin1Char(':')) ? name.mid(1) : name).toUpper();
    m_binds.insert(key, value);
}

void SqlQuery::clearBinds()
{
    m_binds.clear();
}

void SqlQuery::exec()
{
    close();
    if (m_streamed) {
        QStringList names;
        QString numbered;
        scanPlaceholders(m_sql, names, &numbered);
        QStringList values;
        for (const QString &name : std::as_const(names))
            values.append(m_binds.value(name));
        m_stream = std::make_unique<ResultStream>(numbered, values, m_server, m_batchRows);
        return;
    }
    if (DataModule *module = DataModule::instance(); module && module->busy())
        throw ServerError(ServerText::Busy);
    QSqlDatabase db = Connection();
    if (run(db))
        return;
    ServerError error = ServerErrorOf(m_query.lastError(), db);
    m_query = QSqlQuery();
    DataModule::instance()->RecoverOrThrow(error);
    db = Connection();
    if (!run(db)) {
        error = ServerErrorOf(m_query.lastError(), db);
        m_query = QSqlQuery();
        throw error;
    }
}

bool SqlQuery::run(QSqlDatabase db)
{
    m_query = QSqlQuery(db);
    m_query.setForwardOnly(!m_buffered);
    if (!m_query.prepare(m_normalSql))
        return false;
    for (const QString &name : std::as_const(m_placeholders)) {
        const QString value = m_binds.value(name);
        m_query.bindValue(u':' + name, value.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(value));
    }
    return m_query.exec();
}

bool SqlQuery::next()
{
    if (m_stream)
        return m_stream->next();
    if (m_query.next())
        return true;
    // Rows read one at a time may fail after the statement ran: a backend
    // that died meanwhile ends the result here, not in exec().
    if (!m_query.lastError().isValid())
        return false;
    DataModule *module = DataModule::instance();
    const ServerError error = ServerErrorOf(m_query.lastError(), module->database());
    m_query = QSqlQuery();
    if (error.connectionLost() && module->inTransaction())
        module->DropConnection();
    throw error;
}

bool SqlQuery::isActive() const
{
    return m_stream || m_query.isActive();
}

QString SqlQuery::streamFailure() const
{
    return m_stream ? m_stream->failure() : QString();
}

QSqlRecord SqlQuery::record() const
{
    if (!m_stream)
        return m_query.record();
    QSqlRecord record;
    for (const QString &field : m_stream->fields())
        record.append(QSqlField(field));
    return record;
}

void SqlQuery::close()
{
    m_stream.reset();
    if (m_query.isActive())
        m_query.finish();
    m_query = QSqlQuery();
}

QString SqlQuery::value(const QString &field) const
{
    if (m_stream)
        return m_stream->value(int(m_stream->fields().indexOf(field.toLower())));
    const int index = m_query.record().indexOf(field);
    return index < 0 ? QString() : ValueText(m_query.value(index));
}

QString SqlQuery::value(int column) const
{
    if (m_stream)
        return m_stream->value(column);
    return ValueText(m_query.value(column));
}

QString SqlQuery::scalar(const QString &sql, const QHash<QString, QString> &binds)
{
    SqlQuery query(sql);
    for (auto it = binds.begin(); it != binds.end(); ++it)
        query.bind(it.key(), it.value());
    query.exec();
    return query.next() ? query.value(0) : QString();
}

QString NumberedPlaceholders(const QString &sql, QStringList &names)
{
    QString numbered;
    scanPlaceholders(sql, names, &numbered);
    return numbered;
}
