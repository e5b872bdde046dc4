#include "EEP020.h"

#include "AccidentMap.h"

using namespace Qt::StringLiterals;

TfrmEEP020::TfrmEEP020(const QList<ColumnDef> &columns, Content content, QObject *parent)
    : TfrmEZP000(u"frmEEP020"_s, u"일일 사고현황"_s, parent), m_content(content)
{
    m_orientation = report::Orientation::Landscape;
    SetGridColumns(columns);
    SetSummary(CountSummary());
}

report::Layout TfrmEEP020::Layout() const
{
    report::Layout layout = TfrmEZP000::Layout();
    if (m_content != WithMap || Rows().count() == 0)
        return layout;
    // Taller than what a page has left below the list, so it starts a page.
    const qreal height = 150;
    const qreal width = layout.page.contentWidth();
    layout.bands.append({.kind = report::BandKind::Summary,
                         .height = height,
                         .items = {{.rect = {0, 2, width, 7}, .name = u"qrlMapTitle"_s, .text = u"지도"_s,
                                    .font = {.pointSize = 11, .bold = true}},
                                   accidentmap::MapItem(accidentmap::PlotOf(Rows()), {0, 10, width, height - 12})}});
    return layout;
}
