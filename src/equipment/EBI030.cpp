#include "EBI030.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"

#include <QLabel>

using namespace Qt::StringLiterals;

TfrmEBI030::TfrmEBI030(QWidget *parent) : TfrmEZI000(u"frmEBI030"_s, u"부츠 기준재고 등록"_s, parent)
{
    AddSearchFields({{.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code,
                      .field = u"AREA_GUBUN"_s, .codeGroup = u"E0017"_s}});
    SetColumns({{.title = u"사이즈"_s, .field = u"BOOTS_SIZE_GUBUN"_s, .width = 80, .dataWidth = 10,
                 .codeGroup = u"E0011"_s, .key = true},
                {.title = u"기준재고수량"_s, .field = u"STOCK_QTY"_s, .width = 100, .dataWidth = 4,
                 .alignment = Qt::AlignRight},
                {.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true}});
    AddFields({{.name = u"cboBootsSize"_s, .caption = u"*사이즈"_s, .kind = FieldKind::Code,
                .field = u"BOOTS_SIZE_GUBUN"_s, .codeGroup = u"E0011"_s, .required = true, .to = &cboBootsSize},
               {.name = u"wneStockQty"_s, .caption = u"*기준재고수량"_s, .kind = FieldKind::Number,
                .field = u"STOCK_QTY"_s, .bytes = 4, .width = 80}});

    qryQuery.setSql(u"SELECT boots_size_gubun, stock_qty, row_ver\n"
                    "FROM   eb030ms\n"
                    "WHERE  area_gubun = :AREA_GUBUN\n"
                    "ORDER  BY boots_size_gubun"_s);
    prcSaveData.setName(u"pr_ebi030_01"_s);
    SetOptions({.keepEmptyRow = true});
}

QList<RowCheck> TfrmEBI030::RowChecks()
{
    return {{[this] { return HasDuplicateKey(); }, cboBootsSize, u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s}};
}
