#include "TicketPrinter.h"

#include "ServerError.h"
#include "StartupValues.h"
#include "TicketStream.h"

#include <QFileInfo>
#include <QMutex>
#include <QSerialPort>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

constexpr int WriteTimeoutMs = 5000;

// A serial device is held by one open handle of the process, whatever name
// reaches it: two handles would write into each other's tickets, Qt's lock
// file goes by the name given, and root passes the terminal's exclusive mode.
class HeldPorts
{
public:
    static bool acquire(const QString &key)
    {
        const QMutexLocker lock(&mutex());
        if (keys().contains(key))
            return false;
        keys().insert(key);
        return true;
    }
    static void release(const QString &key)
    {
        const QMutexLocker lock(&mutex());
        keys().remove(key);
    }

private:
    static QMutex &mutex()
    {
        static QMutex m;
        return m;
    }
    static QSet<QString> &keys()
    {
        static QSet<QString> k;
        return k;
    }
};

// Two names of one device (a link and its target) are one port.
QString DeviceKey(const QString &portName)
{
    const QString canonical = QFileInfo(portName).canonicalFilePath();
    return canonical.isEmpty() ? portName : canonical;
}

} // namespace

TicketPrinter::TicketPrinter(QObject *parent) : TicketPrinter(ConfiguredPortName(), parent) {}

TicketPrinter::TicketPrinter(const QString &portName, QObject *parent)
    : QObject(parent), m_portName(portName), m_port(new QSerialPort(this))
{
    setObjectName(u"cptFlotec"_s);
    connect(m_port, &QSerialPort::readyRead, this, [this] { emit received(m_port->readAll()); });
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        // A device that went away stays unusable until re-initialised; the
        // next print reports it.
        if (error == QSerialPort::ResourceError)
            m_error = m_port->errorString();
    });
}

TicketPrinter::~TicketPrinter()
{
    ClosePrinter();
}

QString TicketPrinter::ConfiguredPortName()
{
    const QString name = IniValue(u"Kest_E.ini"_s, u"Printer"_s, u"Port"_s);
    return name.isEmpty() ? u"/dev/ttyS0"_s : name;
}

bool TicketPrinter::isOpen() const
{
    return m_port->isOpen();
}

void TicketPrinter::OpenPrinter()
{
    if (isOpen())
        return;
    m_error.clear();
    const QString key = DeviceKey(m_portName);
    if (!HeldPorts::acquire(key)) {
        m_error = u"다른 화면이 사용 중"_s;
        return;
    }
    m_port->setPortName(m_portName);
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_error = m_port->errorString();
        m_port->close();
        HeldPorts::release(key);
        return;
    }
    m_heldName = key;
    // A pseudo-terminal has no modem lines; there these two fail harmlessly.
    m_port->setDataTerminalReady(false);
    m_port->setRequestToSend(false);
    m_port->clearError();
}

void TicketPrinter::ClosePrinter()
{
    if (m_port->isOpen())
        m_port->close();
    if (!m_heldName.isEmpty()) {
        HeldPorts::release(m_heldName);
        m_heldName.clear();
    }
}

void TicketPrinter::InitPrinter()
{
    ClosePrinter();
    OpenPrinter();
}

void TicketPrinter::PrintRentTicket(const TRentTicketInfo &info)
{
    writeTicket(RentTicketWrites(info));
}

void TicketPrinter::PrintKeepTicket(const TKeepTicketInfo &info)
{
    writeTicket(KeepTicketWrites(info));
}

void TicketPrinter::writeTicket(const QList<QByteArray> &writes)
{
    if (!isOpen()) {
        QString message = u"티켓 프린터가 열려 있지 않습니다: %1"_s.arg(m_portName);
        if (!m_error.isEmpty())
            message += u" ("_s + m_error + u")"_s;
        throw ServerError(message);
    }
    for (const QByteArray &bytes : writes) {
        bool written = m_port->write(bytes) == bytes.size();
        while (written && m_port->bytesToWrite() > 0)
            written = m_port->waitForBytesWritten(WriteTimeoutMs);
        if (!written) {
            m_error = m_port->errorString();
            // What is still buffered would otherwise lead the next ticket.
            m_port->clear(QSerialPort::Output);
            m_port->clearError();
            throw ServerError(u"티켓 프린터에 쓸 수 없습니다: %1 (%2)"_s.arg(m_portName, m_error));
        }
    }
}
