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

    // Sets an input parameter; an empty text is passed as NULL. Throws
    // ServerError for a name the procedure does not have.
    void setValue(const QString &name, const QString &value);
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

    QString m_name;
    QList<std::pair<QString, QString>> m_values; // in the order they were set
    QHash<QString, QString> m_outputs;
};
