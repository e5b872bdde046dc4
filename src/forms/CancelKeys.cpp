#include "CancelKeys.h"

#include "DataModule.h"
#include "ServerWaitLoop.h"
#include "ZZI000.h"

#include <QApplication>
#include <QKeyEvent>

#include <exception>

namespace {

// The data module's own wait: the window repaints, input waits its turn.
void repaintOnly()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

CancelKeys::CancelKeys(TfrmZZI000 *screen) : m_screen(screen), m_exceptions(std::uncaught_exceptions())
{
    ServerWaitLoop::ResetCancel();
    qApp->installEventFilter(this);
    if (DataModule *module = DataModule::instance()) {
        module->setWaitHook([this] {
            m_inWait = true;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            m_inWait = false;
        });
    }
}

CancelKeys::~CancelKeys()
{
    if (DataModule *module = DataModule::instance())
        module->setWaitHook(repaintOnly);
    qApp->removeEventFilter(this);
    ServerWaitLoop::ResetCancel();
    // The wait ended by the cancel: the search's failure is its answer.
    if (m_requested && std::uncaught_exceptions() > m_exceptions)
        m_screen->ShowStatus(ServerWaitLoop::CancelledText);
    for (auto &[receiver, event] : m_held) {
        if (receiver)
            QCoreApplication::postEvent(receiver, event);
        else
            delete event;
    }
}

bool CancelKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_inWait)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_F8 || key->key() == Qt::Key_Escape) && key->modifiers() == Qt::NoModifier) {
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
                m_requested = true;
                ServerWaitLoop::RequestCancel();
            }
            return true;
        }
        m_held.append({watched, event->clone()});
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        m_held.append({watched, event->clone()});
        return true;
    case QEvent::ShortcutOverride:
        // Taken as a plain key, so that no hotkey runs in the middle of the
        // wait and F8 or Esc reach this filter.
        event->accept();
        return true;
    case QEvent::MouseMove:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}
