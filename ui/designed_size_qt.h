#pragma once

#include <QGuiApplication>
#include <QSize>
#include <QWidget>

// On Wayland the compositor, not the program, places windows and sizes maximized
// ones; a maximized window that keeps another size breaks the connection, and
// Qt's own title bar there offers maximize whatever the size hints say.
inline bool compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Opens a top-level window at the size its contents were laid out for. Other
// window systems keep it at that size; on Wayland it may only grow.
inline void setDesignedSize(QWidget &window, QSize size)
{
    if (compositorPlacesWindows()) {
        window.setMinimumSize(size);
        window.resize(size);
    } else {
        window.setFixedSize(size);
    }
}
