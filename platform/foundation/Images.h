#pragma once
// Images looked up by name among the application's resources.

#include <QPixmap>
#include <QString>

// The image named `name` (with or without ".png"), or a null pixmap when there is none.
QPixmap imageNamed(const QString& name);
// The resource path of that image for style sheets, or an empty string when missing.
QString imageResourcePath(const QString& name);

// Qt reads an image it is given by file name only (a style sheet's url(), a style's own
// icons) after asking every image-format plugin about it, which loads them all, with the
// JPEG and SVG libraries they bring. This reads the PNG file at `path` with Qt's own reader
// alone into the pixmap cache, under the name Qt looks for first; should that name ever
// differ, Qt reads the file as before. Returns `path`.
QString preloadPng(const QString& path);
