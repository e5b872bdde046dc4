#include "EBI050.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "TicketPrinter.h"
#include "TicketStream.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString MustEnter = u"을(를) 먼저 입력하십시오."_s;
const QString MustCorrect = u"을(를) 정확히 입력하십시오."_s;
const QString Stored = u"K"_s;
const QString Released = u"R"_s;

const QString Query = u"SELECT TO_CHAR(keep_no, 'FM0000000000') AS keep_no,\n"
                      "       keep_stat, ipgo_date, chulgo_date, guest_no, guest_name, keep_gubun,\n"
                      "       equip_gubun, equip_name_gubun, equip_name_etc, native_no, poels_yn,\n"
                      "       poels_name, member_no, keep_name, zip_code,\n"
                      "       fn_za010ms_04(addr1) AS addr1, fn_za010ms_04(addr2) AS addr2,\n"
                      "       fn_za010ms_04(tel_no) AS tel_no, fn_za010ms_04(mobile_no) AS mobile_no,\n"
                      "       keep_box_no, remark, conf_question, conf_answer\n"
                      "FROM   eb050ms\n"
                      "WHERE  season_gubun = :SEASON_GUBUN\n"
                      "AND    area_gubun   = :AREA_GUBUN\n"
                      // Server numbers grow: stored rows first, the newest last.
                      "ORDER  BY keep_no"_s;

