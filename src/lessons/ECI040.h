#pragma once

#include "EZI000.h"

class CodeCombo;

// "직원예약 기준정보 등록": the places open for staff bookings per date
// and lesson slot.
class TfrmECI040 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmECI040(QWidget *parent = nullptr);

protected:
    QList<RowCheck> RowChecks() override;

private:
    CodeCombo *cboLectureItem = nullptr;
};
