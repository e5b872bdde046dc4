#include "SingleInstance.h"

#include "Modal.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QByteArray RaiseRequest = "raise\n";
// A peer that never ends its line is not allowed to grow the buffer forever.
constexpr qsizetype MaxLineLength = 4096;
// Connections served at once; more are closed at once, so that a flood of
// them costs nothing.
constexpr int MaxClients = 8;

long long expectedUid = -1;

long long ownUid()
{
    return expectedUid >= 0 ? expectedUid : static_cast<long long>(::getuid());
}

// The runtime folder, when it is this user's and nobody else may write in it.
QString privateRuntimeDir()
{
    const QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    if (dir.isEmpty())
        return {};
    struct stat info {};
    if (::lstat(dir.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()
        || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return {};
    return QString::fromLocal8Bit(dir);
}
} // namespace

QString SingleInstance::serverName()
{
    const QString name = qEnvironmentVariable("KEST_INSTANCE_NAME");
    return name.isEmpty() ? u"Kest_E"_s : name;
}

QString SingleInstance::serverPath(const QString &name)
{
    if (name.contains(u'/'))
        return name;
    const QString runtime = privateRuntimeDir();
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(name);
    return QDir(QDir::tempPath()).filePath(name + u'-' + QString::number(::getuid()));
}

long long SingleInstance::peerUid(const QLocalSocket &socket)
{
    struct ucred credentials {};
    socklen_t size = sizeof credentials;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    if (fd < 0 || ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return -1;
    return credentials.uid;
}

void SingleInstance::setExpectedUid(long long uid)
{
    expectedUid = uid;
}

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

void SingleInstance::reportSquatted(const QString &path)
{
    m_squatted = true;
    qWarning().noquote() << u"instance socket %1 belongs to another user"_s.arg(path);
    ErrorBox(u"다른 사용자가 프로그램의 연결 이름(%1)을 차지하고 있습니다.\r"
             "이 프로그램은 실행 중인 다른 창과 연결되지 않은 채 실행됩니다.\r관리자에게 알리십시오."_s.arg(path));
}

bool SingleInstance::claim(const QString &name)
{
    const QString path = serverPath(name);
    QLocalSocket peer;
    peer.connectToServer(path);
    if (peer.waitForConnected(1000)) {
        if (peerUid(peer) != ownUid()) {
            // Somebody else listens under our name: it is told nothing.
            peer.abort();
            reportSquatted(path);
            return true;
        }
        peer.write(RaiseRequest);
        peer.waitForBytesWritten(1000);
        peer.disconnectFromServer();
        return false;
    }

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        const QFileInfo left(path);
        if (left.exists() && left.ownerId() != ::getuid()) {
            reportSquatted(path);
            return true;
        }
        // Nobody answered, so the socket file is left over from a copy that died.
        QLocalServer::removeServer(path);
        if (!m_server->listen(path))
            return true; // run without the guard rather than not at all
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            if (m_clients >= MaxClients || peerUid(*socket) != ownUid()) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            ++m_clients;
            connect(socket, &QObject::destroyed, this, [this] { --m_clients; });
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine())
                    handleLine(socket->readLine());
                if (socket->bytesAvailable() > MaxLineLength) {
                    socket->abort();
                    socket->deleteLater();
                }
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