const QList<ColumnDef> Columns = {
    {.title = u"보관번호"_s, .field = u"KEEP_NO"_s, .width = 80, .dataWidth = 10, .alignment = Qt::AlignCenter,
     .readOnly = true, .key = true},
    {.title = u"보관상태"_s, .field = u"KEEP_STAT"_s, .width = 60, .dataWidth = 1, .alignment = Qt::AlignCenter,
     .readOnly = true, .codeGroup = u"E0015"_s},
    {.title = u"입고일자"_s, .field = u"IPGO_DATE"_s, .width = 80, .dataWidth = 8, .alignment = Qt::AlignCenter,
     .readOnly = true, .displayMask = u"9999-99-99"_s},
    {.title = u"출고일자"_s, .field = u"CHULGO_DATE"_s, .width = 80, .dataWidth = 8, .alignment = Qt::AlignCenter,
     .readOnly = true, .displayMask = u"9999-99-99"_s},
    {.title = u"우대번호"_s, .field = u"GUEST_NO"_s, .dataWidth = 10, .visible = false},
    {.title = u"우대명"_s, .field = u"GUEST_NAME"_s, .dataWidth = 30, .visible = false},
    {.title = u"보관구분"_s, .field = u"KEEP_GUBUN"_s, .dataWidth = 2, .visible = false},
    {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN"_s, .dataWidth = 2, .visible = false},
    {.title = u"장비명구분"_s, .field = u"EQUIP_NAME_GUBUN"_s, .dataWidth = 2, .visible = false},
    {.title = u"장비명기타"_s, .field = u"EQUIP_NAME_ETC"_s, .dataWidth = 40, .visible = false},
    {.title = u"고유번호"_s, .field = u"NATIVE_NO"_s, .dataWidth = 40, .visible = false},
    {.title = u"폴유무"_s, .field = u"POELS_YN"_s, .dataWidth = 1, .visible = false},
    {.title = u"폴명"_s, .field = u"POELS_NAME"_s, .dataWidth = 40, .visible = false},
    {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .dataWidth = 10, .visible = false},
    {.title = u"보관자명"_s, .field = u"KEEP_NAME"_s, .dataWidth = 30, .visible = false},
    {.title = u"우편번호"_s, .field = u"ZIP_CODE"_s, .dataWidth = 6, .visible = false},
    {.title = u"주소1"_s, .field = u"ADDR1"_s, .dataWidth = 60, .visible = false},
    {.title = u"주소2"_s, .field = u"ADDR2"_s, .dataWidth = 60, .visible = false},
    {.title = u"연락처(자택)"_s, .field = u"TEL_NO"_s, .dataWidth = 20, .visible = false},
    {.title = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .dataWidth = 20, .visible = false},
    {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .dataWidth = 10, .visible = false},
    {.title = u"비고"_s, .field = u"REMARK"_s, .dataWidth = 60, .visible = false},
    {.title = u"질문"_s, .field = u"CONF_QUESTION"_s, .dataWidth = 80, .visible = false},
    {.title = u"답변"_s, .field = u"CONF_ANSWER"_s, .dataWidth = 80, .visible = false},
};

const QString DateMask = u"9999-99-99;0; "_s;

const QList<FieldDef> UpperFields = {
    {.name = u"wlbKeepNo"_s, .label = u"보관번호"_s, .column = u"보관번호"_s},
    {.name = u"edtKeepWoodaeNo"_s, .label = u"우대번호"_s, .column = u"우대번호"_s, .maxBytes = 10},
    {.name = u"wlbKeepWoodaeNo"_s, .label = u"우대명"_s, .column = u"우대명"_s, .sameLine = true},
    {.name = u"cboKeep"_s, .label = u"*보관구분"_s, .column = u"보관구분"_s, .codeGroup = u"E0016"_s},
    {.name = u"cboKeepEquip"_s, .label = u"*장비구분"_s, .column = u"장비구분"_s, .codeGroup = u"E0009"_s},
    {.name = u"cboKeepEquipName"_s, .label = u"*장비명"_s, .column = u"장비명구분"_s, .codeGroup = u"E0021"_s,
     .sameLine = true},
    {.name = u"edtKeepEquipNameEtc"_s, .label = u"장비명기타"_s, .column = u"장비명기타"_s, .maxBytes = 40},
    {.name = u"edtKeepEquipID"_s, .label = u"*고유번호"_s, .column = u"고유번호"_s, .maxBytes = 40},
    {.name = u"cboKeepPoles"_s, .label = u"폴유무"_s, .column = u"폴유무"_s},
    {.name = u"edtKeepPolesName"_s, .label = u"폴명"_s, .column = u"폴명"_s, .maxBytes = 40, .sameLine = true},
    {.name = u"wmeKeepInDate"_s, .label = u"*입고일"_s, .column = u"입고일자"_s, .mask = DateMask},
    {.name = u"wmeKeepOutDate"_s, .label = u"출고일"_s, .column = u"출고일자"_s, .mask = DateMask, .sameLine = true},
    {.name = u"edtKeepMemberNo"_s, .label = u"회원번호"_s, .column = u"회원번호"_s, .maxBytes = 10},
    {.name = u"edtKeepName"_s, .label = u"*보관자명"_s, .column = u"보관자명"_s, .maxBytes = 30},
    {.name = u"wmeKeepZipCode"_s, .label = u"우편번호"_s, .column = u"우편번호"_s, .mask = u"999-999;0; "_s},
    {.name = u"edtKeepAddr1"_s, .label = u"주소"_s, .column = u"주소1"_s, .maxBytes = 60, .readOnly = true},
};

const QList<FieldDef> LowerFields = {
    {.name = u"edtKeepTel"_s, .label = u"*연락처(자택)"_s, .column = u"연락처(자택)"_s, .maxBytes = 20},
    {.name = u"edtKeepMobile"_s, .label = u"연락처(핸드폰)"_s, .column = u"연락처(핸드폰)"_s, .maxBytes = 20},
    {.name = u"edtKeepBoxNo"_s, .label = u"*보관함번호"_s, .column = u"보관함번호"_s, .maxBytes = 10},
    {.name = u"edtKeepRemark"_s, .label = u"비고"_s, .column = u"비고"_s, .maxBytes = 60},
};

template <typename T>
T *control(const QWidget *screen, const QString &name)
{
    return screen->findChild<T *>(name);
}

QString maskText(const QWidget *screen, const QString &name)
{
    return control<MaskEdit>(screen, name)->plainText().trimmed();
}

} // namespace

