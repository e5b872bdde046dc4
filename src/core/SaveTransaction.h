#pragma once

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
