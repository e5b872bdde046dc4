#include "TestDatabase.h"

#include "DataModule.h"
#include "StartupValues.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

QSqlDatabase adminConnection(const QString &database)
{
    const QString connection = u"kest_admin_"_s + database;
    if (QSqlDatabase::contains(connection))
        return QSqlDatabase::database(connection);
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, connection);
    db.setHostName(TestDatabase::socketDir());
    db.setPort(TestDatabase::port());
    db.setUserName(u"postgres"_s);
    db.setDatabaseName(database);
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db.open())
        throw std::runtime_error("admin connection failed: " + db.lastError().text().toStdString());
    return db;
}

void run(QSqlDatabase db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw std::runtime_error(("admin statement failed: " + query.lastError().text() + "\n" + sql).toStdString());
}

} // namespace

QString TestDatabase::socketDir()
{
    const QString host = qEnvironmentVariable("KEST_PGHOST");
    if (!host.isEmpty())
        return host;
    const QString data = qEnvironmentVariable("KEST_PGDATA");
    if (!data.isEmpty())
        return data + u"/run"_s;
    return qEnvironmentVariable("KEST_SOURCE_DIR") + u"/.pgdata/run"_s;
}

int TestDatabase::port()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("KEST_PGPORT", &ok);
    return ok ? value : 5432;
}

TestDatabase::TestDatabase(const QString &name, Mode mode)
{
    m_name = name.isEmpty() ? u"t_"_s + qEnvironmentVariable("KEST_TEST_NAME", u"kest"_s).toLower() : name;
    if (mode == Fresh) {
        QSqlDatabase admin = adminConnection(u"postgres"_s);
        run(admin, u"DROP DATABASE IF EXISTS %1 WITH (FORCE)"_s.arg(m_name));
        run(admin, u"CREATE DATABASE %1 TEMPLATE kest_template OWNER kest_owner"_s.arg(m_name));
        // Database settings are not copied from the template.
        run(admin, u"ALTER DATABASE %1 SET search_path = ktuser, public"_s.arg(m_name));
        run(admin, u"ALTER DATABASE %1 SET timezone = 'Asia/Seoul'"_s.arg(m_name));
    }

    StartupValues values;
    values.exeDir = WithTrailingSeparator(QDir::tempPath());
    values.databaseName = m_name;
    values.databaseUser = QString::fromLatin1(LoginRole);
    values.employeeNo = QString::fromLatin1(EmployeeNo);
    values.userName = u"시험사용자"_s;
    values.clientAddress = QString::fromLatin1(ClientIp);
    SetStartupValues(values);

    m_module = std::make_unique<DataModule>();
    QSqlDatabase db = m_module->database();
    db.setHostName(socketDir());
    db.setPort(port());
    m_module->setParameters(m_name, values.databaseUser, QString::fromLatin1(LoginPassword));
    m_module->Connect();
}

TestDatabase::~TestDatabase()
{
    m_module.reset();
    const QString connection = u"kest_admin_"_s + m_name;
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

void TestDatabase::adminExec(const QString &sql) const
{
    QSqlDatabase db = adminConnection(m_name);
    run(db, u"SET ROLE kest_owner; SET search_path = ktuser, public"_s);
    run(db, sql);
    run(db, u"RESET ROLE; GRANT SELECT ON ALL TABLES IN SCHEMA ktuser TO kest_counter;"
            " GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA ktuser TO kest_counter"_s);
}

QString TestDatabase::adminScalar(const QString &sql) const
{
    QSqlQuery query(adminConnection(m_name));
    if (!query.exec(sql))
        throw std::runtime_error(("admin query failed: " + query.lastError().text()).toStdString());
    return query.next() ? query.value(0).toString() : QString();
}

void TestDatabase::dropClientSessions() const
{
    run(adminConnection(u"postgres"_s),
        u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = '%1' AND datname = '%2'"_s
            .arg(QString::fromLatin1(LoginRole), m_name));
}

void TestDatabase::setServerDown(bool down) const
{
    run(adminConnection(u"postgres"_s),
        u"ALTER DATABASE %1 ALLOW_CONNECTIONS %2"_s.arg(m_name, down ? u"false"_s : u"true"_s));
    if (down)
        dropClientSessions();
}

void TestDatabase::loadLookups() const
{
    adminRunFile(QStringLiteral(KEST_LOOKUP_FIXTURE));
}

void TestDatabase::adminRunFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    adminExec(QString::fromUtf8(file.readAll()));
}
