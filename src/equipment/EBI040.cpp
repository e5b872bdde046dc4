#include "EBI040.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "DataModule.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "StartupValues.h"
#include "TicketPrinter.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString HeadSql = u"SELECT deal_name, keep_kind_gubun, keep_box_no\n"
                        "FROM   eb040ms\n"
                        "WHERE  rent_date  = :RENT_DATE\n"
                        "AND    area_gubun = :AREA_GUBUN\n"
                        "AND    rent_no    = :RENT_NO"_s;

const QString RowSql = u"SELECT rent_seq, ticket_kind, rent_stat, equip_gubun, equip_no, rent_name,\n"
                       "       fn_za010ms_04(tel_no) AS tel_no, height, weight, shoes_size, binding, zip_code,\n"
                       "       fn_za010ms_04(addr1) AS addr1, fn_za010ms_04(addr2) AS addr2,\n"
                       "       svrl_rent_from_date, svrl_rent_to_date, remark\n"
                       "FROM   eb040dt\n"
                       "WHERE  rent_date  = :RENT_DATE\n"
                       "AND    area_gubun = :AREA_GUBUN\n"
                       "AND    rent_no    = :RENT_NO\n"
                       "ORDER  BY rent_seq"_s;

const QString FreeSql = u"SELECT t.equip_no\n"
                        "FROM   eb020ms t\n"
                        "WHERE  t.area_gubun       = :AREA_GUBUN\n"
                        "AND    t.equip_gubun      = :EQUIP_GUBUN\n"
                        "AND    t.equip_size_gubun = :EQUIP_SIZE_GUBUN\n"
                        "AND    t.equip_rent_yn    = 'Y'\n"
                        "AND    t.svrl_rent_yn     = 'N'\n"
                        "AND    NOT EXISTS (SELECT 1 FROM eb040dt d\n"
                        "                   WHERE  d.rent_date   = :RENT_DATE\n"
                        "                   AND    d.area_gubun  = t.area_gubun\n"
                        "                   AND    d.equip_gubun = t.equip_gubun\n"
                        "                   AND    d.equip_no    = t.equip_no\n"
                        "                   AND    d.rent_stat   = :RENT_STAT)\n"
                        "AND    NOT EXISTS (SELECT 1 FROM eb020tm h\n"
                        "                   WHERE  h.rent_date   = :RENT_DATE\n"
                        "                   AND    h.area_gubun  = t.area_gubun\n"
                        "                   AND    h.equip_gubun = t.equip_gubun\n"
                        "                   AND    h.equip_no    = t.equip_no)\n"
                        "ORDER  BY t.equip_no"_s;

const QString EnterFirst = u"을(를) 먼저 입력하십시오."_s;
const QString EnterCorrectly = u"을(를) 정확히 입력하십시오."_s;

QString trimmed(const QLineEdit *edit)
{
    if (auto *mask = qobject_cast<const MaskEdit *>(edit))
        return mask->plainText().trimmed();
    return edit->text().trimmed();
}

QLabel *captionLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TfrmEBI040::TfrmEBI040(QWidget *parent) : TfrmEBI040(TicketPrinter::ConfiguredPortName(), parent)
{
}

TfrmEBI040::TfrmEBI040(const QString &printerPort, QWidget *parent)
    : TfrmEZI000(u"frmEBI040"_s, u"장비 대여/반납 작업"_s, parent), m_free(new GridModel(this)),
      m_printer(new TicketPrinter(printerPort, this))
{
    m_printer->setObjectName(u"cptFlotec"_s);
    build();
    m_printer->OpenPrinter();
}

TfrmEBI040::~TfrmEBI040() = default;

