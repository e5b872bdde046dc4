#pragma once

#include "FieldTable.h"

// A search bar's checks as Search runs them (RunChecks): false after the
// message, the focus on the field at fault.
bool PassSearchChecks(const QList<Field> &fields, const QList<RowCheck> &checks);
