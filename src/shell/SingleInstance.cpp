#include "SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

using namespace Qt::StringLiterals;

namespace {
const QByteArray RaiseRequest = "raise\n";
// A peer that never ends its line is not allowed to grow the buffer forever.
constexpr qsizetype MaxLineLength = 4096;
}

QString SingleInstance::serverName()
{
    const QString name = qEnvironmentVariable("KEST_INSTANCE_NAME");
    return name.isEmpty() ? u"Kest_E"_s : name;
}

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim(const QString &name)
{
    QLocalSocket peer;
    peer.connectToServer(name);
    if (peer.waitForConnected(1000)) {
        peer.write(RaiseRequest);
        peer.waitForBytesWritten(1000);
        peer.disconnectFromServer();
        return false;
    }

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        // Nobody answered, so the socket file is left over from a copy that died.
        QLocalServer::removeServer(name);
        if (!m_server->listen(name))
            return true; // run without the guard rather than not at all
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine())
                    handleLine(socket->readLine());
                if (socket->bytesAvailable() > MaxLineLength)
                    socket->abort();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}

void SingleInstance::handleLine(const QByteArray &line)
{
    const QStringList fields = QString::fromUtf8(line).remove(u'\r').remove(u'\n').split(u'\t');
    const QString &command = fields.constFirst();
    if (command == u"raise"_s)
        emit activationRequested();
    else if (command == u"open"_s && fields.size() == 3 && !fields.at(2).isEmpty())
        emit openRequested(fields.at(1), fields.at(2));
}
