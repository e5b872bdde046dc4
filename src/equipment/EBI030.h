#pragma once

#include "EZI000.h"

class CodeCombo;

// The base stock of rental boots per area and boot size.
class TfrmEBI030 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEBI030(QWidget *parent = nullptr);

protected:
    QList<RowCheck> RowChecks() override;

private:
    CodeCombo *cboBootsSize = nullptr;
};
