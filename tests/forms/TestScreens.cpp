#include "TestScreens.h"

#include "GridModel.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TfrmZXS010::TfrmZXS010(QWidget *parent) : TfrmEZS000(u"frmZXS010"_s, u"공통코드 조회"_s, parent)
{
    AddSearchFields({{.name = u"edtHead"_s, .caption = u"그룹"_s, .field = u"HEAD"_s, .to = &edtHead},
                     {.name = u"edtName"_s, .caption = u"코드명"_s, .field = u"NAME"_s, .to = &edtName},
                     {.name = u"dtpDate"_s, .kind = FieldKind::Date}});
    cdsQuery->setColumns({
        {.title = u"그룹"_s, .field = u"HEAD"_s, .width = 60, .visible = false},
        {.title = u"코드"_s, .field = u"DETAIL"_s, .width = 60},
        {.title = u"코드명"_s, .field = u"DETAIL_NAME"_s, .width = 200, .footer = true},
        {.title = u"값"_s, .field = u"ITEM1"_s, .width = 80, .alignment = Qt::AlignRight},
    });
    qryQuery.setSql(uR"(
SELECT head, detail, detail_name, item1
  FROM zx010ms
 WHERE head = :HEAD
   AND (detail_name LIKE '%' || :NAME || '%' ESCAPE '' OR CAST(:NAME AS text) IS NULL)
 ORDER BY detail)"_s);
    qryFooter.setSql(u"SELECT count(*) AS detail_name FROM zx010ms WHERE head = :HEAD"_s);
}

bool TfrmZXS010::bbtSearchClick()
{
    if (!TfrmEZS000::bbtSearchClick())
        return false;
    ++searches;
    return true;
}

bool TfrmZXS010::bbtPrintClick()
{
    if (!TfrmEZS000::bbtPrintClick())
        return false;
    ++prints;
    return true;
}

TfrmZXI010::TfrmZXI010(const QString &screenId, QWidget *parent)
    : TfrmZZI010(u"frm"_s + screenId, u"공통코드 등록"_s, parent)
{
    edtKey = new QLineEdit;
    edtKey->setObjectName(u"edtKey"_s);
    AddToSearchBar(edtKey);

    auto *layout = new QGridLayout(panMain);
    edtName = new QLineEdit(panMain);
    edtName->setObjectName(u"edtName"_s);
    edtStamp = new QLineEdit(panMain);
    edtStamp->setObjectName(u"edtStamp"_s);
    edtStamp->setReadOnly(true);
    layout->addWidget(new QLabel(u"코드명"_s, panMain), 0, 0);
    layout->addWidget(edtName, 0, 1);
    layout->addWidget(edtStamp, 1, 1);
    layout->setRowStretch(2, 1);
}

bool TfrmZXI010::bbtSaveClick()
{
    if (!TfrmZZI010::bbtSaveClick())
        return false;
    ++saves;
    return true;
}

void TfrmZXI010::closeEvent(QCloseEvent *event)
{
    ++closeQuestions;
    if (refuseClose) {
        event->ignore();
        return;
    }
    TfrmZZI010::closeEvent(event);
}

TfrmZZI000 *TestMain::CreateScreen(const QString &id)
{
    if (id == u"ZXS010"_s)
        return new TfrmZXS010;
    if (id.startsWith(u"ZXI"_s))
        return new TfrmZXI010(id);
    return nullptr;
}
