#include "SearchChecks.h"

#include "Modal.h"

bool PassSearchChecks(const QList<Field> &fields, const QList<RowCheck> &checks)
{
    TReturn failed;
    if (RunChecks(fields, checks, failed))
        return true;
    InfoBox(failed.message);
    if (failed.focus)
        failed.focus->setFocus();
    return false;
}
