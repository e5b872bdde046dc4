#pragma once

#include "EZI000.h"

class CodeCombo;
class MaskEdit;

// The register of rental items per area and equipment kind.
class TfrmEBI020 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEBI020(QWidget *parent = nullptr);

protected:
    QList<RowCheck> RowChecks() override;

private:
    CodeCombo *cboEquipSizeGubun = nullptr;
    MaskEdit *wmeBuyDate = nullptr;
};
