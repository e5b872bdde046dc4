#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// A server procedure called by name with named parameters:
//   SELECT * FROM pr_x(aname => :ANAME, ...)
// Only the parameters that were set are passed; the server's defaults (NULL)
// fill the rest, but for the audit parameters AU_EMP_NO and AU_IP, which
// come from the start-up values wherever the procedure has them. Parameter names come from the catalogue, cached per
// connection, and match without regard to case. Failures throw ServerError.
class StoredProc
{
public:
    explicit StoredProc(const QString &name = {});

    void setName(const QString &name);
    const QString &name() const { return m_name; }

    // Input parameters (modes in and inout), lower case as the server keeps them.
    QStringList inputNames() const;
    bool hasParameter(const QString &name) const;

    // The parameters every caller names, declared once where the procedure
    // is set up (more declarations add to them), and those it leaves to the
    // server's default on purpose. Once any are declared, setValue of a name
    // not declared is a fault of the caller and throws, so the declaration
    // cannot drift from the calls.
    void declare(const QStringList &named, const QStringList &leftOut = {});
    const QStringList &named() const { return m_named; }
    const QStringList &leftOut() const { return m_leftOut; }

    // Sets an input parameter; an empty text is passed as NULL. Throws
    // ServerError for a name the procedure does not have or, after a
    // declaration, one that was not declared.
    void setValue(const QString &name, const QString &value);
    // Sets `name` only where the procedure has it: for values offered to
    // whichever procedure takes them (search values, a row's columns).
    void offerValue(const QString &name, const QString &value);
    void clearValues();

    void exec();
    // An output parameter (out or inout) of the last call.
    QString output(const QString &name) const;
    // Every output of the last call, by lower-case name.
    const QHash<QString, QString> &outputs() const { return m_outputs; }

private:
    struct Parameter
    {
        QString name;
        bool input = false;
        bool output = false;
    };
    const QList<Parameter> &parameters() const;
    // The parameter lists read on the current connection: a procedure may
    // have been replaced while the server was away.
    static QHash<QString, QList<Parameter>> &cache();

    void store(const QString &name, const QString &value);

    QString m_name;
    QStringList m_named; // upper case, as the callers write them
    QStringList m_leftOut;
    QList<std::pair<QString, QString>> m_values; // in the order they were set
    QHash<QString, QString> m_outputs;
};
