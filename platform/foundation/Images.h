#pragma once
// Images looked up by name among the application's resources.
//
// Qt reads an image it is given by file name (a style sheet's url(), a style's own icons)
// after asking every image-format plugin whether it reads that format, which loads them all
// with the JPEG and SVG libraries they bring. A plugin of our own, built in, answers first
// for files named *.png and hands them to Qt's own PNG reader, so the others stay unloaded and
// the pictures are Qt's to the pixel.

#include <QPixmap>
#include <QString>

// The image named `name` (with or without ".png"), or a null pixmap when there is none. For
// a screen of `ratio` device pixels to a logical one it is the picture drawn for that ratio
// (name@2x.png, name@3x.png) where there is one, marked with its ratio so that it is drawn
// at the same logical size, pixel for pixel.
QPixmap imageNamed(const QString& name, qreal ratio = 1);
// The resource path of that image for style sheets, or an empty string when missing.
QString imageResourcePath(const QString& name);
