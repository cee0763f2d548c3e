#include "support/LayoutCheck.h"
#include "platform/ui/OverlayPanel.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTextEdit>

namespace {

bool isControl(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
           || qobject_cast<const QComboBox*>(w) || qobject_cast<const QPlainTextEdit*>(w)
           || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QTabBar*>(w);
}

// Qt's own parts (a tab bar's scroll arrows, a combo box's popup) and scroll bars.
bool isInternal(const QWidget* w, const QWidget* root)
{
    for (const QWidget* p = w; p && p != root; p = p->parentWidget())
        if (p->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<const QScrollBar*>(p)
            || (p != w && (qobject_cast<const QComboBox*>(p) || qobject_cast<const QTabBar*>(p))))
            return true;
    return false;
}

QString nameOf(const QWidget* w)
{
    QString name = w->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(w->metaObject()->className());
    if (auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty())
        name += QStringLiteral(" \"%1\"").arg(label->text().left(40));
    else if (auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty())
        name += QStringLiteral(" \"%1\"").arg(button->text().left(40));
    return name;
}

// How wide the text needs the control to be, or 0 when its width does not depend on it.
int neededWidth(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->minimumSizeHint().width();
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w))
        return w->minimumSizeHint().width();
    return 0;
}

// Where the control draws: a label as wide as its text, placed by its alignment (a title
// centred across a bar lies beside the bar's buttons, not under them); others all of it.
QRect occupied(const QWidget* w)
{
    auto* label = qobject_cast<const QLabel*>(w);
    if (!label || label->wordWrap())
        return w->rect();
    const QRect contents = label->contentsRect();
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                               label->sizeHint().boundedTo(contents.size()), contents);
}

// The alert or sheet a control is part of, if any: such a panel covers the screen beneath
// it on purpose.
const QWidget* panelOf(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget())
        if (qobject_cast<const OverlayPanel*>(p))
            return p;
    return nullptr;
}

} // namespace

QStringList layoutProblems(const QWidget* root)
{
    QStringList problems;
    QList<std::pair<const QWidget*, QRect>> controls;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (w->window() != root->window() || !w->isVisibleTo(root) || !isControl(w) || isInternal(w, root))
            continue;
        const QRect rect = occupied(w).translated(w->mapTo(root, QPoint(0, 0)));
        // Cut off by the window or by a widget that holds it; from a scroll area's viewport
        // outwards only sideways.
        bool sideways = false;
        QRect visible = rect;
        for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
            const QRect holder(p->mapTo(root, QPoint(0, 0)), p->size());
            auto* area = p->parentWidget() ? qobject_cast<const QAbstractScrollArea*>(p->parentWidget()) : nullptr;
            sideways = sideways || (area && p == area->viewport());
            const bool inside = sideways ? rect.left() >= holder.left() && rect.right() <= holder.right()
                                         : holder.contains(rect);
            visible &= holder;
            if (!inside) {
                problems << QStringLiteral("%1: cut off by %2").arg(nameOf(w), nameOf(p));
                break;
            }
            if (p == root)
                break;
        }
        if (const int needed = neededWidth(w); w->width() + 1 < needed)
            problems << QStringLiteral("%1: text cut, %2 of %3 px wide").arg(nameOf(w)).arg(w->width()).arg(needed);
        if (auto* label = qobject_cast<const QLabel*>(w); label && label->wordWrap() && label->hasHeightForWidth()
                                                          && label->height() + 1 < label->heightForWidth(label->width()))
            problems << QStringLiteral("%1: text cut, %2 of %3 px high").arg(nameOf(w)).arg(label->height())
                            .arg(label->heightForWidth(label->width()));
        // What is scrolled out of sight lies under nothing.
        if (!visible.isEmpty())
            controls.append({w, visible});
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const auto& [a, ra] = controls.at(i);
            const auto& [b, rb] = controls.at(j);
            if (a->isAncestorOf(b) || b->isAncestorOf(a) || panelOf(a) != panelOf(b))
                continue;
            if (ra.intersects(rb))
                problems << QStringLiteral("%1 overlaps %2").arg(nameOf(a), nameOf(b));
        }
    }
    return problems;
}

QStringList focusProblems(QWidget* root)
{
    QStringList problems;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
        if (!field || w->window() != root->window() || !w->isVisibleTo(root) || !w->isEnabled()
            || w->focusPolicy() == Qt::NoFocus || isInternal(w, root))
            continue;
        w->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        // A field taller than the place it is shown in needs only its top in view.
        QRect rect(w->mapTo(root, QPoint(0, 0)), w->size());
        for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget()) {
            auto* area = p->parentWidget() ? qobject_cast<const QAbstractScrollArea*>(p->parentWidget()) : nullptr;
            if (!area || p != area->viewport())
                continue;
            const QRect port(p->mapTo(root, QPoint(0, 0)), p->size());
            rect.setHeight(std::min(rect.height(), port.height()));
            if (!port.contains(rect)) {
                problems << QStringLiteral("%1: out of view when focused").arg(nameOf(w));
                break;
            }
        }
        if (!root->rect().contains(rect))
            problems << QStringLiteral("%1: outside the window when focused").arg(nameOf(w));
    }
    return problems;
}
