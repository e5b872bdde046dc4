#pragma once

#include "StoredProc.h"

#include <QString>

// What a save call does to its row; the procedures take it as AEDITSTATUS.
enum class EditStatus { Changed = 1, Inserted = 2, Deleted = 3 };

// "1", "2" or "3": the text the procedures know.
inline QString EditStatusCode(EditStatus status)
{
    return QString::number(int(status));
}

inline void SetEditStatus(StoredProc &procedure, EditStatus status)
{
    procedure.setValue(QStringLiteral("AEDITSTATUS"), EditStatusCode(status));
}
