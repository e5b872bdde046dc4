#pragma once

#include "ColumnDef.h"

#include <QComboBox>

// A drop-down list of labels that keeps a code for each: choosing entry i
// selects the code at position i.
class CodeCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit CodeCombo(QWidget *parent = nullptr);

    void addCode(const QString &label, const QString &code);
    void clearCodes();
    const PickList &codes() const { return m_codes; }

    // The code of the chosen entry; empty when none is chosen.
    QString code() const;
    // Chooses the entry of a code; no entry for a code the list lacks.
    void setCode(const QString &code);

signals:
    void codeChanged(const QString &code);

private:
    PickList m_codes;
};
