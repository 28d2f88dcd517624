#pragma once

#include "ui/twips.h"
#include "ui/work_area.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>
#include <QWindow>

#include <algorithm>

// On Wayland the compositor, not the program, places windows and sizes maximized
// ones; a maximized window that keeps another size breaks the connection, and
// Qt's own title bar there offers maximize whatever the size hints say.
inline bool compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The frame the desktop puts around a window, as one already shown has it. A
// window not shown yet has none, so until then as much as Qt guesses for a dialog.
inline QMargins windowFrame()
{
    for (const QWindow *shown : QGuiApplication::topLevelWindows())
        if (shown->isVisible() && !shown->frameMargins().isNull())
            return shown->frameMargins();
    return {10, 40, 10, 10};
}

// The text of the labels and boxes against Qt's own default, Sans Serif at 9 points, which its
// generic theme gives where no desktop names a font (Fusion under a bare window manager), and
// which the layout was made for. As line heights, which are what a box must hold, and all at
// the window's DPI, as its widgets draw them: a font keeps the DPI it was made at, and on
// Wayland the desktop's are made before Qt knows the screen, at 100 DPI, not 96.
inline text_size desktopTextSize(const QWidget &window)
{
    const auto height = [&window](const QFont &font) { return QFontMetrics(font, &window).height(); };
    return {std::max(height(QApplication::font("QLabel")), height(QApplication::font("QLineEdit"))),
            height(QFont(QStringLiteral("Sans Serif"), 9))};
}

// Opens a top-level window at the size its contents were laid out for, or as
// much of it as the work area of its screen holds with the frame: its contents
// are then cut off at the right and the bottom (ui/work_area.h). Other window
// systems keep it at that size, and so offer no maximize; on Wayland it may only grow.
inline void setDesignedSize(QWidget &window, QSize size)
{
    size = size.boundedTo(window.screen()->availableGeometry().size().shrunkBy(windowFrame()));
    if (compositorPlacesWindows()) {
        window.setMinimumSize(size);
        window.resize(size);
    } else {
        window.setFixedSize(size);
        window.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    }
}

// Moves a window not shown yet, frame and all, to the middle of a work area.
inline void centre(QWidget &window, const QRect &area)
{
    const QSize outer = window.size().grownBy(windowFrame());
    const screen_rect placed =
        centred(outer.width(), outer.height(), {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
    window.move(placed.left, placed.top);
}
