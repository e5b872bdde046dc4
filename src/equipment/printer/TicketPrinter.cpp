#include "TicketPrinter.h"

#include "ServerError.h"
#include "StartupValues.h"
#include "TicketStream.h"

#include <QFileInfo>
#include <QHash>
#include <QSerialPort>

using namespace Qt::StringLiterals;

namespace {

constexpr int WriteTimeoutMs = 5000;

// Two names of one device (a link and its target) are one port.
QString DeviceKey(const QString &portName)
{
    const QString canonical = QFileInfo(portName).canonicalFilePath();
    return canonical.isEmpty() ? portName : canonical;
}

} // namespace

// One open handle per device for the whole process: two handles would write
// into each other's tickets, Qt's lock file goes by the name given, and root
// passes the terminal's exclusive mode.
class PrinterLink : public QObject
{
    Q_OBJECT

public:
    static std::shared_ptr<PrinterLink> of(const QString &portName)
    {
        static QHash<QString, std::weak_ptr<PrinterLink>> links;
        const QString key = DeviceKey(portName);
        if (auto link = links.value(key).lock())
            return link;
        auto link = std::shared_ptr<PrinterLink>(new PrinterLink(portName));
        links.insert(key, link);
        return link;
    }

    QSerialPort port;
    QString error;

    // Opens with the fixed settings (9600 8N1, no flow control, DTR and RTS
    // off) unless open; silent.
    void open()
    {
        if (port.isOpen())
            return;
        error.clear();
        port.setBaudRate(QSerialPort::Baud9600);
        port.setDataBits(QSerialPort::Data8);
        port.setParity(QSerialPort::NoParity);
        port.setStopBits(QSerialPort::OneStop);
        port.setFlowControl(QSerialPort::NoFlowControl);
        if (!port.open(QIODevice::ReadWrite)) {
            error = port.errorString();
            port.close();
            return;
        }
        // A pseudo-terminal has no modem lines; there these two fail harmlessly.
        port.setDataTerminalReady(false);
        port.setRequestToSend(false);
        port.clearError();
    }

signals:
    void received(const QByteArray &bytes);

private:
    explicit PrinterLink(const QString &portName)
    {
        port.setPortName(portName);
        connect(&port, &QSerialPort::readyRead, this, [this] { emit received(port.readAll()); });
        connect(&port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError code) {
            // A device that went away stays unusable until opened again; the
            // next print reports it.
            if (code == QSerialPort::ResourceError)
                error = port.errorString();
        });
    }
};

TicketPrinter::TicketPrinter(QObject *parent) : TicketPrinter(ConfiguredPortName(), parent) {}

TicketPrinter::TicketPrinter(const QString &portName, QObject *parent) : QObject(parent), m_portName(portName)
{
    setObjectName(u"cptFlotec"_s);
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
    return m_link && m_link->port.isOpen();
}

const QSerialPort *TicketPrinter::serialPort() const
{
    return isOpen() ? &m_link->port : nullptr;
}

void TicketPrinter::OpenPrinter()
{
    if (!m_link) {
        m_link = PrinterLink::of(m_portName);
        connect(m_link.get(), &PrinterLink::received, this, &TicketPrinter::received);
    }
    m_link->open();
    m_error = m_link->error;
}

void TicketPrinter::ClosePrinter()
{
    if (m_link)
        disconnect(m_link.get(), nullptr, this, nullptr);
    m_link.reset();
}

TicketPrinter::Answer TicketPrinter::AnswerOf(QSerialPort::PinoutSignals lines, bool linesKnown)
{
    if (!linesKnown)
        return Answer::Unknown;
    return lines & (QSerialPort::DataSetReadySignal | QSerialPort::ClearToSendSignal) ? Answer::Answers
                                                                                       : Answer::Silent;
}

TicketPrinter::Answer TicketPrinter::answer() const
{
    if (!isOpen())
        return Answer::NoPort;
    QSerialPort &port = m_link->port;
    port.clearError();
    const QSerialPort::PinoutSignals lines = port.pinoutSignals();
    const bool known = port.error() == QSerialPort::NoError;
    port.clearError();
    return AnswerOf(lines, known);
}

QString TicketPrinter::AnswerText(Answer answer) const
{
    switch (answer) {
    case Answer::Answers:
        return u"티켓 프린터가 응답합니다: %1"_s.arg(m_portName);
    case Answer::Silent:
        return u"티켓 프린터가 응답하지 않습니다: %1\r프린터의 전원과 케이블을 확인하십시오."_s.arg(m_portName);
    case Answer::Unknown:
        return u"티켓 프린터 포트를 다시 열었습니다: %1\r이 포트는 프린터의 응답을 알려 주지 않습니다."_s.arg(m_portName);
    case Answer::NoPort:
        break;
    }
    QString text = u"티켓 프린터 포트를 열 수 없습니다: %1"_s.arg(m_portName);
    if (!m_error.isEmpty())
        text += u"\r"_s + m_error;
    return text;
}

TicketPrinter::Answer TicketPrinter::InitPrinter()
{
    OpenPrinter();
    m_link->port.close();
    OpenPrinter();
    return answer();
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
    if (!isOpen())
        OpenPrinter(); // a port freed or back since is taken up without a word
    if (!isOpen()) {
        QString message = u"티켓 프린터가 열려 있지 않습니다: %1"_s.arg(m_portName);
        if (!m_error.isEmpty())
            message += u"\r"_s + m_error; // the system's own words, a line of their own
        throw ServerError(message);
    }
    // Written into a port with no printer on it, the ticket would be lost
    // without a word.
    if (answer() == Answer::Silent) {
        throw ServerError(AnswerText(Answer::Silent));
    }
    QSerialPort &port = m_link->port;
    for (const QByteArray &bytes : writes) {
        bool written = port.write(bytes) == bytes.size();
        while (written && port.bytesToWrite() > 0)
            written = port.waitForBytesWritten(WriteTimeoutMs);
        if (!written) {
            m_error = m_link->error = port.errorString();
            // What is still buffered would otherwise lead the next ticket; and
            // a handle on a device that went away never writes again, so the
            // next print opens the port anew (as the reset key does).
            port.clear(QSerialPort::Output);
            port.clearError();
            port.close();
            throw ServerError(u"티켓 프린터에 쓸 수 없습니다: %1\r%2"_s.arg(m_portName, m_error));
        }
    }
}

#include "TicketPrinter.moc"
