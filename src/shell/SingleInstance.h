#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running copy per user: the first copy listens on a local socket; a
// later copy asks it to come to the front and ends. The same socket takes
// the launcher's requests, one UTF-8 line each, fields split by a tab:
//   raise                     bring the main window to the front
//   open<TAB>name<TAB>id      open the screen `id` under the menu name `name`
// The socket lies where only its user can make it (the user's runtime
// folder, else the temporary folder under a name with the user id), and
// both ends talk only to a peer of the same user.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // KEST_INSTANCE_NAME overrides the name, so that test runs do not meet
    // a copy somebody is working with.
    static QString serverName();
    // Where the socket of a name lies: $XDG_RUNTIME_DIR/name when that
    // folder is the user's alone, else <temporary folder>/name-<uid>. A
    // name with a '/' is a path already.
    static QString serverPath(const QString &name);
    // The user id of a connected local socket's other end; -1 when unknown.
    static long long peerUid(const QLocalSocket &socket);

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this copy is to run: it is the first, or the name was taken
    // by another user (reported in a box; the copy runs without the link).
    // False when a running copy of the same user has been asked to come to
    // the front.
    bool claim(const QString &name = serverName());
    // The name was found taken by another user.
    bool squatted() const { return m_squatted; }

    // The user id peers must have: this process's own; tests pretend
    // another to meet a squatter.
    static void setExpectedUid(long long uid);

signals:
    void activationRequested();
    void openRequested(const QString &name, const QString &id);

private:
    void handleLine(const QByteArray &line);
    void reportSquatted(const QString &path);

    QLocalServer *m_server = nullptr;
    int m_clients = 0;
    bool m_squatted = false;
};
