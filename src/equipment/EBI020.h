#pragma once

#include "EZI000.h"

class CodeCombo;

// The register of rental items per area and equipment kind.
class TfrmEBI020 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEBI020(QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    bool bbtSaveClick() override;

protected:
    bool ValidateRow(TReturn &result) override;

private:
    CodeCombo *cboAreaGubun = nullptr;
    CodeCombo *cboEquipGubun = nullptr;
    // The search values the rows were read for; their changes are saved
    // under these, whatever the search bar shows by then.
    QString m_area;
    QString m_kind;
};
