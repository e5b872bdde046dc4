#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QEvent;
class TfrmZZI000;

// While a search or print of a screen waits on the server, F8 or Esc asks
// the server to cancel the statement; the screen's status line then says
// "조회를 취소했습니다." and no error box follows. Other keys and clicks made
// meanwhile reach their widgets once the wait is over, as before.
class CancelKeys : public QObject
{
public:
    explicit CancelKeys(TfrmZZI000 *screen);
    ~CancelKeys() override;
    CancelKeys(const CancelKeys &) = delete;
    CancelKeys &operator=(const CancelKeys &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TfrmZZI000 *m_screen;
    bool m_inWait = false;
    bool m_requested = false;
    int m_exceptions = 0;
    QList<std::pair<QPointer<QObject>, QEvent *>> m_held;
};
