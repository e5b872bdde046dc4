#include "TfrmEZS000.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "TfrmZZP010.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QSqlRecord>
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

TfrmEZS000::TfrmEZS000(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmZZS020(formName, caption, parent), m_workDate(TodayKey())
{
    panSearch->setFixedHeight(44);
    panSearch->setFont(ScreenFont(13));
    bbtSearch->setFixedSize(93, 29);

    bbtCancel = AddButton(u"bbtCancel"_s, u"취소(F8)"_s, bbtExcel);
    OnClick(bbtCancel, [this] { bbtCancelClick(); });
    AddHotkey(QKeySequence(Qt::Key_F8), u"취소"_s, [this] { bbtCancel->click(); });

    rgrGrid->setColours({.selectedBackground = QColor(0x88, 0x88, 0xFF),
                         .selectedText = Qt::white,
                         .titleBackground = QColor(0x66, 0x66, 0xFF),
                         .titleText = Qt::white,
                         .cellBackground = QColor(0xCC, 0xCC, 0xFF),
                         .readOnlyBackground = {}});
    rgrGrid->setFooterVisible(true);
}

void TfrmEZS000::ResetFooters()
{
    qryFooter.close();
    cdsQuery->resetFooters(u"0"_s);
}

void TfrmEZS000::CloseQueries()
{
    TfrmZZS020::CloseQueries();
    qryFooter.close();
}

QStringList TfrmEZS000::ContractSql() const
{
    QStringList texts = TfrmZZS020::ContractSql();
    if (!qryFooter.sql().isEmpty())
        texts.append(qryFooter.sql());
    return texts;
}

QString TfrmEZS000::WorkDate() const
{
    for (const Field &field : SearchFields())
        if (field.def.name == u"dtpDate"_s)
            return ControlValue(field.control);
    return m_workDate;
}

bool TfrmEZS000::bbtSearchClick()
{
    QWidget *starter = QApplication::focusWidget();
    if (starter && !isAncestorOf(starter))
        starter = nullptr;
    {
        TReturn failed;
        if (!RunChecks(SearchFields(), SearchChecks(), failed)) {
            InfoBox(failed.message);
            if (failed.focus)
                failed.focus->setFocus();
            return false;
        }
    }
    PrepareSearch();
    ResetFooters();
    cdsQuery->close();
    BindSearchValues(qryQuery);
    {
        const ServerWait wait(this);
        OpenList();
    }
    if (!qryFooter.sql().isEmpty()) {
        BindSearchValues(qryFooter);
        qryFooter.exec();
        if (qryFooter.next()) {
            const QSqlRecord record = qryFooter.record();
            for (int i = 0; i < record.count(); ++i)
                if (const int column = cdsQuery->columnOf(record.fieldName(i)); column >= 0)
                    cdsQuery->setFooter(column, qryFooter.value(i));
        }
        qryFooter.close();
    }
    if (cdsQuery->rowCount() > 0) {
        rgrGrid->setFocus(Qt::OtherFocusReason);
        rgrGrid->setCurrentRow(0);
    } else {
        InfoBox(u"조회할 내용이 없습니다."_s);
        if (QWidget *next = NextInTabOrder(starter))
            next->setFocus(Qt::TabFocusReason);
    }
    return TfrmZZS020::bbtSearchClick();
}

void TfrmEZS000::ReportOpened(TfrmZZP010 &report)
{
    if (qryFooter.sql().isEmpty())
        return;
    qryFooter.close();
    const QHash<QString, QString> binds = qryQuery.binds();
    for (auto it = binds.begin(); it != binds.end(); ++it)
        qryFooter.bind(it.key(), it.value());
    qryFooter.exec();
    if (qryFooter.next()) {
        const QSqlRecord record = qryFooter.record();
        for (int i = 0; i < record.count(); ++i)
            report.SetText(record.fieldName(i).toUpper(), qryFooter.value(i));
    }
    qryFooter.close();
}

QString TfrmEZS000::ShownValue(const QWidget *control)
{
    if (auto *combo = qobject_cast<const CodeCombo *>(control))
        return combo->currentText();
    if (auto *date = qobject_cast<const QDateEdit *>(control))
        return date->date().toString(u"yyyy-MM-dd"_s);
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text().trimmed();
    return {};
}

void TfrmEZS000::FillWithAll(CodeCombo &list, const QString &group)
{
    list.clearCodes();
    list.addCode(u"[전체]"_s, QString());
    FillCodeList(list, group);
    list.setCurrentIndex(0);
}

QList<RowCheck> TfrmEZS000::DateRangeChecks(const QString &caption, const QList<QWidget *> &ends)
{
    QList<RowCheck> checks;
    for (QWidget *end : ends)
        checks.append({[end] {
                           const QString key = ControlValue(end).trimmed();
                           return !key.isEmpty() && !IsValidYmd(key);
                       },
                       end, caption + EnterCorrectly});
    return checks;
}

QString TfrmEZS000::DateRangeText(const QWidget *from, const QWidget *to)
{
    const auto shown = [](const QWidget *end) {
        const QString key = ControlValue(end).trimmed();
        return key.isEmpty() ? u"[전체]"_s : DateToDisplay(key);
    };
    return shown(from) + u"  ∼  "_s + shown(to);
}

bool TfrmEZS000::bbtCancelClick()
{
    if (!CommonStart(bbtCancel))
        return false;
    cdsQuery->close();
    ResetFooters();
    FocusFirstIn(panSearch);
    return true;
}

void TfrmEZS000::keyPressEvent(QKeyEvent *event)
{
    if (!HandleEnterKey(event, bbtSearch, [this] { bbtSearchClick(); }))
        TfrmZZS020::keyPressEvent(event);
}

void TfrmEZS000::edtEnter(QWidget *control)
{
    TfrmZZS020::edtEnter(control);
    ColourAlways(control, true);
}

void TfrmEZS000::edtExit(QWidget *control)
{
    TfrmZZS020::edtExit(control);
    ColourAlways(control, false);
}
