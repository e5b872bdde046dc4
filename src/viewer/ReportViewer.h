#pragma once

#include "ReportDefinition.h"
#include "ReportDocument.h"
#include "ReportPreview.h"

#include <QNetworkReply>
#include <QPointer>
#include <QWidget>

class QLabel;
class QNetworkAccessManager;
class QStackedWidget;

// The report viewer a report screen fills its area with. The screen makes
// three calls every time it shows a report: setAutoAdjust(0),
// setZoomRatio(90), open(location, parameters). The definition is read from
// a folder or fetched from the report server without blocking (a timeout
// ends a server that does not answer), its SQL runs on the read replica
// when there is one, in a read-only transaction, and the pages show in the
// report engine's preview (pages, zoom, print, PDF). Whatever goes wrong
// shows in the viewer's area, in Korean, naming the file and the cause; the
// operator's work goes on. Parts: lblMessage, frmPreview (while a report shows).
class ReportViewer : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeoutSeconds = 10;

    explicit ReportViewer(QWidget *parent = nullptr);
    ~ReportViewer() override;

    // 0: the zoom ratio holds; otherwise the page fits the area.
    void setAutoAdjust(int on);
    // Per cent of the paper's size.
    void setZoomRatio(int percent);
    // Shows the definition at `location` (ReportLocation) with the values of
    // `parameters` ("/rp [..] [..]"). False when it failed at once; a
    // definition from the server arrives later (opened or failed follows).
    bool open(const QString &location, const QString &parameters);

    // Nothing shown, and an answer still on its way dropped.
    void clear();

    // Main.ini [REPORT] TIMEOUT, seconds; tests set it.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // The calls as they came ("AutoAdjust 0", "ZoomRatio 90", "Open LOCATION PARAMETERS").
    const QStringList &calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }
    // What the area says instead of a report; empty while a report shows.
    QString message() const;
    bool loading() const { return m_reply != nullptr; }
    // The report shown; null when none.
    const report::Document *document() const;
    report::ReportPreview *preview() const { return m_preview; }
    // When the pages are printed (tests fix it); null: now.
    void setPrintedAt(const QDateTime &at) { m_printedAt = at; }

    // The pages of a definition over rows already read, as open lays them out.
    static report::Document Pages(const viewer::Definition &definition, const QStringList &bound,
                                  const report::RowSource &rows, const QDateTime &printedAt = {});

signals:
    void opened();
    void failed(const QString &message);
    // The preview's Print and PDF: the host sends document() to its output.
    void printRequested();
    void pdfRequested();

protected:
    // Esc would close the embedded preview as it closes a dialog.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMessage(const QString &message);
    void fail(const QString &headline, const QString &cause);
    void fetched(QNetworkReply *reply);
    void display(const QByteArray &text);
    void applyZoom();

    QStackedWidget *m_stack = nullptr;
    QLabel *m_message = nullptr;
    QPointer<report::ReportPreview> m_preview;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QString m_location;
    QString m_parameters;
    QStringList m_calls;
    QDateTime m_printedAt;
    int m_autoAdjust = 0;
    int m_zoomRatio = 100;
    int m_timeoutMs = DefaultTimeoutSeconds * 1000;
};