TfrmEBI050::TfrmEBI050(QWidget *parent) : TfrmEZI000(u"frmEBI050"_s, u"장비 보관/불출 작업"_s, parent)
{
    buildSearchBar();
    SetColumns(Columns);
    FillColumnCodes(Rows(), Rows().columnOf(u"KEEP_STAT"_s), u"E0015"_s);
    buildBody();

    qryQuery.setSql(Query);
    prcSaveData.setName(u"pr_ebi050_01"_s);

    bbtPrintInit = AddButton(u"bbtPrintInit"_s, u"프린터초기화"_s, bbtAdd);
    bbtReissue = AddButton(u"bbtReissue"_s, u"보관증 재발급"_s, bbtPrintInit);
    for (QPushButton *button : {bbtReissue, bbtPrintInit}) {
        button->setFocusPolicy(Qt::ClickFocus);
        button->setFixedSize(100, 27);
    }
    OnClick(bbtReissue, [this] { bbtReissueClick(); });
    OnClick(bbtPrintInit, [this] { m_printer->InitPrinter(); });
    AddHotkey(QKeySequence(Qt::Key_F5), u"보관"_s, [this] { sbtKeepClick(); });
    AddHotkey(QKeySequence(Qt::Key_F6), u"불출"_s, [this] { sbtKeepReturnClick(); });
    AddHotkey(QKeySequence(Qt::Key_F1), u"찾기"_s, [this] { F1Pressed(); });

    m_printer = new TicketPrinter(this);
    m_printer->OpenPrinter();
}

TfrmEBI050::~TfrmEBI050() = default;

void TfrmEBI050::buildSearchBar()
{
    auto *seasonLabel = new QLabel(u"*시즌"_s, this);
    edtSeason = new TextEdit(this);
    edtSeason->setObjectName(u"edtSeason"_s);
    edtSeason->setMaxBytes(2);
    edtSeason->setFixedWidth(40);
    seasonLabel->setBuddy(edtSeason);
    bbtSeason = new QPushButton(u"..."_s, this);
    bbtSeason->setObjectName(u"bbtSeason"_s);
    bbtSeason->setFixedWidth(24);
    bbtSeason->setFocusPolicy(Qt::NoFocus);
    wlbSeason = new QLabel(this);
    wlbSeason->setObjectName(u"wlbSeason"_s);
    wlbSeason->setFrameShape(QFrame::StyledPanel);
    wlbSeason->setMinimumWidth(120);
    auto *areaLabel = new QLabel(u"*지역구분"_s, this);
    cboArea = new CodeCombo(this);
    cboArea->setObjectName(u"cboArea"_s);
    FillCodeList(*cboArea, u"E0017"_s);
    cboArea->setCurrentIndex(cboArea->count() > 0 ? 0 : -1);
    areaLabel->setBuddy(cboArea);
    for (QWidget *w : std::initializer_list<QWidget *>{seasonLabel, edtSeason, bbtSeason, wlbSeason, areaLabel, cboArea})
        AddToSearchBar(w);

    connect(edtSeason, &QLineEdit::textEdited, this, [this](const QString &text) {
        const int at = edtSeason->cursorPosition();
        if (text != text.toUpper()) {
            edtSeason->setText(text.toUpper());
            edtSeason->setCursorPosition(at);
        }
    });
    connect(edtSeason, &QLineEdit::textChanged, wlbSeason, &QLabel::clear);
    OnClick(bbtSeason, [this] { lookupSeason(); });
}

QPushButton *TfrmEBI050::lookupButton(QWidget *beside, const QString &name)
{
    auto *button = new QPushButton(u"..."_s, panBody);
    button->setObjectName(name);
    button->setFixedWidth(24);
    button->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < m_bodyLayout->rowCount(); ++row) {
        QLayoutItem *item = m_bodyLayout->itemAt(row, QFormLayout::FieldRole);
        if (auto *line = item ? qobject_cast<QBoxLayout *>(item->layout()) : nullptr) {
            if (const int at = line->indexOf(beside); at >= 0) {
                line->insertWidget(at + 1, button);
                break;
            }
        }
    }
    return button;
}

