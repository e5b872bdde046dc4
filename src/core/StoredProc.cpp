#include "StoredProc.h"

#include "DataModule.h"
#include "ServerCall.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "StartupValues.h"


#include <algorithm>

using namespace Qt::StringLiterals;

StoredProc::StoredProc(const QString &name)
{
    setName(name);
}

void StoredProc::setName(const QString &name)
{
    m_name = name.toLower();
    m_values.clear();
    m_outputs.clear();
}

QHash<QString, QList<StoredProc::Parameter>> &StoredProc::cache()
{
    static QHash<QString, QList<Parameter>> lists;
    static int generation = -1;
    const DataModule *module = DataModule::instance();
    const int now = module ? module->generation() : -1;
    if (now != generation) {
        lists.clear();
        generation = now;
    }
    return lists;
}

const QList<StoredProc::Parameter> &StoredProc::parameters() const
{
    auto found = cache().constFind(m_name);
    if (found != cache().constEnd())
        return *found;
    SqlQuery query(uR"(SELECT p.name, p.mode
  FROM pg_proc f
  JOIN pg_namespace n ON n.oid = f.pronamespace
 CROSS JOIN LATERAL unnest(f.proargnames,
         COALESCE(f.proargmodes, array_fill('i'::"char", ARRAY[cardinality(f.proargnames)])))
       WITH ORDINALITY AS p(name, mode, ord)
 WHERE f.proname = :PROC
   AND n.nspname = ANY (current_schemas(false))
 ORDER BY p.ord)"_s);
    query.bind(u"PROC"_s, m_name);
    query.exec();
    QList<Parameter> params;
    while (query.next()) {
        const QString mode = query.value(1);
        const QChar m = mode.isEmpty() ? u'i' : mode.at(0);
        params.append({query.value(0).toLower(), m == u'i' || m == u'b', m == u'o' || m == u'b'});
    }
    if (params.isEmpty()
        && SqlQuery::scalar(u"SELECT count(*) FROM pg_proc WHERE proname = :PROC"_s, {{u"PROC"_s, m_name}}) == u"0"_s)
        throw ServerError(u"Stored procedure '%1' not found"_s.arg(m_name));
    return *cache().insert(m_name, params);
}

QStringList StoredProc::inputNames() const
{
    QStringList names;
    for (const Parameter &p : parameters())
        if (p.input)
            names.append(p.name);
    return names;
}

bool StoredProc::hasParameter(const QString &name) const
{
    const QString key = name.toLower();
    for (const Parameter &p : parameters())
        if (p.input && p.name == key)
            return true;
    return false;
}

void StoredProc::declare(const QStringList &named, const QStringList &leftOut)
{
    for (const QString &name : named)
        if (!m_named.contains(name.toUpper()))
            m_named.append(name.toUpper());
    for (const QString &name : leftOut)
        if (!m_leftOut.contains(name.toUpper()))
            m_leftOut.append(name.toUpper());
}

void StoredProc::setValue(const QString &name, const QString &value)
{
    if (!m_named.isEmpty() && !m_named.contains(name.toUpper()))
        throw ServerError(u"Parameter '%1' is not declared for %2"_s.arg(name, m_name));
    if (!hasParameter(name))
        throw ServerError(u"Parameter '%1' not found"_s.arg(name));
    store(name, value);
}

void StoredProc::offerValue(const QString &name, const QString &value)
{
    if (hasParameter(name))
        store(name, value);
}

void StoredProc::store(const QString &name, const QString &value)
{
    const QString key = name.toLower();
    for (auto &entry : m_values)
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    m_values.append({key, value});
}

void StoredProc::clearValues()
{
    m_values.clear();
}

void StoredProc::exec()
{
    // Every write records who made it and where, whatever the caller set.
    const StartupValues &startup = Startup();
    for (const auto &[name, value] : {std::pair{u"au_emp_no"_s, startup.employeeNo},
                                      std::pair{u"au_ip"_s, startup.clientAddress}})
        if (hasParameter(name) && std::none_of(m_values.begin(), m_values.end(),
                                               [&](const auto &entry) { return entry.first == name; }))
            m_values.append({name, value});
    // One round trip: parameters by number, no statement prepared and dropped.
    QStringList arguments;
    QStringList values;
    for (const auto &entry : m_values) {
        values.append(entry.second);
        arguments.append(u"%1 => $%2"_s.arg(entry.first).arg(values.size()));
    }
    const ServerCall call(u"SELECT * FROM %1(%2)"_s.arg(m_name, arguments.join(u", "_s)), values);
    m_outputs.clear();
    const QStringList fields = call.fields();
    if (call.rows() > 0)
        for (int i = 0; i < fields.size(); ++i)
            m_outputs.insert(fields.at(i).toLower(), call.value(0, i));
}

QString StoredProc::output(const QString &name) const
{
    return m_outputs.value(name.toLower());
}

