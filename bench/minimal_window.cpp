// The least a Qt Widgets program can do and still show a window with a text
// box: the yardstick that the start-up benchmark holds orvandel against.
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(&window));
    window.show();
    return app.exec();
}
