#pragma once

#include <functional>

// Runs `work` in a save transaction and commits. On a ServerError the
// transaction is rolled back, the save error box shows the server's message,
// and the error passes on to the caller.
void RunSave(const std::function<void()> &work);

// The edge of an operator's action: runs `handler`; a ServerError that
// reaches here is shown in the default error box. False when one did.
bool RunGuarded(const std::function<void()> &handler);