void TfrmEBI040::build()
{
    // Search bar
    dtpDate = new DateEdit(panSearch);
    dtpDate->setObjectName(u"dtpDate"_s);
    dtpDate->setDate(QDate::currentDate());
    cboArea = new CodeCombo(panSearch);
    cboArea->setObjectName(u"cboArea"_s);
    FillCodeList(*cboArea, u"E0017"_s);
    cboArea->setCurrentIndex(cboArea->count() > 0 ? 0 : -1);
    edtRentNo = new TextEdit(panSearch);
    edtRentNo->setObjectName(u"edtRentNo"_s);
    edtRentNo->setMaxBytes(10);
    edtRentNo->installEventFilter(this);
    auto *bbtRentNo = new QPushButton(u"..."_s, panSearch);
    bbtRentNo->setObjectName(u"bbtRentNo"_s);
    bbtRentNo->setFixedWidth(24);
    OnClick(bbtRentNo, [this] { pickRental(); });
    AddToSearchBar(captionLabel(u"lblDate"_s, u"*대여일자"_s, panSearch));
    AddToSearchBar(dtpDate);
    AddToSearchBar(captionLabel(u"lblArea"_s, u"*지역구분"_s, panSearch));
    AddToSearchBar(cboArea);
    AddToSearchBar(captionLabel(u"lblRentNo"_s, u"대여번호"_s, panSearch));
    AddToSearchBar(edtRentNo);
    AddToSearchBar(bbtRentNo);

    // Head
    panHead->show();
    auto *head = new QHBoxLayout(panHead);
    edtDealName = new TextEdit(panHead);
    edtDealName->setObjectName(u"edtDealName"_s);
    edtDealName->setMaxBytes(30);
    cboKeepKind = new CodeCombo(panHead);
    cboKeepKind->setObjectName(u"cboKeepKind"_s);
    FillCodeList(*cboKeepKind, u"E0013"_s);
    cboKeepKind->setCurrentIndex(cboKeepKind->count() > 0 ? 0 : -1);
    edtKeepBoxNo = new TextEdit(panHead);
    edtKeepBoxNo->setObjectName(u"edtKeepBoxNo"_s);
    edtKeepBoxNo->setMaxBytes(5);
    head->addWidget(captionLabel(u"lblDealName"_s, u"*취급자"_s, panHead));
    head->addWidget(edtDealName);
    head->addWidget(captionLabel(u"lblKeepKind"_s, u"*보관내용구분"_s, panHead));
    head->addWidget(cboKeepKind);
    head->addWidget(captionLabel(u"lblKeepBoxNo"_s, u"*보관함번호"_s, panHead));
    head->addWidget(edtKeepBoxNo);
    head->addStretch();
    // A head edit is a change of the rental like a row edit.
    connect(edtDealName, &QLineEdit::textEdited, this, [this] { MarkRowChanged(); });
    connect(edtKeepBoxNo, &QLineEdit::textEdited, this, [this] { MarkRowChanged(); });
    connect(cboKeepKind, &QComboBox::activated, this, [this] { MarkRowChanged(); });

    SetColumns({{.title = u"대여순번"_s, .field = u"RENT_SEQ"_s, .width = 60, .dataWidth = 4,
                 .alignment = Qt::AlignRight, .readOnly = true, .key = true},
                {.title = u"권종"_s, .field = u"TICKET_KIND"_s, .width = 90, .readOnly = true},
                {.title = u"대여상태"_s, .field = u"RENT_STAT"_s, .width = 70, .readOnly = true},
                {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN"_s, .visible = false},
                {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .visible = false},
                {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .visible = false},
                {.title = u"연락처"_s, .field = u"TEL_NO"_s, .visible = false},
                {.title = u"신장"_s, .field = u"HEIGHT"_s, .visible = false},
                {.title = u"체중"_s, .field = u"WEIGHT"_s, .visible = false},
                {.title = u"부츠사이즈"_s, .field = u"SHOES_SIZE"_s, .visible = false},
                {.title = u"바인딩강도"_s, .field = u"BINDING"_s, .visible = false},
                {.title = u"우편번호"_s, .field = u"ZIP_CODE"_s, .visible = false},
                {.title = u"주소"_s, .field = u"ADDR1"_s, .visible = false},
                {.title = u"상세주소"_s, .field = u"ADDR2"_s, .visible = false},
                {.title = u"연일대여기간From"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .visible = false},
                {.title = u"연일대여기간To"_s, .field = u"SVRL_RENT_TO_DATE"_s, .visible = false},
                {.title = u"비고"_s, .field = u"REMARK"_s, .visible = false}});
    panGrid->setMaximumWidth(260);

    // State buttons
    auto *states = new QHBoxLayout;
    auto stateButton = [this, states](const QString &name, const QString &caption, const QString &code,
                                      Qt::Key key) {
        auto *button = new QToolButton(panBody);
        button->setObjectName(name);
        button->setText(caption);
        button->setFocusPolicy(Qt::NoFocus);
        states->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, code] { SelectRentState(code); });
        AddHotkey(QKeySequence(key), caption, [this, button, code] {
            if (button->isEnabled() && button->isVisible())
                SelectRentState(code);
        });
        return button;
    };
    sbtRentDay = stateButton(u"sbtRentDay"_s, u"일일대여[F5]"_s, u"D"_s, Qt::Key_F5);
    sbtRentSvrl = stateButton(u"sbtRentSvrl"_s, u"연일대여[F6]"_s, u"S"_s, Qt::Key_F6);
    sbtReturn = stateButton(u"sbtReturn"_s, u"반납[F7]"_s, u"R"_s, Qt::Key_F7);
    states->addStretch();
    m_bodyLayout->addRow(states);
    setStateButtons({});

    AddFields({{.name = u"cboRentEquip"_s, .label = u"*장비구분"_s, .column = u"장비구분"_s, .codeGroup = u"E0009"_s},
               {.name = u"edtRentEquipNo"_s, .label = u"*장비번호"_s, .column = u"장비번호"_s, .maxBytes = 5,
                .readOnly = true},
               {.name = u"cboEquipSizeGubun"_s, .label = u"사이즈"_s}});
    cboRentEquip = findChild<CodeCombo *>(u"cboRentEquip"_s);
    edtRentEquipNo = findChild<TextEdit *>(u"edtRentEquipNo"_s);
    cboEquipSizeGubun = findChild<CodeCombo *>(u"cboEquipSizeGubun"_s);
    QPalette blue = edtRentEquipNo->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    edtRentEquipNo->setPalette(blue);

    // Free items
    auto *freeLine = new QHBoxLayout;
    rgrEquipNo = new GridView(panBody);
    rgrEquipNo->setObjectName(u"rgrEquipNo"_s);
    m_free->setColumns({{.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 90, .readOnly = true,
                         .footer = true}});
    rgrEquipNo->setGridModel(m_free);
    rgrEquipNo->applyColumns();
    rgrEquipNo->setFooterVisible(true);
    rgrEquipNo->setFixedSize(140, 150);
    m_free->setFooter(0, u"0"_s);
    freeLine->addWidget(rgrEquipNo);
    auto *freeButtons = new QVBoxLayout;
    sbtEquipOk = new QToolButton(panBody);
    sbtEquipOk->setObjectName(u"sbtEquipOk"_s);
    sbtEquipOk->setText(u"선택(F10)"_s);
    sbtEquipCancel = new QToolButton(panBody);
    sbtEquipCancel->setObjectName(u"sbtEquipCancel"_s);
    sbtEquipCancel->setText(u"취소(F11)"_s);
    auto *bbtEquipNoRef = new QPushButton(u"다시보기"_s, panBody);
    bbtEquipNoRef->setObjectName(u"bbtEquipNoRef"_s);
    for (QWidget *button : {static_cast<QWidget *>(sbtEquipOk), static_cast<QWidget *>(sbtEquipCancel),
                            static_cast<QWidget *>(bbtEquipNoRef)}) {
        button->setFocusPolicy(Qt::NoFocus);
        freeButtons->addWidget(button);
    }
    freeButtons->addStretch();
    freeLine->addLayout(freeButtons);
    freeLine->addStretch();
    m_bodyLayout->addRow(freeLine);
    OnClick(sbtEquipOk, [this] { sbtEquipOkClick(); });
    OnClick(sbtEquipCancel, [this] { sbtEquipCancelClick(); });
    OnClick(bbtEquipNoRef, [this] { refreshFreeItems(); });
    AddHotkey(QKeySequence(Qt::Key_F10), u"선택"_s, [this] {
        if (sbtEquipOk->isEnabled() && sbtEquipOk->isVisible())
            sbtEquipOkClick();
    });
    AddHotkey(QKeySequence(Qt::Key_F11), u"취소"_s, [this] {
        if (sbtEquipCancel->isEnabled() && sbtEquipCancel->isVisible())
            sbtEquipCancelClick();
    });
    connect(edtRentEquipNo, &QLineEdit::textChanged, this,
            [this](const QString &text) { sbtEquipOk->setEnabled(text.isEmpty()); });
    connect(cboRentEquip, &QComboBox::currentIndexChanged, this, Guarded([this] { equipKindChanged(); }));
    connect(cboEquipSizeGubun, &QComboBox::currentIndexChanged, this, Guarded([this] { refreshFreeItems(); }));

    AddFields({{.name = u"edtRentName"_s, .label = u"*대여자명"_s, .column = u"대여자명"_s, .maxBytes = 30},
               {.name = u"edtRentTel"_s, .label = u"연락처"_s, .column = u"연락처"_s, .maxBytes = 20},
               {.name = u"wneRentHeight"_s, .label = u"신장"_s, .column = u"신장"_s, .maxBytes = 3},
               {.name = u"wneRentWeight"_s, .label = u"Cm   체중"_s, .column = u"체중"_s, .maxBytes = 3,
                .sameLine = true},
               {.name = u"cboRentBootsSize"_s, .label = u"*부츠사이즈"_s, .column = u"부츠사이즈"_s,
                .codeGroup = u"E0011"_s},
               {.name = u"wneRentBinding"_s, .label = u"바인딩강도"_s, .column = u"바인딩강도"_s, .maxBytes = 3},
               {.name = u"wmeRentZipCode"_s, .label = u"주소"_s, .column = u"우편번호"_s, .mask = u"999-999;0; "_s},
               {.name = u"edtRentAddr1"_s, .column = u"주소"_s, .maxBytes = 60, .readOnly = true, .sameLine = true},
               {.name = u"cboRentTicketKind"_s, .label = u"*권종"_s, .column = u"권종"_s, .codeGroup = u"I0005"_s},
               {.name = u"edtRentRemark"_s, .label = u"비고"_s, .column = u"비고"_s, .maxBytes = 60},
               {.name = u"wmeRentSvrlDateFrom"_s, .label = u"연일대여기간"_s, .column = u"연일대여기간From"_s,
                .mask = u"9999-99-99;0; "_s},
               {.name = u"wmeRentSvrlDateTo"_s, .label = u"~"_s, .column = u"연일대여기간To"_s,
                .mask = u"9999-99-99;0; "_s, .sameLine = true}});
    edtRentName = findChild<TextEdit *>(u"edtRentName"_s);
    cboRentBootsSize = findChild<CodeCombo *>(u"cboRentBootsSize"_s);
    wmeRentZipCode = findChild<MaskEdit *>(u"wmeRentZipCode"_s);
    edtRentAddr1 = findChild<TextEdit *>(u"edtRentAddr1"_s);
    cboRentTicketKind = findChild<CodeCombo *>(u"cboRentTicketKind"_s);
    wmeRentSvrlDateFrom = findChild<MaskEdit *>(u"wmeRentSvrlDateFrom"_s);
    wmeRentSvrlDateTo = findChild<MaskEdit *>(u"wmeRentSvrlDateTo"_s);
    // The detail address is typed, so it is an edit under its historic name.
    wlbRentAddr2 = new TextEdit(panBody);
    wlbRentAddr2->setObjectName(u"wlbRentAddr2"_s);
    wlbRentAddr2->setMaxBytes(60);
    m_bodyLayout->insertRow(m_bodyLayout->rowCount() - 3, QString(), wlbRentAddr2);
    Bind(wlbRentAddr2, u"상세주소"_s);
    auto *bbtZipCode = new QPushButton(u"..."_s, panBody);
    bbtZipCode->setObjectName(u"bbtZipCode"_s);
    bbtZipCode->setFixedWidth(24);
    bbtZipCode->setFocusPolicy(Qt::NoFocus);
    for (int r = 0; r < m_bodyLayout->rowCount(); ++r) {
        QLayoutItem *item = m_bodyLayout->itemAt(r, QFormLayout::FieldRole);
        if (auto *line = item ? qobject_cast<QHBoxLayout *>(item->layout()) : nullptr;
            line && line->indexOf(wmeRentZipCode) >= 0)
            line->insertWidget(1, bbtZipCode);
    }
    OnClick(bbtZipCode, [this] { pickPostalCode(); });
    connect(wmeRentZipCode, &QLineEdit::textEdited, this, [this] { edtRentAddr1->clear(); });

    // The pick lists of these columns are the lists of their combos.
    Rows().pickList(Rows().columnOf(u"TICKET_KIND"_s)) = cboRentTicketKind->codes();
    Rows().pickList(Rows().columnOf(u"EQUIP_GUBUN"_s)) = cboRentEquip->codes();
    Rows().pickList(Rows().columnOf(u"SHOES_SIZE"_s)) = cboRentBootsSize->codes();
    FillColumnCodes(Rows(), Rows().columnOf(u"RENT_STAT"_s), u"E0012"_s);
    for (CodeCombo *combo : {cboRentEquip, cboRentBootsSize, cboRentTicketKind})
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);

    bbtReissue = AddButton(u"bbtReissue"_s, u"대여증 재발급(F99)"_s, bbtAdd);
    bbtPrintInit = AddButton(u"bbtPrintInit"_s, u"프린터초기화"_s, bbtReissue);
    bbtReissue->setFixedWidth(140);
    OnClick(bbtReissue, [this] { bbtReissueClick(); });
    OnClick(bbtPrintInit, [this] { m_printer->InitPrinter(); });

    qryQuery.setSql(RowSql);
    prcSaveData.setName(u"pr_ebi040_02"_s);
    m_headProc.setName(u"pr_ebi040_01"_s);
    m_holdProc.setName(u"pr_ebi040_03"_s);
}

