#include "platform/ui/TableView.h"
#include "platform/ui/TableViewAccessible.h"
#include "platform/foundation/TouchScreen.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kFadeMs = 200;
constexpr int kScrollMs = 150;
// A drag counts as a swipe once it has gone this far sideways and little up or down.
constexpr int kSwipeDistance = 30;
constexpr int kSwipeSlack = 20;

void repolish(QWidget* widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->style()->unpolish(child);
        child->style()->polish(child);
    }
    widget->update();
}

} // namespace

PlatformException::PlatformException(QString name, QString reason)
    : name_(std::move(name)), reason_(std::move(reason)), what_(description().toUtf8())
{
}

// ---- cell ----

TableViewCell::TableViewCell(TableViewCellStyle, const QString& reuseIdentifier, QWidget* parent)
    : QFrame(parent), reuseIdentifier_(reuseIdentifier)
{
    setObjectName(QStringLiteral("tableViewCell"));
    setAttribute(Qt::WA_StyledBackground, true);
    setProperty("selected", false);
    setMinimumHeight(44);
    deleteButton_ = new QPushButton(tr("Delete"), this);
    deleteButton_->setObjectName(QStringLiteral("deleteConfirmation"));
    deleteButton_->setAccessibleName(tr("Delete"));
    deleteButton_->hide();
    connect(deleteButton_, &QPushButton::clicked, this, [this] { emit deleteConfirmed(this); });
}

void TableViewCell::setSelected(bool selected, bool)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    restyle();
}

void TableViewCell::setHighlighted(bool highlighted)
{
    if (highlighted_ == highlighted)
        return;
    highlighted_ = highlighted;
    restyle();
}

bool TableViewCell::showsDeleteConfirmation() const
{
    return deleteButton_->isVisibleTo(this);
}

void TableViewCell::setShowsDeleteConfirmation(bool shows)
{
    deleteButton_->setVisible(shows);
    if (shows) {
        placeDeleteButton();
        deleteButton_->raise();
    }
}

void TableViewCell::restyle()
{
    setProperty("selected", selected_ || highlighted_);
    repolish(this);
}

void TableViewCell::placeDeleteButton()
{
    const QSize hint = deleteButton_->sizeHint();
    const int w = std::max(hint.width(), 72);
    const int h = std::min(std::max(hint.height(), 30), height() - 8);
    deleteButton_->setGeometry(width() - w - 8, (height() - h) / 2, w, h);
}

void TableViewCell::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (deleteButton_->isVisibleTo(this))
        placeDeleteButton();
}

void TableViewCell::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    // On the screen, not in the row: a finger's drag scrolls the row along under it, and a
    // drag up and aside must not look like a swipe.
    pressPos_ = event->globalPosition().toPoint();
    setHighlighted(true);
}

void TableViewCell::mouseReleaseEvent(QMouseEvent* event)
{
    if (!pressed_ || event->button() != Qt::LeftButton) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    setHighlighted(false);
    const QPoint d = event->globalPosition().toPoint() - pressPos_;
    if (d.x() <= -kSwipeDistance && std::abs(d.y()) <= kSwipeSlack)
        emit swipedLeft(this);
    else if (const int slack = tapSlack(event);
             std::abs(d.x()) <= slack && std::abs(d.y()) <= slack && rect().contains(event->position().toPoint()))
        emit tapped(this);
}

// ---- table ----

