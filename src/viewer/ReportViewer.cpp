#include "ReportViewer.h"

#include "ReportLocation.h"
#include "ReportPreview.h"
#include "ResultStream.h"
#include "RowSource.h"
#include "ServerError.h"
#include "StartupValues.h"

#include <QFile>
#include <QKeyEvent>
#include <QFileInfo>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString FileMissing = u"보고서 파일이 없습니다."_s;
const QString ServerUnreachable = u"보고서 서버에 연결할 수 없습니다."_s;
const QString BadDefinition = u"보고서 정의를 읽을 수 없습니다."_s;
const QString BadValues = u"보고서 인수가 맞지 않습니다."_s;
const QString ReadFailed = u"보고서 자료를 읽지 못했습니다."_s;
const QString WriteRefused = u"자료를 변경하는 보고서는 열 수 없습니다."_s;

bool isWriteRefusal(const QString &message)
{
    return message.contains(u"read-only transaction"_s, Qt::CaseInsensitive);
}

// A report is a read: the replica when there is one, a read-only
// transaction whatever the definition says.
report::RecordList readRows(const viewer::Definition &definition, const QStringList &bound)
{
    QStringList names;
    const QString sql = NumberedPlaceholders(definition.sql, names);
    QStringList values;
    for (const QString &name : std::as_const(names)) {
        qsizetype i = 0;
        while (i < definition.parameters.size() && definition.parameters.at(i).name != name)
            ++i;
        values.append(bound.value(i));
    }
    ResultStream stream(sql, values, DataModule::Server::Replica, 1000, true);
    report::RecordList rows(stream.fields());
    while (stream.next()) {
        QStringList row;
        row.reserve(stream.fields().size());
        for (int i = 0; i < stream.fields().size(); ++i)
            row.append(stream.value(i));
        rows.append(row);
    }
    if (!stream.failure().isEmpty())
        throw ServerError(stream.failure());
    return rows;
}

} // namespace

ReportViewer::ReportViewer(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"Rdviewer401"_s);
    m_timeoutMs = IniNumber(u"Main.ini"_s, u"REPORT"_s, u"TIMEOUT"_s, DefaultTimeoutSeconds, 1, 600) * 1000;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    layout->addWidget(m_stack);
    m_message = new QLabel(m_stack);
    m_message->setObjectName(u"lblMessage"_s);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_stack->addWidget(m_message);
    m_network = new QNetworkAccessManager(this);
}

ReportViewer::~ReportViewer()
{
    if (m_reply)
        m_reply->abort();
}

void ReportViewer::setAutoAdjust(int on)
{
    m_calls.append(u"AutoAdjust %1"_s.arg(on));
    m_autoAdjust = on;
    applyZoom();
}

void ReportViewer::setZoomRatio(int percent)
{
    m_calls.append(u"ZoomRatio %1"_s.arg(percent));
    m_zoomRatio = std::clamp(percent, 10, 800);
    applyZoom();
}

QString ReportViewer::message() const
{
    return m_stack->currentWidget() == m_message ? m_message->text() : QString();
}

const report::Document *ReportViewer::document() const
{
    return m_preview && m_stack->currentWidget() == m_preview ? &m_preview->document() : nullptr;
}

void ReportViewer::clear()
{
    if (m_reply) {
        QNetworkReply *earlier = m_reply;
        m_reply = nullptr;
        earlier->abort();
    }
    showMessage({});
}

bool ReportViewer::open(const QString &location, const QString &parameters)
{
    m_calls.append(u"Open %1 %2"_s.arg(location, parameters));
    clear();
    m_location = location;
    m_parameters = parameters;
    showMessage(u"보고서를 여는 중입니다: "_s + viewer::LocationFileName(location));
    if (!viewer::IsWebBase(location)) {
        QFile file(location);
        if (!file.exists()) {
            fail(FileMissing, QFileInfo(location).absolutePath() + u" 폴더에 없습니다."_s);
            return false;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            fail(BadDefinition, file.errorString());
            return false;
        }
        display(file.readAll());
        return m_stack->currentWidget() == m_preview;
    }
    QNetworkRequest request{QUrl::fromEncoded(location.toUtf8())};
    request.setTransferTimeout(m_timeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    m_reply = m_network->get(request);
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { fetched(reply); });
    return true;
}