void TfrmEBI040::bindSearchValues()
{
    qryQuery.setSql(RowSql);
    qryQuery.bind(u"RENT_DATE"_s, WorkDate());
    qryQuery.bind(u"AREA_GUBUN"_s, cboArea->code());
    qryQuery.bind(u"RENT_NO"_s, edtRentNo->text().trimmed());
}

bool TfrmEBI040::bbtSearchClick()
{
    if (!bbtSearch->isEnabled() || !bbtSearch->isVisible())
        return false;
    const QString rentNo = edtRentNo->text().trimmed();
    if (!rentNo.isEmpty() && (rentNo.size() > 18 || !std::all_of(rentNo.begin(), rentNo.end(),
                                                                 [](QChar c) { return c.isDigit(); }))) {
        InfoBox(u"대여번호"_s + EnterCorrectly);
        edtRentNo->setFocus();
        return false;
    }
    SqlQuery head(HeadSql);
    head.bind(u"RENT_DATE"_s, WorkDate());
    head.bind(u"AREA_GUBUN"_s, cboArea->code());
    head.bind(u"RENT_NO"_s, rentNo);
    head.exec();
    if (head.next()) {
        edtDealName->setText(head.value(u"DEAL_NAME"_s));
        cboKeepKind->setCode(head.value(u"KEEP_KIND_GUBUN"_s));
        edtKeepBoxNo->setText(head.value(u"KEEP_BOX_NO"_s));
        m_headStatus = u"1"_s;
    } else {
        m_headStatus = u"2"_s;
    }
    head.close();
    bindSearchValues();
    if (!TfrmEZI000::bbtSearchClick())
        return false;
    edtRentNo->setEnabled(false);
    edtDealName->setFocus();
    return true;
}

