#pragma once

#include <QDir>
#include <QStringList>
#include <QTcpServer>

// A report server of the tests' own on the loopback address only: GET of
// "/REPORT/스포츠관리/<file>" answers the file of `folder`, anything else 404.
// Silent, it takes the connection and never answers (a server that hangs).
class LocalReportServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit LocalReportServer(const QString &folder, QObject *parent = nullptr);

    // "http://127.0.0.1:PORT"
    QString base() const;
    void setSilent(bool silent) { m_silent = silent; }
    // The paths asked for, percent-decoded.
    const QStringList &requests() const { return m_requests; }

private:
    void answer(QTcpSocket *socket);

    QDir m_folder;
    bool m_silent = false;
    QStringList m_requests;
};
