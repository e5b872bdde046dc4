#include "DataModule.h"

#include "ServerError.h"
#include "StartupValues.h"

#include <QSqlError>

using namespace Qt::StringLiterals;

namespace {
DataModule *current = nullptr;
}

DataModule::DataModule()
{
    QSqlDatabase db = QSqlDatabase::contains(ConnectionName) ? QSqlDatabase::database(ConnectionName, false)
                                                              : QSqlDatabase::addDatabase(u"QPSQL"_s, ConnectionName);
    // Whole numbers come back as their digits, never as "1e+06".
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    // Where the server is: Main.ini, else the libpq defaults (PGHOST, PGPORT).
    db.setHostName(IniValue(u"Main.ini"_s, u"DATABASE"_s, u"HOST"_s));
    const int port = IniInt(u"Main.ini"_s, u"DATABASE"_s, u"PORT"_s, -1);
    db.setPort(port);
    db.setConnectOptions(IniValue(u"Main.ini"_s, u"DATABASE"_s, u"OPTIONS"_s));
    current = this;
}

DataModule::~DataModule()
{
    Disconnect();
    if (current == this)
        current = nullptr;
    QSqlDatabase::removeDatabase(ConnectionName);
}

DataModule *DataModule::instance()
{
    return current;
}

void DataModule::setParameters(const QString &databaseName, const QString &userName, const QString &password)
{
    QSqlDatabase db = database();
    db.setDatabaseName(databaseName);
    db.setUserName(userName);
    db.setPassword(password);
}

void DataModule::Connect()
{
    QSqlDatabase db = database();
    if (db.isOpen() || db.open())
        return;
    const QString text = db.lastError().text();
    if (IsConnectionLimitError(text))
        throw ServerError(u"현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\r잠시 후 다시 시도하십시오."_s);
    throw ServerError(u"데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r"_s + text);
}

void DataModule::Disconnect()
{
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
    m_transactionDepth = 0;
}

bool DataModule::isConnected() const
{
    return database().isOpen();
}

QSqlDatabase DataModule::database() const
{
    return QSqlDatabase::database(ConnectionName, false);
}

QSqlDatabase Connection()
{
    DataModule *module = DataModule::instance();
    if (!module || !module->isConnected())
        throw ServerError(u"데이터베이스에 연결되어 있지 않습니다."_s);
    return module->database();
}

bool IsConnectionLimitError(const QString &errorText)
{
    static const QString markers[] = {u"ORA-00018"_s, u"ORA-00019"_s, u"too many clients"_s,
                                      u"too many connections"_s, u"remaining connection slots are reserved"_s};
    for (const QString &marker : markers)
        if (errorText.contains(marker, Qt::CaseInsensitive))
            return true;
    return false;
}