void TfrmEBI040::setStateButtons(const QString &code)
{
    m_state = code;
    const QList<QPair<QToolButton *, QString>> buttons = {{sbtRentDay, u"D"_s}, {sbtRentSvrl, u"S"_s},
                                                          {sbtReturn, u"R"_s}};
    for (const auto &[button, value] : buttons) {
        const bool selected = value == code;
        button->setAutoRaise(!selected);
        button->setStyleSheet(selected ? u"color: blue; font-weight: bold;"_s : u"color: maroon;"_s);
        button->setProperty("selected", selected);
    }
}

bool TfrmEBI040::SelectRentState(const QString &code)
{
    setStateButtons(code);
    const int row = Grid()->currentRow();
    if (row < 0)
        return false;
    MarkRowChanged();
    Rows().setValue(row, u"RENT_STAT"_s, code);
    return true;
}

void TfrmEBI040::ControlToGrid(QWidget *control)
{
    TfrmEZI000::ControlToGrid(control);
    const int row = Grid()->currentRow();
    if (IsRowChanged() && row >= 0 && !m_state.isEmpty())
        Rows().setValue(row, u"RENT_STAT"_s, m_state);
}

void TfrmEBI040::RowShown()
{
    const int row = Grid()->currentRow();
    const QString state = row >= 0 ? Rows().value(row, u"RENT_STAT"_s) : QString();
    if (state == u"D"_s || state == u"S"_s || state == u"R"_s)
        setStateButtons(state);
    if (cboEquipSizeGubun->count() > 0 && cboEquipSizeGubun->currentIndex() != 0)
        cboEquipSizeGubun->setCurrentIndex(0);
    else
        refreshFreeItems();
    const bool newRow = row >= 0 && !IsStoredRow(row);
    sbtEquipCancel->setEnabled(newRow);
    bbtDelete->setEnabled(newRow);
    sbtEquipOk->setEnabled(edtRentEquipNo->text().isEmpty());
}

