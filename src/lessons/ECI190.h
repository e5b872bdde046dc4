#pragma once

#include "EZI020.h"

#include <QHash>

class TextEdit;

// "인터스키 접수현황": the Interski bookings of a season year, edited in
// the grid: confirmation, instructor, weekday and remarks. Bookings arrive
// from outside; rows are neither added nor deleted here. Save sends every
// changed booking in one transaction; the server takes or gives back the
// instructor's weekday place of each.
class TfrmECI190 : public TfrmEZI020
{
    Q_OBJECT

public:
    explicit TfrmECI190(QWidget *parent = nullptr);

    bool bbtAddClick() override { return false; }
    bool bbtDeleteClick() override { return false; }
    bool bbtSaveClick() override;

    // The year the shown rows were read for.
    const QString &SearchedYear() const { return m_searchedYear; }

protected:
    bool BeforeSearch() override;
    void RunSaveProc() override;
    void Saved(const SavedRows &saved) override;

private:
    void loadInstructors();
    void showInstructorName(int row, const QString &field);

    TextEdit *edtSeason = nullptr;
    TextEdit *edtGuestName = nullptr;
    TextEdit *edtStudentName = nullptr;
    QHash<QString, QString> m_instructorNames;
    QString m_searchedYear;
    QString m_savedMessage;
};
