#pragma once

#include "EZP000.h"

class TfrmEEP020 : public TfrmEZP000
{
    Q_OBJECT

public:
    enum Content { ListOnly, WithMap };

    // `WithMap`: the rows' accidents on the course maps, on a page after the list.
    explicit TfrmEEP020(const QList<ColumnDef> &columns, Content content = ListOnly, QObject *parent = nullptr);

    report::Layout Layout() const override;

private:
    Content m_content;
};