void TfrmEBI040::equipKindChanged()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus == bbtCancel || focus == bbtClose)
        return;
    const QString kind = cboRentEquip->code();
    // An item picked under another kind would be saved as a different item:
    // it goes back, and the row waits for an item of the new kind.
    const QString no = edtRentEquipNo->text().trimmed();
    const int row = Grid()->currentRow();
    if (!IsLoading() && !no.isEmpty() && row >= 0 && !IsStoredRow(row)
        && std::any_of(m_holds.begin(), m_holds.end(),
                       [&](const Hold &h) { return h.no == no && h.kind != kind; })
        && releaseHolds(no))
        edtRentEquipNo->clear();
    CodeFilters filter;
    if (kind == u"CS"_s)
        filter.item1 = u"Y"_s;
    else if (kind == u"SB"_s)
        filter.item2 = u"Y"_s;
    else if (kind == u"NS"_s)
        filter.item3 = u"Y"_s;
    if (!filter.item1.isEmpty() || !filter.item2.isEmpty() || !filter.item3.isEmpty()) {
        const QSignalBlocker quiet(cboEquipSizeGubun);
        cboEquipSizeGubun->clearCodes();
        FillCodeList(*cboEquipSizeGubun, u"E0010"_s, filter);
        if (cboEquipSizeGubun->count() > 0)
            cboEquipSizeGubun->setCurrentIndex(0);
        else
            closeFreeItems();
    }
    refreshFreeItems();
}

void TfrmEBI040::closeFreeItems()
{
    m_free->close();
    m_free->setFooter(0, u"0"_s);
}

