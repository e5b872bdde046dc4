#include "EZH999.h"

#include "GridModel.h"
#include "GridView.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

constexpr int ParamWidth = 160;

} // namespace

TfrmEZH999::TfrmEZH999(const GridModel &source, QWidget *parent)
    : TfrmZZH000(u"frmEZH999"_s, u"GridBack DisPlay"_s, parent)
{
    auto *row = new QHBoxLayout(panMain);
    row->setContentsMargins(4, 4, 4, 4);
    m_grid = new GridModel(this);
    rgrGrid = new GridView(panMain);
    rgrGrid->setObjectName(u"rgrGrid"_s);
    memParam = new QPlainTextEdit(panMain);
    memParam->setObjectName(u"memParam"_s);
    memParam->setReadOnly(true);
    memParam->setFixedWidth(ParamWidth);
    row->addWidget(rgrGrid, 1);
    row->addWidget(memParam);

    QList<ColumnDef> columns;
    QStringList params;
    for (int c = 0; c < source.columnCount(); ++c) {
        const ColumnDef &from = source.column(c);
        // A column without a field still needs one to hold its copy.
        const QString field = from.field.isEmpty() ? u"COLUMN%1"_s.arg(c) : from.field;
        columns.append({.title = from.title,
                        .field = field,
                        .width = ColumnWidth,
                        .dataWidth = from.dataWidth,
                        .alignment = from.alignment,
                        .readOnly = true});
        params.append(u"A"_s + from.title);
    }
    m_grid->setColumns(columns);
    rgrGrid->setGridModel(m_grid);
    memParam->setPlainText(params.join(u'\n'));

    for (int r = 0; r < source.rowCount(); ++r) {
        const int copy = m_grid->insertRecord();
        for (int c = 0; c < source.columnCount(); ++c)
            m_grid->setValue(copy, columns.at(c).field, source.data(source.index(r, c), Qt::EditRole).toString());
    }
    resize(std::min(ColumnWidth * int(columns.size()) + ParamWidth + 40, 1000), 420);
}