TableView::TableView(QWidget* parent) : QScrollArea(parent)
{
    installTableViewAccessibility();
    setObjectName(QStringLiteral("tableView"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    enableTouchScrolling(this);
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("tableContent"));
    rowsLayout_ = new QVBoxLayout(content_);
    rowsLayout_->setContentsMargins(0, 0, 0, 0);
    rowsLayout_->setSpacing(0);
    rowsLayout_->addStretch(1);
    setWidget(content_);
    // The row look belongs to the table, like the platform's own rows.
    setStyleSheet(QStringLiteral(
        "QWidget#tableContent { background: palette(base); }\n"
        "TableViewCell { background: palette(base); border: none; border-bottom: 1px solid palette(midlight); }\n"
        "TableViewCell[selected=\"true\"] { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
        "stop:0 #058cf5, stop:1 #015fe6); border-bottom: 1px solid #0150c0; }\n"
        "TableViewCell[selected=\"true\"] QLabel { color: white; }\n"
        "QPushButton#deleteConfirmation { background: #d9342b; color: white; border: 1px solid #a8221b; "
        "border-radius: 6px; padding: 4px 10px; font-weight: 600; }\n"
        "TableView:focus { border-left: 3px solid palette(highlight); }\n"));
}

TableView::~TableView() = default;

int TableView::numberOfRowsInSection(int section) const
{
    return section == 0 ? static_cast<int>(rows_.size()) : 0;
}

TableViewCell* TableView::cellForRowAtIndexPath(const IndexPath& indexPath) const
{
    if (indexPath.section != 0 || indexPath.row < 0 || indexPath.row >= rows_.size())
        return nullptr;
    return rows_.at(indexPath.row).data();
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCell* cell) const
{
    for (int i = 0; i < rows_.size(); ++i)
        if (rows_.at(i) == cell)
            return IndexPath{0, i};
    return std::nullopt;
}

TableViewCell* TableView::dequeueReusableCellWithIdentifier(const QString& identifier)
{
    auto it = reuseQueue_.find(identifier);
    if (it == reuseQueue_.end() || it->isEmpty())
        return nullptr;
    return it->takeLast();
}

void TableView::enqueue(TableViewCell* cell)
{
    if (!cell)
        return;
    rowsLayout_->removeWidget(cell);
    cell->hide();
    cell->setShowsDeleteConfirmation(false);
    cell->setHighlighted(false);
    reuseQueue_[cell->reuseIdentifier()].append(cell);
}

void TableView::adoptCell(TableViewCell* cell, int row)
{
    if (cell->parentWidget() != content_)
        cell->setParent(content_);
    rowsLayout_->insertWidget(row, cell);
    cell->show();
    if (QAccessible::isActive()) {
        // A reused cell is called by its new text now.
        QAccessibleEvent renamed(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    // A reused cell still has the connections of its last turn.
    disconnect(cell, nullptr, this, nullptr);
    connect(cell, &TableViewCell::tapped, this, [this](TableViewCell* c) {
        if (auto path = indexPathForCell(c))
            tapRow(path->row);
    });
    connect(cell, &TableViewCell::swipedLeft, this, [this](TableViewCell* c) {
        hideDeleteConfirmations(c);
        c->setShowsDeleteConfirmation(!c->showsDeleteConfirmation());
    });
    connect(cell, &TableViewCell::deleteConfirmed, this, [this](TableViewCell* c) {
        if (auto path = indexPathForCell(c))
            commitDeleteRow(path->row);
    });
}

void TableView::reloadData()
{
    for (const QPointer<TableViewCell>& cell : std::as_const(rows_))
        enqueue(cell.data());
    rows_.clear();
    if (!dataSource_)
        return;
    // One section is shown; a data source that reports none shows no rows.
    const int sections = dataSource_->numberOfSectionsInTableView(this);
    const int count = sections > 0 ? std::max(0, dataSource_->tableViewNumberOfRowsInSection(this, 0)) : 0;
    for (int row = 0; row < count; ++row) {
        TableViewCell* cell = dataSource_->tableViewCellForRowAtIndexPath(this, IndexPath{0, row});
        if (!cell)
            cell = new TableViewCell(TableViewCellStyle::Default, QString(), content_);
        rows_.append(cell);
        adoptCell(cell, row);
    }
    if (selectedRow_ && *selectedRow_ >= count)
        selectedRow_.reset();
    applySelection(false);
    announceRowsChanged();
}

void TableView::deleteRowsAtIndexPaths(const QList<IndexPath>& indexPaths, TableViewRowAnimation animation)
{
    QList<int> doomed;
    for (const IndexPath& path : indexPaths) {
        if (path.section != 0 || path.row < 0 || path.row >= rows_.size())
            throw PlatformException(QStringLiteral("RangeException"),
                                    QStringLiteral("cannot delete row %1 of section %2: the table has %3 rows")
                                        .arg(path.row).arg(path.section).arg(rows_.size()));
        if (!doomed.contains(path.row))
            doomed.append(path.row);
    }
    const int expected = static_cast<int>(rows_.size() - doomed.size());
    const int reported = dataSource_ ? dataSource_->tableViewNumberOfRowsInSection(this, 0) : expected;
    if (reported != expected)
        throw PlatformException(QStringLiteral("InconsistencyException"),
                                QStringLiteral("after deleting %1 of %2 rows the data source reports %3 rows")
                                    .arg(doomed.size()).arg(rows_.size()).arg(reported));
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    for (int row : std::as_const(doomed)) {
        QPointer<TableViewCell> cell = rows_.takeAt(row);
        if (selectedRow_) {
            if (*selectedRow_ == row)
                selectedRow_.reset();
            else if (*selectedRow_ > row)
                --*selectedRow_;
        }
        if (!cell)
            continue;
        cell->disconnect(this);
        if (animation == TableViewRowAnimation::Fade && isVisible()) {
            // The row fades where it stood; the rows below close up when it is gone.
            auto* effect = new QGraphicsOpacityEffect(cell);
            cell->setGraphicsEffect(effect);
            cell->setEnabled(false);
            auto* fade = new QPropertyAnimation(effect, "opacity", cell);
            fade->setDuration(kFadeMs);
            fade->setStartValue(1.0);
            fade->setEndValue(0.0);
            connect(fade, &QPropertyAnimation::finished, this, [this, cell] {
                if (cell) {
                    rowsLayout_->removeWidget(cell);
                    cell->deleteLater();
                }
            });
            fade->start(QAbstractAnimation::DeleteWhenStopped);
        } else {
            rowsLayout_->removeWidget(cell);
            cell->deleteLater();
        }
    }
    applySelection(false);
    announceRowsChanged();
}

void TableView::selectRowAtIndexPath(const IndexPath& indexPath, bool animated, TableViewScrollPosition scrollPosition)
{
    if (indexPath.section != 0 || indexPath.row < 0 || indexPath.row >= rows_.size())
        throw PlatformException(QStringLiteral("RangeException"),
                                QStringLiteral("cannot select row %1 of section %2: the table has %3 rows")
                                    .arg(indexPath.row).arg(indexPath.section).arg(rows_.size()));
    selectedRow_ = indexPath.row;
    applySelection(animated);
    if (scrollPosition != TableViewScrollPosition::None)
        scrollToRowAtIndexPath(indexPath, scrollPosition, animated);
    else
        ensureWidgetVisible(rows_.at(indexPath.row), 0, 0);
}

void TableView::deselectRowAtIndexPath(const IndexPath& indexPath, bool animated)
{
    if (selectedRow_ && indexPath.section == 0 && *selectedRow_ == indexPath.row) {
        selectedRow_.reset();
        applySelection(animated);
    }
}

std::optional<IndexPath> TableView::indexPathForSelectedRow() const
{
    if (!selectedRow_)
        return std::nullopt;
    return IndexPath{0, *selectedRow_};
}

void TableView::scrollToNearestSelectedRowAtScrollPosition(TableViewScrollPosition scrollPosition, bool animated)
{
    if (selectedRow_)
        scrollToRowAtIndexPath(IndexPath{0, *selectedRow_}, scrollPosition, animated);
}

void TableView::scrollToRowAtIndexPath(const IndexPath& indexPath, TableViewScrollPosition scrollPosition, bool animated)
{
    TableViewCell* cell = cellForRowAtIndexPath(indexPath);
    if (!cell)
        return;
    // Rows added in this turn of the event loop may not be laid out yet.
    content_->layout()->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QRect r = cell->geometry();
    const int viewHeight = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    int target = bar->value();
    switch (scrollPosition) {
    case TableViewScrollPosition::Top: target = r.top(); break;
    case TableViewScrollPosition::Middle: target = r.center().y() - viewHeight / 2; break;
    case TableViewScrollPosition::Bottom: target = r.bottom() + 1 - viewHeight; break;
    case TableViewScrollPosition::None:
        if (r.top() < target)
            target = r.top();
        else if (r.bottom() + 1 > target + viewHeight)
            target = r.bottom() + 1 - viewHeight;
        break;
    }
    target = std::clamp(target, bar->minimum(), bar->maximum());
    if (animated && isVisible() && target != bar->value()) {
        auto* scroll = new QPropertyAnimation(bar, "value", this);
        scroll->setDuration(kScrollMs);
        scroll->setEndValue(target);
        scroll->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        bar->setValue(target);
    }
}

void TableView::tapRow(int row)
{
    if (row < 0 || row >= rows_.size())
        return;
    chooseRow(row);
    emit rowTapped(IndexPath{0, row});
}

void TableView::chooseRow(int row)
{
    if (row < 0 || row >= rows_.size())
        return;
    hideDeleteConfirmations();
    selectedRow_ = row;
    applySelection(true);
    if (delegate_)
        delegate_->tableViewDidSelectRowAtIndexPath(this, IndexPath{0, row});
}

void TableView::offerDeleteRow(int row)
{
    // As the swipe does: only the row's Delete button shows.
    if (TableViewCell* cell = rows_.value(row)) {
        hideDeleteConfirmations(cell);
        cell->setShowsDeleteConfirmation(true);
    }
}

void TableView::commitDeleteRow(int row)
{
    if (row < 0 || row >= rows_.size() || !dataSource_)
        return;
    const bool wasSelected = selectedRow_ == row;
    dataSource_->tableViewCommitEditingStyle(this, TableViewCellEditingStyle::Delete, IndexPath{0, row});
    // From the keyboard the next row takes the place of the deleted one, so the keys go on
    // working from there.
    if (wasSelected && !selectedRow_ && !rows_.isEmpty()) {
        selectedRow_ = std::min(row, static_cast<int>(rows_.size()) - 1);
        applySelection(false);
    }
}

void TableView::applySelection(bool animated)
{
    for (int i = 0; i < rows_.size(); ++i)
        if (TableViewCell* cell = rows_.at(i))
            cell->setSelected(selectedRow_ == i, animated);
    updateAccessibility();
}

void TableView::hideDeleteConfirmations(TableViewCell* except)
{
    for (const QPointer<TableViewCell>& cell : std::as_const(rows_))
        if (cell && cell != except)
            cell->setShowsDeleteConfirmation(false);
}

void TableView::updateAccessibility()
{
    const int n = static_cast<int>(rows_.size());
    for (int i = 0; i < n; ++i)
        if (TableViewCell* cell = rows_.at(i))
            cell->setAccessibleDescription(selectedRow_ == i ? tr("row %1 of %2, selected").arg(i + 1).arg(n)
                                                             : tr("row %1 of %2").arg(i + 1).arg(n));
    if (!QAccessible::isActive() || announcedRow_ == selectedRow_)
        return;
    QAccessible::State changed;
    changed.selected = true;
    for (const std::optional<int>& row : {announcedRow_, selectedRow_})
        if (row && *row < n)
            if (TableViewCell* cell = rows_.at(*row)) {
                QAccessibleStateChangeEvent event(cell, changed);
                QAccessible::updateAccessibility(&event);
            }
    announcedRow_ = selectedRow_;
    // The arrows move the focus with the selection, and a screen reader follows the focus.
    if (hasFocus() && selectedRow_)
        if (TableViewCell* cell = rows_.at(*selectedRow_)) {
            QAccessibleEvent focus(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
}

void TableView::announceRowsChanged()
{
    if (QAccessible::isActive()) {
        QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
}

void TableView::focusInEvent(QFocusEvent* event)
{
    QScrollArea::focusInEvent(event);
    if (QAccessible::isActive() && selectedRow_)
        if (TableViewCell* cell = rows_.value(*selectedRow_)) {
            QAccessibleEvent focus(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    const int n = static_cast<int>(rows_.size());
    const int current = selectedRow_.value_or(-1);
    auto moveTo = [&](int row) {
        if (n == 0)
            return;
        hideDeleteConfirmations();
        selectRowAtIndexPath(IndexPath{0, std::clamp(row, 0, n - 1)}, false, TableViewScrollPosition::None);
    };
    switch (event->key()) {
    case Qt::Key_Down: moveTo(current + 1); break;
    case Qt::Key_Up: moveTo(current < 0 ? n - 1 : current - 1); break;
    case Qt::Key_Home: moveTo(0); break;
    case Qt::Key_End: moveTo(n - 1); break;
    case Qt::Key_PageDown: moveTo(current + 5); break;
    case Qt::Key_PageUp: moveTo(current - 5); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // With the row's Delete button out, Return is the deliberate second press that
        // confirms; a held key repeating does not count.
        if (TableViewCell* cell = current >= 0 ? rows_.value(current) : nullptr;
            cell && cell->showsDeleteConfirmation()) {
            if (!event->isAutoRepeat())
                commitDeleteRow(current);
            break;
        }
        [[fallthrough]];
    case Qt::Key_Space:
        if (current >= 0)
            tapRow(current);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (current >= 0)
            offerDeleteRow(current);
        break;
    case Qt::Key_Escape: hideDeleteConfirmations(); break;
    default: QScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void TableViewController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    if (!clearsSelectionOnViewWillAppear_)
        return;
    if (TableView* table = tableView())
        if (auto selected = table->indexPathForSelectedRow())
            table->deselectRowAtIndexPath(*selected, animated);
}
