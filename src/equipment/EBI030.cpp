#include "EBI030.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmEBI030::TfrmEBI030(QWidget *parent) : TfrmEZI000(u"frmEBI030"_s, u"부츠 기준재고 등록"_s, parent)
{
    auto *areaLabel = new QLabel(u"*지역구분"_s, this);
    cboArea = new CodeCombo(this);
    cboArea->setObjectName(u"cboArea"_s);
    FillCodeList(*cboArea, u"E0017"_s);
    AddToSearchBar(areaLabel);
    AddToSearchBar(cboArea);
    cboArea->setCurrentIndex(cboArea->count() > 0 ? 0 : -1);

    SetColumns({{.title = u"사이즈"_s, .field = u"BOOTS_SIZE_GUBUN"_s, .width = 80, .dataWidth = 10, .key = true},
                {.title = u"기준재고수량"_s, .field = u"STOCK_QTY"_s, .width = 100, .dataWidth = 4,
                 .alignment = Qt::AlignRight}});
    FillColumnCodes(Rows(), 0, u"E0011"_s);
    AddFields({{.name = u"cboBootsSize"_s, .label = u"*사이즈"_s, .column = u"사이즈"_s, .codeGroup = u"E0011"_s},
               {.name = u"wneStockQty"_s, .label = u"*기준재고수량"_s, .column = u"기준재고수량"_s, .maxBytes = 4}});
    findChild<QWidget *>(u"wneStockQty"_s)->setFixedWidth(80);

    qryQuery.setSql(u"SELECT boots_size_gubun, stock_qty\n"
                    "FROM   eb030ms\n"
                    "WHERE  area_gubun = :AREA_GUBUN\n"
                    "ORDER  BY boots_size_gubun"_s);
    prcSaveData.setName(u"pr_ebi030_01"_s);
}

bool TfrmEBI030::bbtSearchClick()
{
    m_area = cboArea->code();
    qryQuery.bind(u"AREA_GUBUN"_s, m_area);
    return TfrmEZI000::bbtSearchClick();
}

bool TfrmEBI030::bbtSaveClick()
{
    prcSaveData.clearValues();
    prcSaveData.setValue(u"AAREA_GUBUN"_s, m_area);
    if (!TfrmEZI000::bbtSaveClick())
        return false;
    if (Rows().rowCount() == 0) {
        ClearControls();
        AppendEmptyRow();
    }
    return true;
}

bool TfrmEBI030::ValidateRow(TReturn &result)
{
    auto *size = findChild<CodeCombo *>(u"cboBootsSize"_s);
    if (size->code().isEmpty()) {
        result = {u"*사이즈을(를) 먼저 입력하십시오."_s, size};
        return false;
    }
    if (HasDuplicateKey()) {
        result = {u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s, size};
        return false;
    }
    return true;
}
