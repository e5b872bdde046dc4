#include "EBI020.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace {

const QString SizeGroupMissing =
    u"선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!"_s;

// A date key cell drawn as 9999-99-99, in the grid's cell colour.
class DateKeyDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &) const override
    {
        const QString key = value.toString();
        if (key.size() != 8)
            return key;
        return key.left(4) + u'-' + key.mid(4, 2) + u'-' + key.mid(6, 2);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (const auto *view = qobject_cast<const GridView *>(parent()); view && view->colours().cellBackground.isValid())
            option->backgroundBrush = view->colours().cellBackground;
    }
};

} // namespace

TfrmEBI020::TfrmEBI020(QWidget *parent) : TfrmEZI000(u"frmEBI020"_s, u"장비등록"_s, parent)
{
    auto *areaLabel = new QLabel(u"*지역구분"_s, this);
    cboAreaGubun = new CodeCombo(this);
    cboAreaGubun->setObjectName(u"cboAreaGubun"_s);
    FillCodeList(*cboAreaGubun, u"E0017"_s);
    auto *kindLabel = new QLabel(u"*장비구분"_s, this);
    cboEquipGubun = new CodeCombo(this);
    cboEquipGubun->setObjectName(u"cboEquipGubun"_s);
    FillCodeList(*cboEquipGubun, u"E0009"_s);
    for (QWidget *widget : std::initializer_list<QWidget *>{areaLabel, cboAreaGubun, kindLabel, cboEquipGubun})
        AddToSearchBar(widget);
    cboAreaGubun->setCurrentIndex(cboAreaGubun->count() > 0 ? 0 : -1);
    cboEquipGubun->setCurrentIndex(cboEquipGubun->count() > 0 ? 0 : -1);

    SetColumns({{.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 70, .dataWidth = 5, .key = true},
                {.title = u"사이즈"_s, .field = u"EQUIP_SIZE_GUBUN"_s, .width = 60, .dataWidth = 10},
                {.title = u"장비대여가능여부"_s, .field = u"EQUIP_RENT_YN"_s, .width = 110, .dataWidth = 1,
                 .alignment = Qt::AlignHCenter},
                {.title = u"구입일자"_s, .field = u"BUY_DATE"_s, .width = 80, .dataWidth = 8,
                 .alignment = Qt::AlignHCenter},
                {.title = u"비고"_s, .field = u"REMARK"_s, .width = 200, .dataWidth = 60},
                {.title = u"연일대여여부"_s, .field = u"SVRL_RENT_YN"_s, .dataWidth = 1, .visible = false},
                {.title = u"연일사용기간FROM"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .dataWidth = 10, .visible = false},
                {.title = u"연일사용기간TO"_s, .field = u"SVRL_RENT_TO_DATE"_s, .dataWidth = 10, .visible = false}});
    FillColumnCodes(Rows(), 1, u"E0010"_s);
    Rows().pickList(2).append(u"가능"_s, u"Y"_s);
    Rows().pickList(2).append(u"불가능"_s, u"N"_s);
    rgrGrid->setItemDelegateForColumn(3, new DateKeyDelegate(rgrGrid));

    AddFields({{.name = u"wlbEquipNo"_s, .label = u"장비번호"_s, .column = u"장비번호"_s},
               {.name = u"cboEquipSizeGubun"_s, .label = u"*사이즈"_s, .column = u"사이즈"_s,
                .codeGroup = u"E0010"_s},
               {.name = u"cboEquipRentYn"_s, .label = u"*장비대여\r\n 가능여부"_s, .column = u"장비대여가능여부"_s},
               {.name = u"wmeBuyDate"_s, .label = u"*구입일자"_s, .column = u"구입일자"_s, .mask = u"9999-99-99;0; "_s},
               {.name = u"edtRemark"_s, .label = u"비고"_s, .column = u"비고"_s, .maxBytes = 60},
               {.name = u"wlbSvrlRentYn"_s, .label = u"연일\r\n대여여부"_s, .column = u"연일대여여부"_s},
               {.name = u"wlbSvrlRentFromDate"_s, .label = u"연일사용기간"_s, .column = u"연일사용기간FROM"_s},
               {.name = u"wlbSvrlRentToDate"_s, .label = u"∼"_s, .column = u"연일사용기간TO"_s, .sameLine = true}});
    auto *rentYn = findChild<CodeCombo *>(u"cboEquipRentYn"_s);
    rentYn->addCode(u"가능"_s, u"Y"_s);
    rentYn->addCode(u"불가능"_s, u"N"_s);
    for (const QString &name : {u"wlbEquipNo"_s, u"wlbSvrlRentYn"_s, u"wlbSvrlRentFromDate"_s, u"wlbSvrlRentToDate"_s})
        findChild<QLabel *>(name)->setMinimumWidth(80);

    // One row per item: the rental row of the multi-day rental is joined only
    // while the item is out on it, and only one of them. Ordered by the key,
    // so that the row kept after a save is the same item.
    qryQuery.setSql(u"SELECT t1.equip_no, t1.equip_size_gubun, t1.equip_rent_yn, t1.buy_date, t1.remark,\n"
                    "       t1.svrl_rent_yn,\n"
                    "       CASE WHEN NULLIF(t2.svrl_rent_from_date, '') IS NULL THEN NULL\n"
                    "            ELSE concat(substr(t2.svrl_rent_from_date, 1, 4), '-', substr(t2.svrl_rent_from_date, 5, 2),\n"
                    "                        '-', substr(t2.svrl_rent_from_date, 7, 2)) END AS svrl_rent_from_date,\n"
                    "       CASE WHEN NULLIF(t2.svrl_rent_to_date, '') IS NULL THEN NULL\n"
                    "            ELSE concat(substr(t2.svrl_rent_to_date, 1, 4), '-', substr(t2.svrl_rent_to_date, 5, 2),\n"
                    "                        '-', substr(t2.svrl_rent_to_date, 7, 2)) END AS svrl_rent_to_date\n"
                    "FROM   eb020ms t1\n"
                    "LEFT   JOIN LATERAL (SELECT d.svrl_rent_from_date, d.svrl_rent_to_date\n"
                    "                     FROM   eb040dt d\n"
                    "                     WHERE  d.area_gubun  = t1.area_gubun\n"
                    "                     AND    d.equip_gubun = t1.equip_gubun\n"
                    "                     AND    d.equip_no    = t1.equip_no\n"
                    "                     AND    d.rent_date   = t1.svrl_from_date\n"
                    "                     AND    d.rent_stat   = 'S'\n"
                    "                     AND    t1.svrl_rent_yn = 'Y'\n"
                    "                     ORDER  BY d.rent_no DESC, d.rent_seq DESC\n"
                    "                     LIMIT  1) t2 ON true\n"
                    "WHERE  t1.area_gubun  = :AREA_GUBUN\n"
                    "AND    t1.equip_gubun = :EQUIP_GUBUN\n"
                    "ORDER  BY t1.equip_no"_s);
    prcSaveData.setName(u"pr_ebi020_01"_s);
}

