#include "EES120.h"

#include "AccidentMap.h"
#include "EEP020.h"
#include "GridModel.h"
#include "GridView.h"

#include <QSplitter>
#include <QTabWidget>

using namespace Qt::StringLiterals;

TfrmEES120::TfrmEES120(QWidget *parent)
    : AccidentList({.form = u"frmEES120"_s, .caption = u"일일 사고현황 조회,출력"_s, .report = ListReport<TfrmEEP020>},
                   u"e.trob_date >= :TROB_FROM_DATE\nAND    e.trob_date <= :TROB_TO_DATE"_s, true, parent)
{
    AddSearchFields({{.name = u"dtpTrobFromDate"_s, .caption = u"*사고일자"_s, .kind = FieldKind::Date,
                      .field = u"TROB_FROM_DATE"_s, .printLine = 0},
                     {.name = u"dtpTrobToDate"_s, .caption = u"~"_s, .kind = FieldKind::Date,
                      .field = u"TROB_TO_DATE"_s, .sameLine = true, .printLine = 0},
                     PlaceClassField()});

    pgcMap = new QTabWidget(splGrid);
    pgcMap->setObjectName(u"pgcMap"_s);
    mapAccident = new AccidentMap(pgcMap);
    mapAccident->setObjectName(u"mapAccident"_s);
    pgcMap->addTab(mapAccident, u"지도"_s);
    splGrid->addWidget(pgcMap);
    splGrid->setStretchFactor(0, 3);
    splGrid->setStretchFactor(splGrid->indexOf(pgcMap), 2);
    // A point and its row select each other.
    connect(rgrGrid, &GridView::currentRowChanged, mapAccident, [this](int row) { mapAccident->setCurrentRow(row); });
    connect(mapAccident, &AccidentMap::rowPicked, rgrGrid, [this](int row) { rgrGrid->setCurrentRow(row); });
}

bool TfrmEES120::bbtSearchClick()
{
    const bool searched = AccidentList::bbtSearchClick();
    showOnMap();
    return searched;
}

bool TfrmEES120::bbtCancelClick()
{
    const bool cancelled = AccidentList::bbtCancelClick();
    showOnMap();
    return cancelled;
}

void TfrmEES120::showOnMap()
{
    cdsQuery->fetchAll();
    // The legend: the kinds of injury the list holds, in code order.
    QMap<QString, QString> injuries;
    for (int row = 0; row < cdsQuery->rowCount(); ++row)
        if (const QString code = cdsQuery->value(row, u"IN_STAT_GUBUN"_s); !code.isEmpty())
            injuries.insert(code, cdsQuery->value(row, u"IN_STAT_NAME"_s));
    mapAccident->setPoints(accidentmap::PointsOf(*cdsQuery), injuries.keys(), injuries.values());
    mapAccident->setCurrentRow(rgrGrid->currentRow());
}

void TfrmEES120::FillConditions(TfrmZZP010 &report)
{
    TfrmEZS000::FillConditions(report);
    QString from;
    QString to;
    for (const Field &field : SearchFields()) {
        if (field.def.field == u"TROB_FROM_DATE"_s)
            from = field.printed();
        else if (field.def.field == u"TROB_TO_DATE"_s)
            to = field.printed();
    }
    report.SetCondition1(u"*사고일자: "_s + RangeText(from, to));
}
