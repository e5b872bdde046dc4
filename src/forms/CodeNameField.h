#pragma once

#include "FieldTable.h"

#include <QObject>

#include <functional>

class QLabel;
class QLineEdit;

// The behaviour of a code + name field (FieldKind::CodeName): a code typed
// into an edit in upper case, its name in a label beside it, cleared when
// the code changes and read from the code group when the edit is left; the
// lookup fills both.
class CodeNameField : public QObject
{
    Q_OBJECT

public:
    // pick: the lookup dialog; true with code and name when the operator chose.
    using Pick = std::function<bool(QString &code, QString &name)>;

    CodeNameField(QLineEdit *code, QLabel *name, const QString &group, Pick pick, QObject *parent);

    QString Code() const;
    QString Name() const;

    // F1 and the button: a pick fills code and name and runs `picked`;
    // otherwise the focus goes back to the code.
    void Lookup(const std::function<void()> &picked);
    // The name of a typed code, read from its group (empty for none).
    void ReadName();
    // Names read by `nameOf` instead of the group, on every change of the
    // code rather than when the edit is left.
    void SetNameSource(std::function<QString(const QString &code)> nameOf);
    bool LiveName() const { return bool(m_nameOf); }

private:
    QLineEdit *m_code;
    QLabel *m_name;
    QString m_group;
    Pick m_pick;
    std::function<QString(const QString &)> m_nameOf;
};
