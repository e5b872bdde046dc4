#include "ViewerList.h"

#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Modal.h"
#include "ReportLocation.h"
#include "ReportViewer.h"
#include "ViewerWindow.h"

#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>

using namespace Qt::StringLiterals;

TfrmViewerList::TfrmViewerList(const Def &def, QWidget *parent)
    : TfrmEZS000({.form = def.form, .caption = def.caption}, parent), m_def(def)
{
    AddSearchFields({
        {.name = u"dtpFromDate"_s, .caption = u"검색기간 :  FROM"_s, .kind = FieldKind::Date,
         .field = u"FROM_DATE"_s, .to = &dtpFromDate},
        {.name = u"dtpToDate"_s, .caption = u"TO"_s, .kind = FieldKind::Date, .field = u"TO_DATE"_s,
         .to = &dtpToDate},
    });
    cdsQuery->setColumns({
        {.title = u"NO"_s, .field = u"DETAIL"_s, .width = 40, .alignment = Qt::AlignCenter},
        {.title = u"PROJECT"_s, .field = u"DETAIL_NAME"_s, .width = 220},
    });
    SetQuery(uR"sql(SELECT detail, detail_name
FROM   zx010ms
WHERE  head = :GC_REPORT_CODE
AND    detail IS NOT NULL
ORDER  BY detail)sql"_s,
             {{u"GC_REPORT_CODE"_s, def.codeGroup}});

    Rdviewer401 = new ReportViewer(splGrid);
    splGrid->addWidget(Rdviewer401);
    // The list keeps its width; the report takes the rest (the hidden
    // information panel stands between them).
    splGrid->setStretchFactor(0, 0);
    splGrid->setStretchFactor(splGrid->indexOf(Rdviewer401), 1);
    QList<int> sizes(splGrid->count(), 0);
    sizes.first() = 300;
    sizes.last() = 700;
    splGrid->setSizes(sizes);
    for (QPushButton *button : {bbtPrint, bbtPreview, bbtExcel})
        button->hide();

    connect(rgrGrid, &GridView::currentRowChanged, this, Guarded([this] {
                if (!m_searching)
                    ShowCurrentReport();
            }));
    ConnectViewerOutput(Rdviewer401, this);
}

bool TfrmViewerList::bbtSearchClick()
{
    bool searched = false;
    {
        const QScopedValueRollback<bool> searching(m_searching, true);
        searched = TfrmEZS000::bbtSearchClick();
    }
    // A report of an earlier search must not stand beside a list that lacks it.
    Rdviewer401->clear();
    if (searched)
        ShowCurrentReport();
    return searched;
}

bool TfrmViewerList::bbtCancelClick()
{
    if (!TfrmEZS000::bbtCancelClick())
        return false;
    Rdviewer401->clear();
    return true;
}

QString TfrmViewerList::dateText(const DateEdit *edit) const
{
    const QString key = ControlValue(edit);
    if (m_def.dates == DateForm::Key || key.size() != 8)
        return key;
    return key.left(4) + u'-' + key.mid(4, 2) + u'-' + key.mid(6, 2);
}

QString TfrmViewerList::ReportLocationOf(const QString &code) const
{
    const QString file = m_def.files.value(code);
    if (file.isEmpty())
        return {};
    const QString base =
        m_def.source == Source::LocalFolder ? viewer::ConfiguredLocalFolder() : viewer::ConfiguredServer();
    return viewer::ReportLocation(base, file);
}

QString TfrmViewerList::ReportParameters() const
{
    QString problem;
    return viewer::ParameterString({dateText(dtpFromDate), dateText(dtpToDate)}, &problem).value_or(QString());
}

void TfrmViewerList::ShowCurrentReport()
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || row >= cdsQuery->rowCount())
        return;
    const QString location = ReportLocationOf(cdsQuery->value(row, u"DETAIL"_s));
    if (location.isEmpty())
        return;
    QString problem;
    const std::optional<QString> parameters =
        viewer::ParameterString({dateText(dtpFromDate), dateText(dtpToDate)}, &problem);
    if (!parameters) {
        ErrorBox(u"보고서 인수가 맞지 않습니다.\r"_s + problem);
        return;
    }
    Rdviewer401->setAutoAdjust(0);
    Rdviewer401->setZoomRatio(90);
    Rdviewer401->open(location, *parameters);
}
