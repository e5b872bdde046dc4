#pragma once

#include "EZI000.h"

// "인터스강사 수강 인원": the weekday places of every Interski instructor
// registered for a season year. The rows come from the register, kept
// outside this system: there is no Add or Delete. What is saved here is a
// hand correction: it sets the free places as typed, whatever the bookings
// took of them.
class TfrmECI170 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmECI170(QWidget *parent = nullptr);

    bool bbtAddClick() override { return false; }
    bool bbtDeleteClick() override { return false; }

protected:
    void RowParameters(const QHash<QString, QString> &cells) override;
};
