#include "support/ThemePalettes.h"

// Light text on dark grey, with a blue highlight.
QPalette darkDesktopPalette()
{
    QPalette p;
    const QColor window(0x2d, 0x2d, 0x2d), base(0x1e, 0x1e, 0x1e), text(0xee, 0xee, 0xee), disabled(0x80, 0x80, 0x80);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = g == QPalette::Disabled;
        p.setColor(g, QPalette::Window, window);
        p.setColor(g, QPalette::WindowText, off ? disabled : text);
        p.setColor(g, QPalette::Base, base);
        p.setColor(g, QPalette::AlternateBase, window);
        p.setColor(g, QPalette::Text, off ? disabled : text);
        p.setColor(g, QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        p.setColor(g, QPalette::ButtonText, off ? disabled : text);
        p.setColor(g, QPalette::BrightText, Qt::white);
        p.setColor(g, QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
        p.setColor(g, QPalette::HighlightedText, Qt::white);
        p.setColor(g, QPalette::Link, QColor(0x78, 0xae, 0xed));
        p.setColor(g, QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
        p.setColor(g, QPalette::Light, QColor(0x50, 0x50, 0x50));
        p.setColor(g, QPalette::Midlight, QColor(0x44, 0x44, 0x44));
        p.setColor(g, QPalette::Mid, QColor(0x5c, 0x5c, 0x5c));
        p.setColor(g, QPalette::Dark, QColor(0x20, 0x20, 0x20));
        p.setColor(g, QPalette::Shadow, Qt::black);
        p.setColor(g, QPalette::ToolTipBase, window);
        p.setColor(g, QPalette::ToolTipText, text);
    }
    return p;
}
