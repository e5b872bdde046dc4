#pragma once

#include <QApplication>
#include <QString>

class TfrmZZI000;

// Hourglass for the length of a scope.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// While a search or a save waits on the server: the hourglass, and the
// screen's message line says so; the line is given back afterwards unless
// the handler put its own message there.
class ServerWait
{
public:
    explicit ServerWait(TfrmZZI000 *screen);
    ~ServerWait();
    ServerWait(const ServerWait &) = delete;
    ServerWait &operator=(const ServerWait &) = delete;

private:
    WaitCursor m_cursor;
    TfrmZZI000 *m_screen;
    QString m_before;
};
