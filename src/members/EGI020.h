#pragma once

#include "EZI020.h"

#include <QHash>

class QComboBox;
class QLabel;
class QLineEdit;

// The members whose number begins with "20": the list by name and state,
// the current member's details beside it. The grid row holds what is saved:
// the detail fields write into it, and an edit in the grid shows there.
class TfrmEGI020 : public TfrmEZI020
{
    Q_OBJECT

public:
    explicit TfrmEGI020(QWidget *parent = nullptr);

    // The stored sex code of a label of the list, and the label of a code.
    static QString SexCodeOf(const QString &label);
    static QString SexLabelOf(const QString &code);
    // The query of a search for the condition list's text.
    static QString SearchSql(const QString &condition);

    QStringList ContractSql() const override;
    bool bbtAddClick() override;
    bool bbtCancelClick() override;

protected:
    bool BeforeSearch() override;
    void Searched() override;
    void Saved(const SavedRows &saved) override;
    void SaveAll(SavedRows &saved) override;
    void RunSaveProc() override;
    void FormReady() override;

private:
    void showRow(int row);
    void fieldEdited(const QString &field, const QString &text);
    void sexChosen();
    void askRegister();

    QLineEdit *edtSearchName = nullptr;
    QComboBox *cmbCondition = nullptr;
    QWidget *panDetail = nullptr;
    QLabel *wlbMemberNo = nullptr;
    QComboBox *cmbSex = nullptr;
    QLabel *wlbSexCode = nullptr;
    QHash<QString, QLineEdit *> m_edits; // by field
    QList<int> m_insertedRows;           // the rows the running save inserted, in order
    bool m_showing = false;
};
