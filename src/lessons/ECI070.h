#pragma once

#include "TraineeScreen.h"

// "강습사고 등록": the accidents during lessons of a day, with the
// instructor in charge, the injured party and the party at fault.
class TfrmECI070 : public TraineeScreen
{
    Q_OBJECT

public:
    explicit TfrmECI070(QWidget *parent = nullptr);

protected:
    QList<RowCheck> RowChecks() override;
};