void TfrmEBI050::buildBody()
{
    auto *states = new QHBoxLayout;
    sbtKeep = new QToolButton(panBody);
    sbtKeep->setObjectName(u"sbtKeep"_s);
    sbtKeep->setText(u"보관[F5]"_s);
    sbtKeepReturn = new QToolButton(panBody);
    sbtKeepReturn->setObjectName(u"sbtKeepReturn"_s);
    sbtKeepReturn->setText(u"불출[F6]"_s);
    for (QToolButton *button : {sbtKeep, sbtKeepReturn}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(90, 25);
        states->addWidget(button);
    }
    states->addStretch();
    m_bodyLayout->addRow(u"보관상태"_s, states);
    connect(sbtKeep, &QToolButton::clicked, this, [this] { RunGuarded([this] { sbtKeepClick(); }); });
    connect(sbtKeepReturn, &QToolButton::clicked, this, [this] { RunGuarded([this] { sbtKeepReturnClick(); }); });
    selectState({});

    AddFields(UpperFields);
    // The detail of the address is typed; only its first part comes from the postal code.
    auto *addr2 = new TextEdit(panBody);
    addr2->setObjectName(u"wlbKeepAddr2"_s);
    addr2->setMaxBytes(60);
    m_bodyLayout->addRow(QString(), addr2);
    Bind(addr2, u"주소2"_s);
    AddFields(LowerFields);

    auto *loss = new QGroupBox(u"보관증 분실시 확인 질문/답변"_s, panBody);
    loss->setObjectName(u"grpKeepLoss"_s);
    auto *lossLayout = new QFormLayout(loss);
    for (const auto &[name, caption] : {std::pair{u"edtKeepLossQuestion"_s, u"질문"_s}, std::pair{u"edtKeepLossAnswer"_s, u"답변"_s}}) {
        auto *edit = new TextEdit(loss);
        edit->setObjectName(name);
        edit->setMaxBytes(80);
        lossLayout->addRow(caption, edit);
        Bind(edit, caption);
    }
    m_bodyLayout->addRow(loss);

    auto *poles = control<CodeCombo>(this, u"cboKeepPoles"_s);
    poles->addCode(u"유"_s, u"Y"_s);
    poles->addCode(u"무"_s, u"N"_s);
    // The grid columns travel as the combos' codes.
    for (const auto &[combo, field] : {std::pair{u"cboKeep"_s, u"KEEP_GUBUN"_s},
                                       std::pair{u"cboKeepEquip"_s, u"EQUIP_GUBUN"_s},
                                       std::pair{u"cboKeepEquipName"_s, u"EQUIP_NAME_GUBUN"_s},
                                       std::pair{u"cboKeepPoles"_s, u"POELS_YN"_s}}) {
        auto *list = control<CodeCombo>(this, combo);
        list->setCurrentIndex(list->count() > 0 ? 0 : -1);
        Rows().pickList(Rows().columnOf(field)) = list->codes();
    }

    bbtKeepMemberNo = lookupButton(control<QWidget>(this, u"edtKeepMemberNo"_s), u"bbtKeepMemberNo"_s);
    bbtKeepZipCode = lookupButton(control<QWidget>(this, u"wmeKeepZipCode"_s), u"bbtKeepZipCode"_s);
    OnClick(bbtKeepMemberNo, [this] { lookupMember(); });
    OnClick(bbtKeepZipCode, [this] { lookupZipCode(); });

    // Typing a new member number or postal code drops what the old one filled in.
    connect(control<TextEdit>(this, u"edtKeepMemberNo"_s), &QLineEdit::textEdited, this,
            [this] { control<TextEdit>(this, u"edtKeepName"_s)->clear(); });
    connect(control<MaskEdit>(this, u"wmeKeepZipCode"_s), &QLineEdit::textEdited, this,
            [this] { control<TextEdit>(this, u"edtKeepAddr1"_s)->clear(); });
}

void TfrmEBI050::F1Pressed()
{
    QWidget *focus = InputControlOf(QApplication::focusWidget());
    if (focus == edtSeason)
        lookupSeason();
    else if (focus && focus->objectName() == u"edtKeepMemberNo"_s)
        lookupMember();
    else if (focus && focus->objectName() == u"wmeKeepZipCode"_s)
        lookupZipCode();
}

