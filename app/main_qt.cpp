#include "app/application.h"
#include "ui/main_window/velmarin_qt.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(application::title));
    QApplication::setApplicationVersion(QStringLiteral(ORVANDEL_VERSION));
    // Lets the desktop match the windows to the installed launcher and its icon.
    QApplication::setDesktopFileName(QStringLiteral("net.ferrowby.orvandel"));
    QIcon icon(QStringLiteral(":/orvandel-16.png"));
    icon.addFile(QStringLiteral(":/orvandel-32.png"));
    QApplication::setWindowIcon(icon);

    auto *window = new velmarin;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return app.exec();
}
