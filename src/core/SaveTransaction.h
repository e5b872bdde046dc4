#pragma once

class DataModule;

// One save on the process's connection. Starts a transaction unless one is
// already active (then it is a no-op part of the outer one); rolls back in
// its destructor unless commit() ran. A connection that broke before the
// save began is opened again; one that breaks during it takes the
// transaction with it (ServerError, connection lost), and nothing is left to
// roll back. Not copyable.
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
    // The transaction still lives on the connection it began on.
    bool onSameConnection() const;

    DataModule *m_module;
    int m_generation = 0;
    bool m_owner = false;
    bool m_done = false;
};
