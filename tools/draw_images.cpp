// Draws the bar and button images of the global look into resources/images, at the logical
// size and for screens of two and three device pixels to a logical one (name@2x.png,
// name@3x.png, which Qt picks by itself). Run by hand when the look changes:
// draw_images <folder>.

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QImage>

namespace {

// The scale drawn now: 1, 2 or 3 device pixels to a logical one.
int scale = 1;

QImage canvas(int w, int h)
{
    // Drawn at twice the size and scaled down, which smooths the edges.
    QImage img(w * 2 * scale, h * 2 * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2.0 * scale);
    img.fill(Qt::transparent);
    return img;
}

void save(const QImage& img, const QString& folder, const QString& name)
{
    // The plain image at the logical size, so that the style sheet's slices are in points.
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    img.scaled(img.width() / 2, img.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(folder + QLatin1Char('/') + name + suffix + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    for (scale = 1; scale <= 3; ++scale) {
        {   // navbar_bg: deep blue with a light top edge and a dark bottom line.
            QImage img = canvas(8, 44);
            QPainter p(&img);
            QLinearGradient g(0, 0, 0, 44);
            g.setColorAt(0, QColor(0x3b, 0x5c, 0x86));
            g.setColorAt(1, QColor(0x1f, 0x36, 0x55));
            p.fillRect(QRectF(0, 0, 8, 44), g);
            p.fillRect(QRectF(0, 0, 8, 1), QColor(255, 255, 255, 70));
            p.fillRect(QRectF(0, 43, 8, 1), QColor(0, 0, 0, 120));
            p.end();
            save(img, folder, QStringLiteral("navbar_bg"));
        }
        auto button = [&](bool back, const QString& name) {
            QImage img = canvas(30, 30);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            QPainterPath path;
            const QRectF r(back ? 10.5 : 0.5, 0.5, back ? 19 : 29, 29);
            if (back) {
                path.moveTo(r.right() - 5, r.top());
                path.lineTo(r.left() + 1, r.top());
                path.lineTo(0.5, 15);
                path.lineTo(r.left() + 1, r.bottom());
                path.lineTo(r.right() - 5, r.bottom());
                path.quadTo(r.right(), r.bottom(), r.right(), r.bottom() - 5);
                path.lineTo(r.right(), r.top() + 5);
                path.quadTo(r.right(), r.top(), r.right() - 5, r.top());
            } else {
                path.addRoundedRect(r, 5, 5);
            }
            QLinearGradient g(0, 0, 0, 30);
            g.setColorAt(0, QColor(0x4d, 0x70, 0x9c));
            g.setColorAt(1, QColor(0x27, 0x42, 0x66));
            p.fillPath(path, g);
            p.setPen(QPen(QColor(0x14, 0x24, 0x3a), 1));
            p.drawPath(path);
            p.end();
            save(img, folder, name);
        };
        button(true, QStringLiteral("button_back"));
        button(false, QStringLiteral("button_normal"));

        // The green styled button, normal and highlighted: 40 x 40 so that its 18-point caps
        // (the rounded corners and edges) leave a small middle to stretch.
        auto greenButton = [&](bool highlighted, const QString& name) {
            QImage img = canvas(40, 40);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            const QRectF r(0.5, 0.5, 39, 39);
            QPainterPath path;
            path.addRoundedRect(r, 8, 8);
            QLinearGradient g(0, 0, 0, 40);
            // Dark enough everywhere for the white title to read at 4.5:1, in light and dark themes.
            if (highlighted) {
                g.setColorAt(0, QColor(0x1a, 0x52, 0x13));
                g.setColorAt(1, QColor(0x27, 0x6c, 0x1d));
            } else {
                g.setColorAt(0, QColor(0x2f, 0x7d, 0x24));
                g.setColorAt(0.5, QColor(0x2b, 0x74, 0x20));
                g.setColorAt(0.51, QColor(0x25, 0x6a, 0x1b));
                g.setColorAt(1, QColor(0x1f, 0x5e, 0x17));
            }
            p.fillPath(path, g);
            if (!highlighted) {
                // The gloss on the upper half.
                QPainterPath gloss;
                gloss.addRoundedRect(QRectF(1.5, 1.5, 37, 18), 7, 7);
                p.fillPath(gloss, QColor(255, 255, 255, 22));
            } else {
                // A pressed button is lit from below.
                p.fillRect(QRectF(2, 2, 36, 2), QColor(0, 0, 0, 50));
            }
            p.setPen(QPen(QColor(0x15, 0x45, 0x0f), 1));
            p.drawPath(path);
            p.end();
            save(img, folder, name);
        };
        greenButton(false, QStringLiteral("greenButton"));
        greenButton(true, QStringLiteral("greenButtonHighlight"));
    }
    return 0;
}