void ReportViewer::fetched(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return; // a later open took its place
    m_reply = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::ContentNotFoundError || status == 404) {
        fail(FileMissing, u"보고서 서버에 없습니다 (HTTP 404)."_s);
        return;
    }
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        fail(ServerUnreachable, u"%1초 안에 응답이 없습니다."_s.arg(m_timeoutMs / 1000.0));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        fail(ServerUnreachable, reply->errorString());
        return;
    }
    display(reply->readAll());
}

void ReportViewer::display(const QByteArray &text)
{
    QString problem;
    const std::optional<viewer::Definition> definition = viewer::ReadDefinition(text, &problem);
    if (!definition) {
        fail(BadDefinition, problem);
        return;
    }
    const std::optional<QStringList> values = viewer::ParseParameterString(m_parameters);
    if (!values) {
        fail(BadValues, u"인수 문자열 \"%1\"은(는) \"/rp [값] [값]\" 꼴이 아닙니다."_s.arg(m_parameters));
        return;
    }
    const std::optional<QStringList> bound = viewer::BindValues(*definition, *values, &problem);
    if (!bound) {
        fail(BadValues, problem);
        return;
    }
    report::RecordList rows;
    try {
        rows = readRows(*definition, *bound);
    } catch (const ServerError &error) {
        if (isWriteRefusal(error.message()))
            fail(WriteRefused, error.message());
        else
            fail(ReadFailed, error.message());
        return;
    }
    const report::Document document = Pages(*definition, *bound, rows, m_printedAt);
    if (m_preview)
        m_preview->deleteLater();
    m_preview = new report::ReportPreview(document, m_stack);
    m_preview->setObjectName(u"frmPreview"_s);
    m_preview->setWindowFlags(Qt::Widget);
    m_preview->installEventFilter(this);
    if (auto *close = m_preview->findChild<QToolButton *>(u"sbtClose"_s))
        close->hide();
    connect(m_preview, &report::ReportPreview::printRequested, this, &ReportViewer::printRequested);
    connect(m_preview, &report::ReportPreview::pdfRequested, this, &ReportViewer::pdfRequested);
    m_stack->addWidget(m_preview);
    m_stack->setCurrentWidget(m_preview);
    applyZoom();
    emit opened();
}

report::Document ReportViewer::Pages(const viewer::Definition &definition, const QStringList &bound,
                                     const report::RowSource &rows, const QDateTime &printedAt)
{
    report::Inputs inputs{.printedAt = printedAt};
    const QStringList lines = viewer::ConditionLines(definition, bound);
    const QString names[] = {u"qrlCondition1"_s, u"qrlCondition2"_s, u"qrlCondition"_s};
    for (qsizetype i = 0; i < lines.size() && i < 3; ++i)
        inputs.texts.insert(names[i], lines.at(i));
    return report::Paginate(viewer::LayoutFor(definition, rows), rows, inputs);
}

bool ReportViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_preview && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ReportViewer::applyZoom()
{
    if (!m_preview)
        return;
    if (m_autoAdjust)
        m_preview->setFit(report::ReportPreview::Fit::Page);
    else
        m_preview->setZoom(m_zoomRatio / 100.0);
}

void ReportViewer::showMessage(const QString &message)
{
    m_message->setText(message);
    m_stack->setCurrentWidget(m_message);
    if (m_preview) {
        m_preview->deleteLater();
        m_preview = nullptr;
    }
}

void ReportViewer::fail(const QString &headline, const QString &cause)
{
    const QString text = headline + u"\n파일: "_s + viewer::LocationFileName(m_location) + u"\n원인: "_s + cause;
    showMessage(text);
    emit failed(text);
}
