#pragma once

#include <QString>

#include <memory>

class DataModule;

// A fresh database for one test binary, cloned from the template that holds
// schema and seed, and the process's data module connected to it as the
// login role, with start-up values of a test employee.
class TestDatabase
{
public:
    static constexpr const char *LoginRole = "ktuser";
    static constexpr const char *LoginPassword = "kest2026";
    static constexpr const char *EmployeeNo = "T0001";
    static constexpr const char *ClientIp = "10.1.2.3";

    // Fresh: the database is made anew from the template; Attach: one made
    // before (by another process of the same run) is used as it is.
    enum Mode { Fresh, Attach };

    // name: defaults to one derived from the test binary.
    explicit TestDatabase(const QString &name = {}, Mode mode = Fresh);
    ~TestDatabase();

    const QString &name() const { return m_name; }
    static QString socketDir();
    static int port();

    DataModule &dataModule() { return *m_module; }

    // Statements as the administrator, for setting up fixtures; run with the
    // owner role so that the objects look like the schema's own.
    void adminExec(const QString &sql) const;
    // The first column of the first row, as the administrator.
    QString adminScalar(const QString &sql) const;
    // Loads a file of SQL as the owner (a fixture of a test folder).
    void adminRunFile(const QString &path) const;
    // The members, staff, entrants and codes the lookups read: one fixture
    // for every test folder that opens a lookup.
    void loadLookups() const;

    // Ends every session of the login role, as a server restart does.
    void dropClientSessions() const;
    // A server that is down: the login role's sessions end and no new one
    // is let in, until it is brought up again.
    void setServerDown(bool down) const;

private:
    QString m_name;
    std::unique_ptr<DataModule> m_module;
};
