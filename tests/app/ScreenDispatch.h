#pragma once

#include "TfrmE0Main.h"

// The dispatch table as the main window uses it.
class ScreenDispatch : public TfrmE0Main
{
public:
    TfrmZZI000 *open(const QString &id) { return CreateScreen(id); }
};