void TfrmEBI040::refreshFreeItems()
{
    if (cboArea->code().isEmpty() || cboRentEquip->code().isEmpty() || cboEquipSizeGubun->code().isEmpty())
        return;
    m_free->close();
    auto query = std::make_unique<SqlQuery>(FreeSql);
    query->setBuffered(true);
    query->bind(u"AREA_GUBUN"_s, cboArea->code());
    query->bind(u"EQUIP_GUBUN"_s, cboRentEquip->code());
    query->bind(u"EQUIP_SIZE_GUBUN"_s, cboEquipSizeGubun->code());
    query->bind(u"RENT_DATE"_s, WorkDate());
    query->bind(u"RENT_STAT"_s, u"D"_s);
    query->exec();
    m_free->setQuery(std::move(query));
    m_free->fetchAll();
    m_free->open();
    m_free->setFooter(0, QString::number(m_free->rowCount()));
    if (m_free->rowCount() > 0 && rgrEquipNo->currentRow() < 0)
        rgrEquipNo->setCurrentRow(0);
}

bool TfrmEBI040::callHold(const QString &status, const QString &kind, const QString &no)
{
    return TrySave([&] {
        m_holdProc.clearValues();
        m_holdProc.setValue(u"ARENT_DATE"_s, WorkDate());
        m_holdProc.setValue(u"AAREA_GUBUN"_s, cboArea->code());
        m_holdProc.setValue(u"AEQUIP_GUBUN"_s, kind);
        m_holdProc.setValue(u"AEQUIP_NO"_s, no);
        m_holdProc.setValue(u"AU_EMP_NO"_s, Startup().employeeNo);
        m_holdProc.setValue(u"AU_IP"_s, Startup().clientAddress);
        m_holdProc.setValue(u"AEDITSTATUS"_s, status);
        m_holdProc.exec();
    });
}

bool TfrmEBI040::sbtEquipOkClick()
{
    if (m_free->rowCount() == 0) {
        InfoBox(u"조건[지역, 장비, 장비사이즈]에 맞는 잔여장비가 없습니다"_s);
        return false;
    }
    const int at = std::max(rgrEquipNo->currentRow(), 0);
    const QString no = m_free->value(at, u"EQUIP_NO"_s);
    const QString kind = cboRentEquip->code();
    if (EquipmentTaken(WorkDate(), cboArea->code(), kind, no)) {
        InfoBox(u"선택하신 장비는 이미 대여되었거나 작업중입니다"_s);
        return false;
    }
    if (!callHold(u"2"_s, kind, no))
        return false;
    m_holds.append({kind, no});
    edtRentEquipNo->setText(no);
    refreshFreeItems();
    return true;
}

bool TfrmEBI040::sbtEquipCancelClick()
{
    const QString no = edtRentEquipNo->text().trimmed();
    if (no.isEmpty()) {
        InfoBox(u"선택된 장비가 없습니다"_s);
        return false;
    }
    if (!releaseHolds(no))
        return false;
    edtRentEquipNo->clear();
    refreshFreeItems();
    return true;
}

bool TfrmEBI040::releaseHolds(const QString &onlyNo)
{
    // An item is released with the kind it was held under, even when the
    // kind list has moved on since.
    bool found = false;
    for (qsizetype i = m_holds.size() - 1; i >= 0; --i) {
        const Hold hold = m_holds.at(i);
        if (!onlyNo.isEmpty() && hold.no != onlyNo)
            continue;
        if (!callHold(u"3"_s, hold.kind, hold.no))
            return false;
        m_holds.removeAt(i);
        found = true;
    }
    if (!onlyNo.isEmpty() && !found)
        return callHold(u"3"_s, cboRentEquip->code(), onlyNo);
    return true;
}

bool TfrmEBI040::bbtDeleteClick()
{
    const int row = Grid()->currentRow();
    const bool newRow = row >= 0 && !IsStoredRow(row);
    const QString no = newRow ? Rows().value(row, u"EQUIP_NO"_s) : QString();
    if (!TfrmEZI000::bbtDeleteClick())
        return false;
    // The item of a row that will never be saved goes back to the list.
    const bool held = std::any_of(m_holds.begin(), m_holds.end(), [&](const Hold &h) { return h.no == no; });
    if (held)
        releaseHolds(no);
    refreshFreeItems();
    return true;
}

bool TfrmEBI040::BeforeDiscard()
{
    // Holds a server out of reach keeps expire there: closing never waits for it.
    if (IsSearchMode() || !ServerReachable())
        return true;
    if (!releaseHolds())
        return false;
    return callHold(u"3"_s, cboRentEquip->code(), edtRentEquipNo->text().trimmed());
}

bool TfrmEBI040::bbtCancelClick()
{
    if (!TfrmEZI000::bbtCancelClick())
        return false;
    cboKeepKind->setCurrentIndex(cboKeepKind->count() > 0 ? 0 : -1);
    edtKeepBoxNo->clear();
    setStateButtons({});
    closeFreeItems();
    edtRentNo->setEnabled(true);
    m_headStatus = u"2"_s;
    return true;
}

