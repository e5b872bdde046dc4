#pragma once

#include <QProcess>
#include <QString>

class QSerialPort;

// Two connected pseudo-terminals standing in for the printer's cable: the
// printer opens one end, the test reads and answers on the other.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair() { stop(); }

    bool isValid() const { return !deviceSide.isEmpty(); }
    void stop()
    {
        if (m_socat.state() == QProcess::NotRunning)
            return;
        m_socat.terminate();
        if (!m_socat.waitForFinished(5000))
            m_socat.kill();
        m_socat.waitForFinished(5000);
    }

    QString printerSide;
    QString deviceSide;

private:
    QProcess m_socat;
};

// What arrives on a port until at least `expected` bytes came (or ten seconds
// passed) and then nothing more for a moment.
QByteArray ReadUntilQuiet(QSerialPort &port, qsizetype expected);