void TfrmEBI050::lookupSeason()
{
    if (!edtSeason->isEnabled())
        return;
    QString code;
    QString name;
    if (PickCode(u"스키 시즌구분"_s, u"E0004"_s, code, name, this)) {
        edtSeason->setText(code);
        wlbSeason->setText(name);
        cboArea->setFocus();
    } else {
        edtSeason->setFocus();
    }
}

void TfrmEBI050::lookupMember()
{
    auto *memberNo = control<TextEdit>(this, u"edtKeepMemberNo"_s);
    if (!memberNo->isEnabled() || IsSearchMode())
        return;
    auto *keeper = control<TextEdit>(this, u"edtKeepName"_s);
    QString number;
    QString name;
    if (!PickMember(keeper->text().trimmed(), number, name, this)) {
        memberNo->setFocus();
        return;
    }
    memberNo->setText(number);
    keeper->setText(name);
    control<MaskEdit>(this, u"wmeKeepZipCode"_s)->setFocus();
}

void TfrmEBI050::lookupZipCode()
{
    auto *zip = control<MaskEdit>(this, u"wmeKeepZipCode"_s);
    if (!zip->isEnabled() || IsSearchMode())
        return;
    QString code;
    QString address;
    if (!PickPostalCode(code, address, this)) {
        zip->setFocus();
        return;
    }
    zip->setText(code);
    control<TextEdit>(this, u"edtKeepAddr1"_s)->setText(address);
    control<TextEdit>(this, u"wlbKeepAddr2"_s)->setFocus();
}

void TfrmEBI050::edtExit(QWidget *left)
{
    TfrmEZI000::edtExit(left);
    if (IsLoading())
        return;
    const QString name = left->objectName();
    if (left == edtSeason) {
        if (!edtSeason->text().trimmed().isEmpty())
            wlbSeason->setText(CodeName(u"E0004"_s, edtSeason->text().trimmed()));
    } else if (name == u"wmeKeepInDate"_s) {
        // The due date is recomputed only while the item is not released (a
        // released row's date is the actual release) and only from a real
        // date; ReleaseDate answers empty for anything else.
        const QString deposit = maskText(this, name);
        if (deposit.isEmpty() || m_keepStat == Released || !IsValidYmd(deposit))
            return;
        const QString due = ReleaseDate(deposit, control<CodeCombo>(this, u"cboKeep"_s)->code());
        control<MaskEdit>(this, u"wmeKeepOutDate"_s)->setText(due);
    } else if (name == u"edtKeepMemberNo"_s) {
        const QString memberNo = control<TextEdit>(this, name)->text().trimmed();
        if (!memberNo.isEmpty())
            control<TextEdit>(this, u"edtKeepName"_s)->setText(MemberName(memberNo));
    } else if (name == u"wmeKeepZipCode"_s) {
        const QString zip = maskText(this, name);
        if (!zip.isEmpty())
            control<TextEdit>(this, u"edtKeepAddr1"_s)->setText(PostalAddress(zip));
    }
}

void TfrmEBI050::selectState(const QString &code)
{
    m_keepStat = code;
    for (auto [button, own] : {std::pair{sbtKeep, Stored}, std::pair{sbtKeepReturn, Released}}) {
        const bool selected = own == code;
        button->setCheckable(true);
        button->setChecked(selected);
        button->setAutoRaise(!selected);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, selected ? QColor(Qt::blue) : QColor(0x80, 0x00, 0x00));
        button->setPalette(palette);
    }
}

void TfrmEBI050::pressState(const QString &code)
{
    selectState(code);
    const int row = Grid()->currentRow();
    if (row < 0)
        return;
    MarkRowChanged();
    Rows().setValue(row, u"KEEP_STAT"_s, code);
}

bool TfrmEBI050::sbtKeepClick()
{
    if (!sbtKeep->isEnabled() || !sbtKeep->isVisible())
        return false;
    pressState(Stored);
    return true;
}

