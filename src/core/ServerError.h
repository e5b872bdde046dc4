#pragma once

#include <QString>

#include <exception>

// The one error that "passes on": thrown by the data layer when the server
// refuses a statement or a call, caught once at the edge of the handler that
// started the operation (see RunGuarded), never across the event loop.
class ServerError : public std::exception
{
public:
    explicit ServerError(QString message, QString sqlState = {})
        : m_message(std::move(message)), m_sqlState(std::move(sqlState)), m_utf8(m_message.toUtf8()) {}

    // The server's primary message, without "ERROR:" and context lines.
    const QString &message() const { return m_message; }
    const QString &sqlState() const { return m_sqlState; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QString m_sqlState;
    QByteArray m_utf8;
};
