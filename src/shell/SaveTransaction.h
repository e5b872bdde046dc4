#pragma once

#include <functional>

class DataModule;

// One save on the process's connection. Starts a transaction unless one is
// already active (then it is a no-op part of the outer one); rolls back in
// its destructor unless commit() ran. Not copyable.
class SaveTransaction
{
public:
    SaveTransaction();
    ~SaveTransaction();
    SaveTransaction(const SaveTransaction &) = delete;
    SaveTransaction &operator=(const SaveTransaction &) = delete;

    // Throws ServerError when the server refuses the commit.
    void commit();

private:
    DataModule *m_module;
    bool m_owner = false;
    bool m_done = false;
};

// Runs `work` in a save transaction and commits. On a ServerError the
// transaction is rolled back, the save error box shows the server's message,
// and the error passes on to the caller.
void RunSave(const std::function<void()> &work);

// The edge of an operator's action: runs `handler`; a ServerError that
// reaches here is shown in the default error box. False when one did.
bool RunGuarded(const std::function<void()> &handler);
