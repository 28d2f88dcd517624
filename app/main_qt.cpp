#include "app/application.h"
#include "ui/main_window/velmarin_qt.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>

namespace {

QtMessageHandler qtMessages = nullptr;

// Without a display or a platform plugin, Qt says in a fatal message that it cannot start the
// program, then aborts, which dumps core: the message is enough, and the status tells of the failure.
void endOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    qtMessages(type, context, message);
    if (type == QtFatalMsg)
        std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    qtMessages = qInstallMessageHandler(endOnFatal);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessages);
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
