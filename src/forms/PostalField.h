#pragma once

#include "FieldTable.h"

#include <QObject>
#include <QPointer>

class QLineEdit;

// The behaviour of a postal code field (FieldKind::PostalCode): the lookup
// fills the code and the address line and moves on to the detail; a typed
// code fills the address line when the code is left, and typing clears it.
// A code passed through without typing keeps the address it came with.
class PostalField : public QObject
{
    Q_OBJECT

public:
    PostalField(QLineEdit *code, CodePick pick, QObject *parent);

    // The fields the code fills (read-only) and where a pick moves on to.
    void SetAddress(QLineEdit *address, QLineEdit *detail);
    bool Linked() const { return m_address; }

    QString Code() const;
    QString Address() const;
    void Lookup();

private:
    QLineEdit *m_code;
    CodePick m_pick;
    QPointer<QLineEdit> m_address;
    QPointer<QLineEdit> m_detail;
    bool m_typed = false;
};
