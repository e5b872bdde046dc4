#pragma once

#include <QHash>
#include <QList>
#include <QString>

// What one committed save sent, handed to the screen's Saved hook: the new
// rows as they were sent, each with what the procedure gave back for it (a
// number the server issued), and the numbers the head call issued for the
// search fields they key.
struct SavedRows
{
    struct Row
    {
        QHash<QString, QString> values;  // by upper-case field
        QHash<QString, QString> outputs; // by lower-case parameter name

        QString value(const QString &field) const { return values.value(field.toUpper()); }
        QString output(const QString &name) const { return outputs.value(name.toLower()); }
    };

    QList<Row> added;
    QHash<QString, QString> issued; // by upper-case search field
};
