#include "platform/ui/TableViewAccessible.h"
#include "platform/foundation/Accessible.h"
#include "platform/foundation/LocalizedText.h"
#include "platform/ui/TableView.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

bool isLineBreakOrSpace(QChar c)
{
    return c.isSpace() || c == QChar(0x2028) || c == QChar(0x2029) || c == QChar(0x0085);
}

} // namespace

QString spokenSummary(const QString& text, int limit)
{
    // Only the head is looked at, so a row of 100 KB costs no more than a short one.
    QString out;
    out.reserve(std::min<qsizetype>(text.size(), limit + 1));
    bool blank = false;
    for (qsizetype i = 0; i < text.size() && out.size() <= limit; ++i) {
        const QChar c = text.at(i);
        if (isLineBreakOrSpace(c)) {
            blank = !out.isEmpty();
            continue;
        }
        if (blank)
            out.append(QLatin1Char(' '));
        blank = false;
        out.append(c);
    }
    if (out.size() > limit) {
        out.truncate(limit - 1);
        // Never end on half of a surrogate pair.
        if (!out.isEmpty() && out.back().isHighSurrogate())
            out.chop(1);
        out.append(QChar(0x2026));
    }
    return out;
}

void installTableViewAccessibility()
{
    useAccessibleInterface<TableView, TableViewAccessible>();
    useAccessibleInterface<TableViewCell, TableViewCellAccessible>();
}

// ---- the list ----

TableViewAccessible::TableViewAccessible(TableView* table) : QAccessibleWidget(table, QAccessible::List) {}

TableView* TableViewAccessible::table() const
{
    return static_cast<TableView*>(widget());
}

int TableViewAccessible::childCount() const
{
    return table()->numberOfRowsInSection(0);
}

QAccessibleInterface* TableViewAccessible::child(int index) const
{
    TableViewCell* cell = table()->cellForRowAtIndexPath(IndexPath{0, index});
    return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
}

int TableViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    const auto path = table()->indexPathForCell(qobject_cast<const TableViewCell*>(child->object()));
    return path ? path->row : -1;
}

QAccessibleInterface* TableViewAccessible::childAt(int x, int y) const
{
    for (int i = 0, n = childCount(); i < n; ++i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}

QAccessibleInterface* TableViewAccessible::focusChild() const
{
    if (!table()->hasFocus())
        return nullptr;
    const auto selected = table()->indexPathForSelectedRow();
    return selected ? child(selected->row) : nullptr;
}

// ---- a row ----

TableViewCellAccessible::TableViewCellAccessible(TableViewCell* cell)
    : QAccessibleWidget(cell, QAccessible::ListItem)
{
}

const QString& TableViewCellAccessible::selectAction()
{
    static const QString name = QStringLiteral("select");
    return name;
}

const QString& TableViewCellAccessible::openAction()
{
    static const QString name = QStringLiteral("open");
    return name;
}

const QString& TableViewCellAccessible::deleteAction()
{
    static const QString name = QStringLiteral("delete");
    return name;
}

TableViewCell* TableViewCellAccessible::cell() const
{
    return static_cast<TableViewCell*>(widget());
}

TableView* TableViewCellAccessible::table() const
{
    for (QWidget* w = cell()->parentWidget(); w; w = w->parentWidget())
        if (auto* t = qobject_cast<TableView*>(w))
            return t;
    return nullptr;
}

int TableViewCellAccessible::row() const
{
    TableView* t = table();
    const auto path = t ? t->indexPathForCell(cell()) : std::nullopt;
    return path ? path->row : -1;
}

QAccessibleInterface* TableViewCellAccessible::parent() const
{
    if (TableView* t = table())
        return QAccessible::queryAccessibleInterface(t);
    return QAccessibleWidget::parent();
}

QList<QWidget*> TableViewCellAccessible::shownButtons() const
{
    // The row's text is its name; what is left to reach inside it are its buttons (the
    // delete confirmation, while it is out).
    QList<QWidget*> out;
    for (QAbstractButton* b : cell()->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(cell()))
            out.append(b);
    return out;
}

int TableViewCellAccessible::childCount() const
{
    return static_cast<int>(shownButtons().size());
}

QAccessibleInterface* TableViewCellAccessible::child(int index) const
{
    const QList<QWidget*> buttons = shownButtons();
    return index >= 0 && index < buttons.size() ? QAccessible::queryAccessibleInterface(buttons.at(index)) : nullptr;
}

int TableViewCellAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? static_cast<int>(shownButtons().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
}

QString TableViewCellAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    QString name = cell()->accessibleName();
    if (name.isEmpty()) {
        QStringList parts;
        for (QLabel* label : cell()->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                parts.append(label->text().left(kNameLimit * 4));
        name = parts.join(QLatin1Char(' '));
    }
    name = spokenSummary(name, kNameLimit);
    // A row without text still needs something to be called by.
    return name.isEmpty() ? localizedText("ACCESSIBLE_EMPTY_ROW").arg(row() + 1) : name;
}

QAccessible::State TableViewCellAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    TableView* t = table();
    const auto selected = t ? t->indexPathForSelectedRow() : std::nullopt;
    const bool isSelected = selected && selected->row == row();
    s.selectable = true;
    s.selected = isSelected;
    s.focusable = true;
    s.focused = isSelected && t->hasFocus();
    s.active = s.focused;
    return s;
}

QStringList TableViewCellAccessible::actionNames() const
{
    if (!table() || row() < 0 || !cell()->isEnabled())
        return {};
    return {selectAction(), openAction(), deleteAction()};
}

QString TableViewCellAccessible::localizedActionName(const QString& name) const
{
    if (name == selectAction())
        return localizedText("ACCESSIBLE_SELECT");
    if (name == openAction())
        return localizedText("ACCESSIBLE_OPEN");
    if (name == deleteAction())
        return localizedText("ACCESSIBLE_DELETE");
    return QAccessibleWidget::localizedActionName(name);
}

QString TableViewCellAccessible::localizedActionDescription(const QString& name) const
{
    return localizedActionName(name);
}

void TableViewCellAccessible::doAction(const QString& name)
{
    TableView* t = table();
    const int r = row();
    if (!t || r < 0)
        return;
    if (name == selectAction())
        t->chooseRow(r);
    else if (name == openAction())
        t->tapRow(r);
    else if (name == deleteAction())
        t->offerDeleteRow(r);
}
