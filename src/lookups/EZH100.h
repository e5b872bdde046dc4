#pragma once

#include "ZZH000.h"

class TextEdit;

// The reason for a cancellation, at most 40 characters.
class TfrmEZH100 : public TfrmZZH000
{
    Q_OBJECT

public:
    explicit TfrmEZH100(QWidget *parent = nullptr);

    // The text OK kept.
    const QString &CancelRemark() const { return m_remark; }

protected:
    bool StoreResult() override;

private:
    TextEdit *edtCancelRemark = nullptr;
    QString m_remark;
};
