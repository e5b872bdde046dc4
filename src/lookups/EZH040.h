#pragma once

#include "EZH000.h"

// The codes of one common code group, listed as soon as the dialog opens.
class TfrmEZH040 : public TfrmEZH000
{
    Q_OBJECT

public:
    TfrmEZH040(const QString &caption, const QString &group, QWidget *parent = nullptr);

protected:
    bool SearchesOnActivation() const override;

private:
    QString m_group;
};
