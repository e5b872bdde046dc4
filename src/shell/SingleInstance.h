#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user: the first copy listens on a local socket; a
// later copy asks it to come to the front and ends.
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

private:
    QLocalServer *m_server = nullptr;
};
