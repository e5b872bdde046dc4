#include "EZP010.h"

TfrmEZP010::TfrmEZP010(const QString &formName, const QString &title, QObject *parent)
    : TfrmEZP000(formName, title, parent)
{
    m_orientation = report::Orientation::Landscape;
}
