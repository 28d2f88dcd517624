#include "ui/main_window/velmarin.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvandel"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANDEL_VERSION));

    auto *window = new velmarin;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
