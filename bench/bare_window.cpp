// The floor of start-up: a Qt program that shows one window and ends once it
// is painted.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdlib>

namespace {

class Window : public QMainWindow
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QMainWindow::paintEvent(event);
        QTimer::singleShot(0, [] { std::_Exit(0); });
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Window window;
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
