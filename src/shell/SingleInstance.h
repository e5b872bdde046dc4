#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user: the first copy listens on a local socket; a
// later copy asks it to come to the front and ends. The same socket takes
// the launcher's requests, one UTF-8 line each, fields split by a tab:
//   raise                     bring the main window to the front
//   open<TAB>name<TAB>id      open the screen `id` under the menu name `name`
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // KEST_INSTANCE_NAME overrides the name, so that test runs do not meet
    // a copy somebody is working with.
    static QString serverName();

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first copy. Otherwise the running copy has been
    // asked to come to the front.
    bool claim(const QString &name = serverName());

signals:
    void activationRequested();
    void openRequested(const QString &name, const QString &id);

private:
    void handleLine(const QByteArray &line);

    QLocalServer *m_server = nullptr;
};
