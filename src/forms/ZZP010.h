#pragma once

#include "ReportDocument.h"
#include "RowSource.h"
#include "SqlQuery.h"

#include <QDateTime>
#include <QHash>
#include <QObject>

#include <utility>

class QWidget;

// The printed report base: the page, the title block with its three
// condition lines and the page footer (print time, "n / N", the layout's id,
// the business's names and logo); a layout adds its columns and summary.
// The layout reads its own rows with a copy of the search screen's query,
// and goes to the printer (progress window with Cancel), the preview (with
// its own Print and PDF) or a PDF file. Destroyed when closed.
class TfrmZZP010 : public QObject
{
    Q_OBJECT

public:
    TfrmZZP010(const QString &formName, const QString &title, QObject *parent = nullptr);
    ~TfrmZZP010() override;

    // The form name without its first three characters ("frmEBP100" gives "EBP100").
    QString ReportId() const;
    QString Title() const { return m_title; }

    // The condition lines from the top.
    void SetCondition1(const QString &text);
    void SetCondition2(const QString &text);
    void SetCondition(const QString &text);
    // The text of any named item (a summary value); replaces what the layout says.
    void SetText(const QString &name, const QString &text);
    QString Text(const QString &name) const { return m_texts.value(name); }
    // Fixes the time the pages show (tests); otherwise the time of the print.
    void SetPrintedAt(const QDateTime &at) { m_printedAt = at; }

    // "caption: value" groups joined by three blanks, as condition lines read.
    static QString ConditionText(const QList<std::pair<QString, QString>> &groups);

    // The search screen's query text and its values as bound.
    void CopyQuery(const SqlQuery &source);
    // Reads the rows again; a server error passes on and nothing is kept.
    void Open();
    void Close();
    const report::RecordList &Rows() const { return cdsQuery; }
    // Rows given instead of read (a layout laid out from known records).
    void SetRows(report::RecordList rows) { cdsQuery = std::move(rows); }

    virtual report::Layout Layout() const;
    // The pages as they would print now.
    report::Document Pages() const;

    // Asks for the printer and prints with the progress window; false when
    // the operator declined or cancelled, or the printer failed (said so).
    bool Print(QWidget *parent);
    // The preview window, until the operator closes it.
    void Preview(QWidget *parent);
    // Asks for a file name and writes the pages as PDF; false when nothing was written.
    bool SavePdf(QWidget *parent);

    static bool PrintDocument(const report::Document &document, QWidget *parent);
    static bool SaveDocumentPdf(const report::Document &document, QWidget *parent);
    static void PreviewDocument(const report::Document &document, QWidget *parent);

protected:
    SqlQuery qryQuery;
    report::RecordList cdsQuery;

private:
    QString m_formName;
    QString m_title;
    QHash<QString, QString> m_texts;
    QDateTime m_printedAt;
};

// The logo of the page footer.
QImage ReportLogo();
