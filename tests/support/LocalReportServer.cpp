#include "LocalReportServer.h"

#include <QFile>
#include <QTcpSocket>
#include <QUrl>

using namespace Qt::StringLiterals;

LocalReportServer::LocalReportServer(const QString &folder, QObject *parent) : QTcpServer(parent), m_folder(folder)
{
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

QString LocalReportServer::base() const
{
    return u"http://127.0.0.1:%1"_s.arg(serverPort());
}

void LocalReportServer::answer(QTcpSocket *socket)
{
    if (!socket->canReadLine())
        return;
    const QList<QByteArray> request = socket->readLine().trimmed().split(' ');
    socket->readAll();
    if (m_silent)
        return;
    const QString path = request.size() >= 2 ? QUrl::fromPercentEncoding(request.at(1)) : QString();
    m_requests.append(path);
    const QString prefix = u"/REPORT/스포츠관리/"_s;
    QByteArray body;
    QByteArray status = "404 Not Found";
    if (path.startsWith(prefix) && !path.mid(prefix.size()).contains(u'/')) {
        QFile file(m_folder.filePath(path.mid(prefix.size())));
        if (file.open(QIODevice::ReadOnly)) {
            body = file.readAll();
            status = "200 OK";
        }
    }
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
