#pragma once

#include "EZI000.h"

class CodeCombo;

// The base stock of rental boots per area and boot size.
class TfrmEBI030 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEBI030(QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    bool bbtSaveClick() override;

protected:
    bool ValidateRow(TReturn &result) override;

private:
    CodeCombo *cboArea = nullptr;
    QString m_area;
};
