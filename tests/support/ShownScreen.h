#pragma once

#include <QTest>
#include <QWidget>

#include <memory>

// Makes a ShownScreen that opens its screen later (a test class's member).
inline constexpr struct OpenLater {
} openLater;

// A screen made and shown offscreen, the way a test drives it: keys go to
// the screen and its focus, and it goes away with the fixture.
template <typename Screen>
class ShownScreen
{
public:
    template <typename... Args>
    explicit ShownScreen(Args &&...args)
    {
        open(std::forward<Args>(args)...);
    }
    explicit ShownScreen(OpenLater) {}

    // A new screen in place of the one before; true once it is shown and active.
    template <typename... Args>
    bool open(Args &&...args)
    {
        m_screen.reset();
        return take(std::make_unique<Screen>(std::forward<Args>(args)...));
    }
    // Shows a screen made elsewhere: one of several kinds behind a base.
    bool take(std::unique_ptr<Screen> made)
    {
        m_screen = std::move(made);
        m_screen->show();
        m_screen->activateWindow();
        m_exposed = QTest::qWaitForWindowExposed(m_screen.get()) && QTest::qWaitForWindowActive(m_screen.get());
        return m_exposed;
    }
    void reset()
    {
        m_screen.reset();
        m_exposed = false;
    }

    bool exposed() const { return m_exposed; }
    explicit operator bool() const { return m_screen != nullptr; }
    Screen *operator->() const { return m_screen.get(); }
    Screen &operator*() const { return *m_screen; }
    Screen *get() const { return m_screen.get(); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(m_screen.get(), key, modifiers);
    }
    template <typename Control>
    Control *find(const QString &name) const
    {
        return m_screen->template findChild<Control *>(name);
    }

private:
    std::unique_ptr<Screen> m_screen;
    bool m_exposed = false;
};