bool TfrmEBI040::ValidateRow(TReturn &result)
{
    const auto empty = [](const QLineEdit *edit) { return trimmed(edit).isEmpty(); };
    const auto badDate = [](const QLineEdit *edit) {
        const QString text = trimmed(edit);
        return !text.isEmpty() && !IsValidYmd(text);
    };
    struct Check
    {
        std::function<bool()> fails;
        QWidget *focus;
        QString message;
    };
    const QList<Check> checks = {
        {[&] { return empty(edtDealName); }, edtDealName, u"*취급자"_s + EnterFirst},
        {[&] { return cboKeepKind->code().isEmpty(); }, cboKeepKind, u"*보관내용구분"_s + EnterFirst},
        {[&] { return empty(edtKeepBoxNo); }, edtKeepBoxNo, u"*보관함번호"_s + EnterFirst},
        {[&] { return cboRentEquip->code().isEmpty(); }, cboRentEquip, u"*장비구분"_s + EnterFirst},
        {[&] { return empty(edtRentEquipNo); }, nullptr, u"*장비번호"_s + EnterFirst},
        {[&] { return empty(edtRentName); }, edtRentName, u"*대여자명"_s + EnterFirst},
        {[&] { return cboRentBootsSize->code().isEmpty(); }, cboRentBootsSize, u"*부츠사이즈"_s + EnterFirst},
        {[&] { return cboRentTicketKind->code().isEmpty(); }, cboRentTicketKind, u"*권종"_s + EnterFirst},
        {[&] { return !empty(wmeRentZipCode) && empty(edtRentAddr1); }, wmeRentZipCode, u"주소"_s + EnterCorrectly},
        {[&] { return badDate(wmeRentSvrlDateFrom); }, wmeRentSvrlDateFrom, u"연일대여기간"_s + EnterCorrectly},
        {[&] { return badDate(wmeRentSvrlDateTo); }, wmeRentSvrlDateTo, u"연일대여기간"_s + EnterCorrectly},
        {[&] { return !empty(wmeRentSvrlDateFrom) && empty(wmeRentSvrlDateTo); }, wmeRentSvrlDateTo,
         u"연일대여기간"_s + EnterCorrectly},
        {[&] { return m_state.isEmpty(); }, nullptr, u"대여상태를 선택하십시요"_s},
        {[&] { return !empty(wmeRentSvrlDateFrom) && !empty(wmeRentSvrlDateTo) && m_state == u"D"_s; }, nullptr,
         u"연일대여기간 등록시 대여상태는 [연일대여]만 설정가능합니다"_s},
        {[&] { return m_state == u"S"_s && (empty(wmeRentSvrlDateFrom) || empty(wmeRentSvrlDateTo)); },
         wmeRentSvrlDateFrom, u"대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시요"_s},
    };
    for (const Check &check : checks) {
        if (check.fails()) {
            result = {check.message, check.focus};
            return false;
        }
    }
    return true;
}

bool TfrmEBI040::bbtSaveClick()
{
    if (!bbtSave->isEnabled() || !bbtSave->isVisible())
        return false;
    const int row = Grid()->currentRow();
    // A blank row added after others is left out of the save, not checked.
    if (Rows().rowCount() > 0 && !(IsBlankRow(row) && Rows().rowCount() > 1) && !CheckRow())
        return false;
    m_tickets.clear();
    if (!TfrmEZI000::bbtSaveClick())
        return false;
    if (Rows().rowCount() == 0) {
        ClearControls();
        AppendEmptyRow();
    }
    refreshFreeItems();
    // The rows are committed and read back as stored: a printer failure
    // leaves nothing that a later save could send again.
    const QList<TRentTicketInfo> tickets = std::exchange(m_tickets, {});
    printTickets(tickets);
    return true;
}