bool TfrmEBI020::bbtSearchClick()
{
    m_area = cboAreaGubun->code();
    m_kind = cboEquipGubun->code();
    qryQuery.bind(u"AREA_GUBUN"_s, m_area);
    qryQuery.bind(u"EQUIP_GUBUN"_s, m_kind);
    return TfrmEZI000::bbtSearchClick();
}

bool TfrmEBI020::bbtSaveClick()
{
    prcSaveData.clearValues();
    prcSaveData.setValue(u"AAREA_GUBUN"_s, m_area);
    prcSaveData.setValue(u"AEQUIP_GUBUN"_s, m_kind);
    if (!TfrmEZI000::bbtSaveClick())
        return false;
    if (Rows().rowCount() == 0) {
        ClearControls();
        AppendEmptyRow();
    }
    return true;
}

bool TfrmEBI020::ValidateRow(TReturn &result)
{
    auto *size = findChild<CodeCombo *>(u"cboEquipSizeGubun"_s);
    auto *rentYn = findChild<CodeCombo *>(u"cboEquipRentYn"_s);
    auto *buyDate = findChild<MaskEdit *>(u"wmeBuyDate"_s);
    const QString first = u"을(를) 먼저 입력하십시오."_s;
    if (size->code().isEmpty()) {
        result = {u"*사이즈"_s + first, size};
        return false;
    }
    if (rentYn->code().isEmpty()) {
        result = {u"*장비대여\r\n 가능여부"_s + first, rentYn};
        return false;
    }
    if (!SizeInGroup(m_area, m_kind, size->code())) {
        result = {SizeGroupMissing, size};
        return false;
    }
    const QString date = buyDate->plainText().trimmed();
    if (date.isEmpty()) {
        result = {u"*구입일자"_s + first, buyDate};
        return false;
    }
    if (!IsValidYmd(date)) {
        result = {u"*구입일자을(를) 정확히 입력하십시오."_s, buyDate};
        return false;
    }
    return true;
}