bool TfrmEBI050::sbtKeepReturnClick()
{
    if (!sbtKeepReturn->isEnabled() || !sbtKeepReturn->isVisible())
        return false;
    pressState(Released);
    return true;
}

void TfrmEBI050::RowShown()
{
    const int row = Grid()->currentRow();
    const QString state = row < 0 ? QString() : Rows().value(row, u"KEEP_STAT"_s);
    if (state == Stored || state == Released)
        selectState(state);
}

void TfrmEBI050::ControlToGrid(QWidget *control)
{
    TfrmEZI000::ControlToGrid(control);
    const int row = Grid()->currentRow();
    if (IsRowChanged() && row >= 0 && !m_keepStat.isEmpty())
        Rows().setValue(row, u"KEEP_STAT"_s, m_keepStat);
}

bool TfrmEBI050::ValidateRow(TReturn &result)
{
    auto text = [this](const QString &name) { return control<QLineEdit>(this, name)->text().trimmed(); };
    auto fail = [&result, this](const QString &message, const QString &focus) {
        result = {message, focus.isEmpty() ? nullptr : control<QWidget>(this, focus)};
        return false;
    };
    auto *guestName = control<QLabel>(this, u"wlbKeepWoodaeNo"_s);
    if (!text(u"edtKeepWoodaeNo"_s).isEmpty() && guestName->text().trimmed().isEmpty())
        return fail(u"우대번호"_s + MustCorrect, u"edtKeepWoodaeNo"_s);
    for (const auto &[combo, label] : {std::pair{u"cboKeep"_s, u"*보관구분"_s},
                                       std::pair{u"cboKeepEquip"_s, u"*장비구분"_s},
                                       std::pair{u"cboKeepEquipName"_s, u"*장비명"_s}})
        if (control<CodeCombo>(this, combo)->code().isEmpty())
            return fail(label + MustEnter, combo);
    if (text(u"edtKeepEquipID"_s).isEmpty())
        return fail(u"*고유번호"_s + MustEnter, u"edtKeepEquipID"_s);
    const QString deposit = maskText(this, u"wmeKeepInDate"_s);
    if (deposit.isEmpty())
        return fail(u"*입고일"_s + MustEnter, u"wmeKeepInDate"_s);
    if (!IsValidYmd(deposit) || deposit.size() != 8)
        return fail(u"*입고일"_s + MustCorrect, u"wmeKeepInDate"_s);
    for (const auto &[edit, label] : {std::pair{u"edtKeepName"_s, u"*보관자명"_s},
                                      std::pair{u"edtKeepTel"_s, u"*연락처(자택)"_s},
                                      std::pair{u"edtKeepBoxNo"_s, u"*보관함번호"_s}})
        if (text(edit).isEmpty())
            return fail(label + MustEnter, edit);
    if (m_keepStat.isEmpty())
        return fail(u"보관상태를 선택하십시요"_s, {});
    const QString release = maskText(this, u"wmeKeepOutDate"_s);
    if (m_keepStat == Released && release.isEmpty())
        return fail(u"보관상태가 [불출]일 경우 출고일을 입력하십시요"_s, u"wmeKeepOutDate"_s);
    if (!release.isEmpty() && (!IsValidYmd(release) || release.size() != 8))
        return fail(u"출고일"_s + MustCorrect, u"wmeKeepOutDate"_s);
    return true;
}

bool TfrmEBI050::bbtSearchClick()
{
    if (!bbtSearch->isEnabled() || !bbtSearch->isVisible())
        return false;
    const QString season = edtSeason->text().trimmed().toUpper();
    if (season.isEmpty()) {
        InfoBox(u"*시즌"_s + MustEnter);
        edtSeason->setFocus();
        return false;
    }
    if (wlbSeason->text().trimmed().isEmpty())
        wlbSeason->setText(CodeName(u"E0004"_s, season));
    if (wlbSeason->text().trimmed().isEmpty()) {
        InfoBox(u"*시즌"_s + MustCorrect);
        edtSeason->setFocus();
        return false;
    }
    m_season = season;
    m_area = cboArea->code();
    qryQuery.bind(u"SEASON_GUBUN"_s, m_season);
    qryQuery.bind(u"AREA_GUBUN"_s, m_area);
    return TfrmEZI000::bbtSearchClick();
}

