#include "PtyPair.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSerialPort>

using namespace Qt::StringLiterals;

PtyPair::PtyPair()
{
    m_socat.setReadChannel(QProcess::StandardError);
    m_socat.start(u"socat"_s, {u"-d"_s, u"-d"_s, u"pty,raw,echo=0"_s, u"pty,raw,echo=0"_s});
    if (!m_socat.waitForStarted(5000))
        return;
    static const QRegularExpression ptyLine(u"PTY is (\\S+)"_s);
    static const QRegularExpression ready(u"starting data transfer loop"_s);
    QByteArray log;
    const QDeadlineTimer deadline(10000);
    while (!ready.match(QString::fromLocal8Bit(log)).hasMatch() && !deadline.hasExpired())
        if (m_socat.waitForReadyRead(int(deadline.remainingTime())))
            log += m_socat.readAllStandardError();
    QStringList names;
    for (auto it = ptyLine.globalMatch(QString::fromLocal8Bit(log)); it.hasNext();)
        names << it.next().captured(1);
    if (names.size() == 2) {
        printerSide = names.at(0);
        deviceSide = names.at(1);
    }
}

QByteArray ReadUntilQuiet(QSerialPort &port, qsizetype expected)
{
    QByteArray bytes;
    const QDeadlineTimer deadline(10000);
    while (bytes.size() < expected && !deadline.hasExpired())
        if (port.waitForReadyRead(100))
            bytes += port.readAll();
    while (port.waitForReadyRead(300))
        bytes += port.readAll();
    return bytes + port.readAll();
}
