#pragma once

#include <QString>

#include <exception>

// The one error that "passes on": thrown by the data layer when the server
// refuses a statement or a call, caught once at the edge of the handler that
// started the operation (see RunGuarded), never across the event loop.
class ServerError : public std::exception
{
public:
    enum class Kind {
        Refused,          // the server answered with an error
        ConnectionLost,   // the connection broke; nothing of a save in flight was kept
        StatementTimeout, // the server gave up after the statement timeout
        LockTimeout,      // another session held what the statement needed
    };

    explicit ServerError(QString message, QString sqlState = {}, Kind kind = Kind::Refused)
        : m_message(std::move(message)), m_sqlState(std::move(sqlState)), m_kind(kind), m_utf8(m_message.toUtf8())
    {
    }

    // The server's primary message, without "ERROR:" and context lines.
    const QString &message() const { return m_message; }
    const QString &sqlState() const { return m_sqlState; }
    Kind kind() const { return m_kind; }
    bool connectionLost() const { return m_kind == Kind::ConnectionLost; }
    // Set once a box told the operator; the edge then shows nothing more.
    bool reported() const { return m_reported; }
    ServerError &markReported()
    {
        m_reported = true;
        return *this;
    }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QString m_sqlState;
    Kind m_kind;
    bool m_reported = false;
    QByteArray m_utf8;
};
