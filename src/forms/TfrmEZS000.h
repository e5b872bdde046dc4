#pragma once

#include "TfrmZZS020.h"

class CodeCombo;
class QDateEdit;

// The base of every search screen of this module: Cancel, Enter-key
// navigation, footers reset on every search, the working date and the
// grid colours.
//
// A screen declares its search fields (AddSearchFields), its columns
// (cdsQuery->setColumns) and qryQuery's text; Search checks the required
// search fields, binds every bound one under its field name and runs the
// query into the grid. qryFooter, when the screen sets its text, runs with
// the same binds: each column of its one row sets the footer of the grid
// column showing the field of that name. A screen binds what the search
// bar does not hold before calling bbtSearchClick() of this class, or in
// PrepareSearch. Its own checks of the search bar (SearchChecks) run after
// the required fields. Printed, the footer query runs again with the
// values of the last search and each of its columns sets the layout's item
// of that name (a total in the summary).
class TfrmEZS000 : public TfrmZZS020
{
    Q_OBJECT

public:
    TfrmEZS000(const QString &formName, const QString &caption, QWidget *parent = nullptr);

    // F3: footers to "0", the list read again, the focus into the grid (or
    // "조회할 내용이 없습니다." for no row), then the inherited Search. The
    // query runs before the Search button's availability is checked.
    bool bbtSearchClick() override;
    // F8: closes the list, resets the footers, focus to the first search field.
    virtual bool bbtCancelClick();

    // The working date as 'YYYYMMDD'; today until a picker changes it.
    QString WorkDate() const;

    QStringList ContractSql() const override;

    void edtEnter(QWidget *control) override;
    void edtExit(QWidget *control) override;

protected:
    // The screen's own checks of the search bar, after the required fields.
    virtual QList<RowCheck> SearchChecks() { return {}; }
    // After the checks passed and before the values are bound: the place to
    // set a query text that depends on the search bar, and binds it lacks.
    virtual void PrepareSearch() {}
    void ReportOpened(TfrmZZP010 &report) override;

    // The text a search control shows (a code list's label, a date as
    // YYYY-MM-DD); "[전체]" for an empty choice where the list offers it.
    static QString ShownValue(const QWidget *control);
    // "[전체]" (no filter, an empty code) and then the codes of a group.
    static void FillWithAll(CodeCombo &list, const QString &group);
    // Each end of a date range that is given but no date: caption +
    // "을(를) 정확히 입력하십시오.", the focus on that end. An empty end is open.
    static QList<RowCheck> DateRangeChecks(const QString &caption, const QList<QWidget *> &ends);
    // "from  ∼  to" as YYYY-MM-DD, an open end as "[전체]".
    static QString DateRangeText(const QWidget *from, const QWidget *to);

    // Every footer but the first to "0", and qryFooter closed.
    void ResetFooters();
    void CloseQueries() override;

    // edtKeyPress: Enter on an input control moves to the next control and
    // runs Search when that is the Search button; the key is dropped.
    void keyPressEvent(QKeyEvent *event) override;

    QPushButton *bbtCancel = nullptr;
    QDateEdit *dtpDate = nullptr;
    SqlQuery qryFooter;

private:
    QString m_workDate;
};
