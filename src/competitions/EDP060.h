#pragma once

#include "EZP010.h"

class TfrmEDP060 : public TfrmEZP010
{
    Q_OBJECT

public:
    explicit TfrmEDP060(const QList<ColumnDef> &columns, QObject *parent = nullptr);

    report::Layout Layout() const override;

private:
    // The judges' blocks: their heading and the printed columns under it.
    struct Group
    {
        QString heading;
        int first = 0;
        int last = 0;
    };
    QList<Group> m_groups;
};
