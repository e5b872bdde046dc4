#include "ECI080.h"

#include "CodeServices.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Modal.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

struct CountPart
{
    QString field; // column name part
    QString name;  // control name part
    QString title; // grid title part
};

const QList<CountPart> Whos = {{u"TRAINER_CNT"_s, u"TrainerCnt"_s, u"강습생수"_s},
                               {u"LECTURER_CNT"_s, u"LecturerCnt"_s, u"강사수"_s}};
const QList<CountPart> Kinds = {{u"SKI"_s, u"Ski"_s, u"스키"_s},
                                {u"BOARD"_s, u"Board"_s, u"보드"_s},
                                {u"BABY"_s, u"Baby"_s, u"유아"_s}};
const QList<CountPart> Times = {{u"AM"_s, u"Am"_s, u"오전"_s},
                                {u"PM"_s, u"Pm"_s, u"오후"_s},
                                {u"NT"_s, u"Nt"_s, u"야간"_s},
                                {u"DN"_s, u"Dn"_s, u"새벽"_s}};

// Calls `each` for the 24 counts in the order they are read.
template <typename Each>
void ForEachCount(Each each)
{
    for (const CountPart &who : Whos)
        for (const CountPart &kind : Kinds)
            for (const CountPart &time : Times)
                each(who, kind, time);
}

QString CountField(const CountPart &who, const CountPart &kind, const CountPart &time)
{
    return who.field + u'_' + kind.field + u'_' + time.field;
}

} // namespace

TfrmECI080::TfrmECI080(QWidget *parent) : TfrmEZI000(u"frmECI080"_s, u"제휴단체강습 등록"_s, parent)
{
    AddSearchFields({
        {.name = u"edtEventNo"_s, .caption = u"*제휴단체번호"_s, .field = u"EVENT_NO"_s, .bytes = 10,
         .lookup = [this] { LookupGroup(); }, .width = 100, .to = &edtEventNo},
        {.name = u"wlbEventNo"_s, .kind = FieldKind::Label, .sameLine = true, .width = 180, .to = &wlbEventNo},
    });
    wlbEventNo->setFrameShape(QFrame::Panel);
    wlbEventNo->setFrameShadow(QFrame::Sunken);
    // The name belongs to the number as typed; no row changes with it.
    connect(edtEventNo, &QLineEdit::textChanged, wlbEventNo, &QLabel::clear);

    QList<ColumnDef> columns = {{.title = u"강습일자"_s, .field = u"LECTURE_DATE"_s, .width = 181, .dataWidth = 16,
                                 .alignment = Qt::AlignCenter, .key = true, .displayMask = u"9999-99-99"_s}};
    QList<FieldDef> fields = {{.name = u"wmeLectureDate"_s, .caption = u"*강습일자"_s, .kind = FieldKind::Mask,
                               .field = u"LECTURE_DATE"_s, .mask = u"9999-99-99;0; "_s, .required = true,
                               .width = 90, .to = &wmeLectureDate}};
    ForEachCount([&](const CountPart &who, const CountPart &kind, const CountPart &time) {
        const QString field = CountField(who, kind, time);
        columns.append({.title = who.title + u"("_s + kind.title + u")("_s + time.title + u")"_s, .field = field,
                        .dataWidth = 5, .alignment = Qt::AlignRight, .visible = false});
        QString name = u"wne"_s + who.name + kind.name + time.name;
        if (field == u"TRAINER_CNT_BOARD_NT"_s)
            name = u"wneTrainerCntBoardAmNt"_s; // the name the office's macros know
        const bool first = time.field == u"AM"_s;
        fields.append({.name = name,
                       .caption = (first ? who.title + u" "_s + kind.title + u"  "_s : QString()) + time.title,
                       .kind = FieldKind::Number, .field = field, .bytes = 5, .sameLine = !first, .width = 50});
    });
    SetColumns(columns);
    AddFields(fields);

    QString select = u"SELECT lecture_date"_s;
    ForEachCount([&](const CountPart &who, const CountPart &kind, const CountPart &time) {
        select += u", "_s + CountField(who, kind, time).toLower();
    });
    qryQuery.setSql(select
                    + u"\nFROM   ec080ms\n"
                      "WHERE  event_no = :EVENT_NO\n"
                      "ORDER  BY lecture_date"_s);
    prcSaveData.setName(u"pr_eci080_01"_s);
    SetOptions({.checkCurrentRow = true, .keepEmptyRow = true});
}

void TfrmECI080::LookupGroup()
{
    if (!IsSearchMode())
        return;
    QString number;
    QString name;
    if (!PickPartnerGroup(QString(), number, name, this)) {
        edtEventNo->setFocus();
        return;
    }
    edtEventNo->setText(number);
    wlbEventNo->setText(name);
    bbtSearchClick();
}

void TfrmECI080::edtExit(QWidget *left)
{
    TfrmEZI000::edtExit(left);
    if (left != edtEventNo)
        return;
    const QString number = edtEventNo->text().trimmed();
    if (!number.isEmpty())
        wlbEventNo->setText(EventName(number));
}

bool TfrmECI080::BeforeSearch()
{
    const QString number = edtEventNo->text().trimmed();
    QString refusal;
    if (number.isEmpty())
        refusal = u"*제휴단체번호"_s + EnterFirst;
    else if ((wlbEventNo->text().isEmpty() ? EventName(number) : wlbEventNo->text()).isEmpty())
        refusal = u"*제휴단체번호"_s + EnterCorrectly;
    if (refusal.isEmpty()) {
        if (wlbEventNo->text().isEmpty())
            wlbEventNo->setText(EventName(number));
        return true;
    }
    InfoBox(refusal);
    edtEventNo->setFocus();
    return false;
}

QList<RowCheck> TfrmECI080::RowChecks()
{
    const auto date = wmeLectureDate;
    return {
        {[=] { return !IsValidYmd(date->plainText()) || date->plainText().trimmed().size() != 8; }, date,
         u"*강습일자"_s + EnterCorrectly},
        {[this] { return !IsStoredRow(CheckedRow()) && HasDuplicateKey(); }, date,
         u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s},
    };
}