bool TfrmEBI040::SaveRows()
{
    m_issuedRentNo.clear();
    m_headProc.clearValues();
    m_headProc.setValue(u"ARENT_DATE"_s, WorkDate());
    m_headProc.setValue(u"AAREA_GUBUN"_s, cboArea->code());
    m_headProc.setValue(u"ARENT_NO"_s, edtRentNo->text().trimmed());
    m_headProc.setValue(u"ADEAL_NAME"_s, edtDealName->text());
    m_headProc.setValue(u"AKEEP_KIND_GUBUN"_s, cboKeepKind->code());
    m_headProc.setValue(u"AKEEP_BOX_NO"_s, edtKeepBoxNo->text());
    m_headProc.setValue(u"AU_EMP_NO"_s, Startup().employeeNo);
    m_headProc.setValue(u"AU_IP"_s, Startup().clientAddress);
    m_headProc.setValue(u"AEDITSTATUS"_s, m_headStatus);
    m_headProc.exec();
    // The number reaches the screen only once the save has committed.
    const QString rentNo = m_headStatus == u"2"_s ? m_headProc.output(u"ANEW_RENT_NO"_s)
                                                  : edtRentNo->text().trimmed();
    if (m_headStatus == u"2"_s)
        m_issuedRentNo = rentNo;
    prcSaveData.clearValues();
    prcSaveData.setValue(u"ARENT_DATE"_s, WorkDate());
    prcSaveData.setValue(u"AAREA_GUBUN"_s, cboArea->code());
    prcSaveData.setValue(u"ARENT_NO"_s, rentNo);
    return TfrmEZI000::SaveRows();
}

bool TfrmEBI040::AfterSave()
{
    if (!m_issuedRentNo.isEmpty())
        edtRentNo->setText(std::exchange(m_issuedRentNo, {}));
    m_headStatus = u"1"_s;
    // Every new row was saved and took its hold over.
    m_holds.clear();
    for (int row = 0; row < Rows().rowCount(); ++row)
        if (!IsStoredRow(row) && !IsBlankRow(row))
            m_tickets.append(ticketOf(row));
    bindSearchValues();
    return true;
}

TRentTicketInfo TfrmEBI040::ticketOf(int row) const
{
    const auto cell = [&](const QString &field) { return Rows().value(row, field); };
    TRentTicketInfo info;
    info.ticketKindName = cboRentTicketKind->codes().labelOf(cell(u"TICKET_KIND"_s));
    info.equipKindName = cboRentEquip->codes().labelOf(cell(u"EQUIP_GUBUN"_s));
    info.rentStatName = Rows().pickList(Rows().columnOf(u"RENT_STAT"_s)).labelOf(cell(u"RENT_STAT"_s));
    info.areaName = cboArea->currentText();
    info.rentDate = WorkDate();
    info.rentName = cell(u"RENT_NAME"_s);
    info.height = cell(u"HEIGHT"_s);
    info.weight = cell(u"WEIGHT"_s);
    info.bootsSizeName = cboRentBootsSize->codes().labelOf(cell(u"SHOES_SIZE"_s));
    if (!cell(u"SVRL_RENT_FROM_DATE"_s).trimmed().isEmpty()) {
        info.periodFrom = cell(u"SVRL_RENT_FROM_DATE"_s);
        info.periodTo = cell(u"SVRL_RENT_TO_DATE"_s);
    }
    info.rentNo = edtRentNo->text().trimmed();
    info.boxNo = edtKeepBoxNo->text();
    return info;
}

void TfrmEBI040::printTickets(const QList<TRentTicketInfo> &tickets)
{
    try {
        for (const TRentTicketInfo &ticket : tickets)
            m_printer->PrintRentTicket(ticket);
    } catch (const ServerError &error) {
        ErrorBox(u"대여증을 출력하지 못했습니다. 대여 자료는 저장되었습니다.\r\r에러내용:\r"_s + error.message());
    }
}

bool TfrmEBI040::bbtReissueClick()
{
    const int row = Grid()->currentRow();
    if (!CommonStart(bbtReissue) || row < 0 || !IsStoredRow(row))
        return false;
    printTickets({ticketOf(row)});
    return true;
}

void TfrmEBI040::pickRental()
{
    QString rentNo;
    if (PickRental(WorkDate(), cboArea->code(), edtRentNo->text().trimmed(), rentNo, this)) {
        edtRentNo->setText(rentNo);
        bbtSearchClick();
    } else {
        edtRentNo->setFocus();
    }
}

void TfrmEBI040::pickPostalCode()
{
    QString zip, address;
    if (PickPostalCode(zip, address, this)) {
        wmeRentZipCode->setText(zip);
        edtRentAddr1->setText(address);
        wlbRentAddr2->setFocus();
    } else {
        wmeRentZipCode->setFocus();
    }
}

void TfrmEBI040::edtExit(QWidget *control)
{
    TfrmEZI000::edtExit(control);
    if (control != wmeRentZipCode || wmeRentZipCode->plainText().trimmed().isEmpty())
        return;
    try {
        edtRentAddr1->setText(PostalAddress(wmeRentZipCode->plainText().trimmed()));
    } catch (const ServerError &error) {
        ErrorBox(error.message());
    }
}

bool TfrmEBI040::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        if (watched == edtRentNo) {
            RunGuarded([this] { pickRental(); });
            return true;
        }
        if (watched == wmeRentZipCode) {
            RunGuarded([this] { pickPostalCode(); });
            return true;
        }
    }
    return TfrmEZI000::eventFilter(watched, event);
}
