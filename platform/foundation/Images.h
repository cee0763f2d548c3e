#pragma once
// Images looked up by name among the application's resources.

#include <QPixmap>
#include <QString>

// The image named `name` (with or without ".png"), or a null pixmap when there is none.
QPixmap imageNamed(const QString& name);
// The resource path of that image for style sheets, or an empty string when missing.
QString imageResourcePath(const QString& name);
