#pragma once

#include "EZS000.h"

#include <QHash>

class DateEdit;
class ReportViewer;

// The base of the report screens that show their reports in the report
// viewer: the period "검색기간 :" FROM and TO, the list of a code group's
// reports ("NO", "PROJECT") and the viewer beside it. Search reads the list;
// each change of the current row shows that row's report with the period as
// "/rp [from] [to]" (setAutoAdjust(0), setZoomRatio(90), open, every time).
// A code without a file shows nothing new. The viewer prints and saves PDF
// itself: Print, Preview and Excel are hidden.
class TfrmViewerList : public TfrmEZS000
{
    Q_OBJECT

public:
    enum class Source { Server, LocalFolder };
    enum class DateForm { Key, Dashed }; // 'YYYYMMDD' or 'YYYY-MM-DD'

    struct Def
    {
        QString form;
        QString caption;
        QString codeGroup;                 // the list of reports
        QHash<QString, QString> files;     // report code -> definition file
        Source source = Source::Server;
        DateForm dates = DateForm::Key;
    };

    TfrmViewerList(const Def &def, QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    // F8: the list and the report both go.
    bool bbtCancelClick() override;

    // What the current row's report is opened with; empty when its code has no file.
    QString ReportLocationOf(const QString &code) const;
    QString ReportParameters() const;
    ReportViewer *Viewer() const { return Rdviewer401; }

protected:
    // Shows the report of the current row (nothing for a code without a file).
    void ShowCurrentReport();

    DateEdit *dtpFromDate = nullptr;
    DateEdit *dtpToDate = nullptr;
    ReportViewer *Rdviewer401 = nullptr;

private:
    QString dateText(const DateEdit *edit) const;

    Def m_def;
    bool m_searching = false;
};
