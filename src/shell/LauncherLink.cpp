#include "LauncherLink.h"

#include "SingleInstance.h"

#include <unistd.h>

#include <QLocalSocket>

using namespace Qt::StringLiterals;

namespace LauncherLink {

QString serverName()
{
    const QString name = qEnvironmentVariable("KEST_LAUNCHER_NAME");
    return name.isEmpty() ? u"Tfrm_0Main"_s : name;
}

bool SendModuleClosed(const QString &projectId)
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    // A launcher that is not running must not hold up the exit.
    if (!socket.waitForConnected(500))
        return false;
    // A listener of another user under the launcher's name learns nothing.
    if (SingleInstance::peerUid(socket) != static_cast<long long>(::getuid())) {
        socket.abort();
        return false;
    }
    socket.write((u"closed\t"_s + projectId + u'\n').toUtf8());
    const bool written = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return written;
}

} // namespace LauncherLink