bool TfrmEBI050::SaveRows()
{
    m_newNumbers.clear();
    return TfrmEZI000::SaveRows();
}

void TfrmEBI050::NewRowSaved(int)
{
    m_newNumbers.append(prcSaveData.output(u"ANEW_KEEP_NO"_s));
}

bool TfrmEBI050::bbtSaveClick()
{
    if (!bbtSave->isEnabled() || !bbtSave->isVisible())
        return false;
    m_newNumbers.clear();
    const int row = Grid()->currentRow();
    if (row >= 0 && !(IsBlankRow(row) && !IsStoredRow(row)) && !CheckRow())
        return false;
    prcSaveData.clearValues();
    prcSaveData.setValue(u"ASEASON_GUBUN"_s, m_season);
    prcSaveData.setValue(u"AAREA_GUBUN"_s, m_area);
    bool saved = false;
    try {
        saved = TfrmEZI000::bbtSaveClick();
    } catch (const ServerError &) {
        // Rolled back: the numbers given out inside it do not exist.
        m_newNumbers.clear();
        throw;
    }
    // Taken before printing, so that no later save prints them again.
    const QStringList numbers = std::exchange(m_newNumbers, {});
    if (!saved)
        return false;
    if (Rows().rowCount() == 0) {
        ClearControls();
        AppendEmptyRow();
    }
    printNewTickets(numbers);
    return true;
}

TKeepTicketInfo TfrmEBI050::ticketOf(int row) const
{
    const GridModel &rows = Rows();
    auto label = [this, row](const QString &combo, const QString &field) {
        return control<CodeCombo>(this, combo)->codes().labelOf(Rows().value(row, field));
    };
    return {.season = m_season,
            .keepNo = rows.value(row, u"KEEP_NO"_s),
            .keepName = rows.value(row, u"KEEP_NAME"_s),
            .equipName = label(u"cboKeepEquipName"_s, u"EQUIP_NAME_GUBUN"_s),
            .nativeNo = rows.value(row, u"NATIVE_NO"_s),
            .keepKindName = label(u"cboKeep"_s, u"KEEP_GUBUN"_s),
            .inDate = rows.value(row, u"IPGO_DATE"_s),
            .boxNo = rows.value(row, u"KEEP_BOX_NO"_s)};
}

void TfrmEBI050::printNewTickets(const QStringList &numbers)
{
    // The records are saved whatever happens here; a ticket that failed is
    // reprinted with "보관증 재발급", never by saving again.
    const QString advice = u"보관증을 출력하지 못했습니다.\r보관증 재발급으로 다시 출력하십시오.\r\r"_s;
    QStringList unseen;
    try {
        for (const QString &number : numbers) {
            int found = -1;
            for (int row = 0; row < Rows().rowCount() && found < 0; ++row)
                if (IsStoredRow(row) && Rows().value(row, u"KEEP_NO"_s) == number)
                    found = row;
            if (found < 0)
                unseen.append(m_season + u"-"_s + number); // the reload failed or missed it
            else
                m_printer->PrintKeepTicket(ticketOf(found));
        }
    } catch (const ServerError &error) {
        ErrorBox(advice + u"에러내용:\r"_s + error.message());
        return;
    }
    if (!unseen.isEmpty())
        ErrorBox(advice + u"보관번호: "_s + unseen.join(u", "_s));
}

bool TfrmEBI050::bbtReissueClick()
{
    if (!CommonStart(bbtReissue))
        return false;
    const int row = Grid()->currentRow();
    if (row < 0 || !IsStoredRow(row))
        return false;
    m_printer->PrintKeepTicket(ticketOf(row));
    return true;
}

bool TfrmEBI050::bbtCancelClick()
{
    if (!TfrmEZI000::bbtCancelClick())
        return false;
    selectState({});
    return true;
}
