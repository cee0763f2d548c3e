#include "platform/contacts/PeoplePicker.h"
#include "platform/contacts/PeopleOrder.h"
#include "platform/contacts/ContactsLoader.h"
#include "platform/foundation/Accessible.h"
#include "platform/foundation/TouchScreen.h"

#include <QAbstractListModel>
#include <algorithm>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCollator>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int detailsRole = Qt::UserRole + 1;
constexpr int indexRole = Qt::UserRole;

// Each row: the name, and beneath it in smaller grey type the numbers and addresses.
class PersonDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString name = opt.text;
        opt.text.clear();
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const QRect r = opt.rect.adjusted(8, 4, -8, -4);
        const bool selected = opt.state & QStyle::State_Selected;
        painter->save();
        QFont bold = opt.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics fm(bold);
        painter->drawText(r.left(), r.top() + fm.ascent(), fm.elidedText(name, Qt::ElideRight, r.width()));
        QFont small = opt.font;
        small.setPointSizeF(small.pointSizeF() * 0.85);
        painter->setFont(small);
        // The details a step quieter than the name, in the theme's colours either way.
        const QColor text = opt.palette.color(QPalette::Text), base = opt.palette.color(QPalette::Base);
        const QColor quiet = QColor::fromRgbF(text.redF() * 0.75f + base.redF() * 0.25f, text.greenF() * 0.75f + base.greenF() * 0.25f,
                                              text.blueF() * 0.75f + base.blueF() * 0.25f);
        painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText) : quiet);
        const QFontMetrics sm(small);
        const QString details = index.data(detailsRole).toString();
        painter->drawText(r.left(), r.top() + fm.height() + 2 + sm.ascent(),
                          sm.elidedText(details, Qt::ElideRight, r.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        QFont small = option.font;
        small.setPointSizeF(small.pointSizeF() * 0.85);
        // Never lower than a finger needs to hit one row and not its neighbour.
        return {option.rect.width(), std::max(kTouchTarget, QFontMetrics(option.font).height() + QFontMetrics(small).height() + 10)};
    }
};


} // namespace

// Everyone read so far, with what sorting and searching need worked out once per person.
class PeopleModel : public QAbstractListModel {
public:
    explicit PeopleModel(QObject* parent) : QAbstractListModel(parent), collator_(Contacts::peopleCollator()) {}

    // Keeps the list sorted by name: a sorted batch that belongs after everyone listed is
    // appended, which is cheap for the views; anything else is merged in at once.
    void add(const QList<Person>& people)
    {
        if (people.isEmpty())
            return;
        std::vector<Row> rows;
        rows.reserve(static_cast<size_t>(people.size()));
        for (qsizetype i = 0; i < people.size(); ++i) {
            // Every book passes here, so no number reaches the list or the caller unchecked.
            const Person p = Contacts::withUsableNumbers(people.at(i));
            const QString name = p.displayName();
            QStringList details = p.phoneNumbers;
            details.append(p.emailAddresses);
            // The book first, so that one person from two books can be told apart.
            const QString shown = p.addressBook.isEmpty() ? details.join(QStringLiteral(", "))
                                                          : p.addressBook + QStringLiteral(" · ") + details.join(QStringLiteral(", "));
            rows.push_back({collator_.sortKey(name), name, shown, (name + u'\n' + details.join(u'\n')).toCaseFolded(), p});
        }
        auto before = [](const Row& a, const Row& b) { return a.sortKey.compare(b.sortKey) < 0; };
        std::stable_sort(rows.begin(), rows.end(), before);
        if (rows_.empty() || !before(rows.front(), rows_.back())) {
            const int first = static_cast<int>(rows_.size());
            beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
            for (Row& r : rows) {
                people_.append(r.person);
                rows_.push_back(std::move(r));
            }
            endInsertRows();
            return;
        }
        std::vector<Row> merged;
        merged.reserve(rows_.size() + rows.size());
        std::merge(std::make_move_iterator(rows_.begin()), std::make_move_iterator(rows_.end()),
                   std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()), std::back_inserter(merged),
                   before);
        beginResetModel();
        rows_ = std::move(merged);
        people_.clear();
        people_.reserve(static_cast<qsizetype>(rows_.size()));
        for (const Row& r : rows_)
            people_.append(r.person);
        endResetModel();
    }
    // Whether `people`, sorted, would go after everyone listed.
    bool appends(const QList<Person>& people) const
    {
        return rows_.empty() || people.isEmpty() || collator_.compare(people.first().displayName(), rows_.back().name) >= 0;
    }

    const QList<Person>& people() const { return people_; }
    const QString& haystack(int row) const { return rows_.at(static_cast<size_t>(row)).haystack; }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : static_cast<int>(people_.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount({}))
            return {};
        const Row& r = rows_.at(static_cast<size_t>(index.row()));
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return r.name;
        case Qt::ToolTipRole:
            return people_.at(index.row()).addressBook;
        case detailsRole:
            return r.details;
        case indexRole:
            return index.row();
        default:
            return {};
        }
    }

private:
    struct Row {
        QCollatorSortKey sortKey;
        QString name;
        QString details;
        QString haystack; // name, numbers and addresses, case-folded
        Person person;
    };
    QCollator collator_;
    QList<Person> people_;
    std::vector<Row> rows_;
};

// Narrowed by the search text (the model keeps the order).
class PeopleFilter : public QSortFilterProxyModel {
public:
    PeopleFilter(PeopleModel* model, QObject* parent) : QSortFilterProxyModel(parent), model_(model)
    {
        setSourceModel(model);
    }
    void setNeedle(const QString& text)
    {
        needle_ = text.trimmed().toCaseFolded();
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override
    {
        return needle_.isEmpty() || model_->haystack(row).contains(needle_);
    }

private:
    PeopleModel* model_;
    QString needle_;
};

namespace {

// One person on the list as assistive technology meets it: named, described by the numbers
// and addresses, and pressed to pick, as a touch or Return picks.
class PersonAccessible : public AccessibleLeaf {
public:
    using AccessibleLeaf::AccessibleLeaf;

    QListView* list() const { return static_cast<QListView*>(owner()); }
    QModelIndex modelIndex() const { return list() && list()->model() ? list()->model()->index(index(), 0) : QModelIndex(); }
    bool isValid() const override { return modelIndex().isValid(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return modelIndex().data(Qt::AccessibleTextRole).toString();
        case QAccessible::Description: return modelIndex().data(detailsRole).toString();
        default: return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = list()->visualRect(modelIndex());
        return QRect(list()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid() || !list()->isVisible()) {
            s.invisible = true;
            return s;
        }
        const bool current = list()->currentIndex() == modelIndex();
        s.selectable = true;
        s.selected = list()->selectionModel() && list()->selectionModel()->isSelected(modelIndex());
        s.focusable = true;
        s.focused = current && list()->hasFocus();
        s.offscreen = !list()->viewport()->rect().intersects(list()->visualRect(modelIndex()));
        return s;
    }

    QStringList actionNames() const override { return isValid() ? QStringList{pressAction()} : QStringList{}; }
    void doAction(const QString& name) override
    {
        auto* picker = list() ? qobject_cast<PeoplePickerNavigationController*>(list()->window()) : nullptr;
        if (name == pressAction() && isValid() && picker)
            picker->selectPerson(modelIndex().data(indexRole).toInt());
    }
};

class PeopleListAccessible : public QAccessibleWidget {
public:
    explicit PeopleListAccessible(QListView* list)
        : QAccessibleWidget(list, QAccessible::List), people_([list](int i) { return new PersonAccessible(list, i); })
    {
    }
    static bool describes(QListView* list) { return list->objectName() == QLatin1String("people"); }

    QListView* list() const { return static_cast<QListView*>(widget()); }
    int childCount() const override { return list()->model() ? list()->model()->rowCount() : 0; }
    QAccessibleInterface* child(int index) const override { return people_.at(index, childCount()); }
    int indexOfChild(const QAccessibleInterface* child) const override { return people_.indexOf(child, childCount()); }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QModelIndex at = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? child(at.row()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return list()->hasFocus() && list()->currentIndex().isValid() ? child(list()->currentIndex().row()) : nullptr;
    }

private:
    mutable AccessibleLeaves people_;
};

} // namespace

PeoplePickerNavigationController::PeoplePickerNavigationController(QWidget* parent)
    : PeoplePickerNavigationController(std::make_unique<ContactsLoader>(ContactsLoader::fromDeviceSettings()), parent)
{
}

PeoplePickerNavigationController::PeoplePickerNavigationController(QList<Person> people, QWidget* parent)
    : QDialog(parent)
{
    build();
    model_->add(people);
    updateState();
}

PeoplePickerNavigationController::PeoplePickerNavigationController(std::unique_ptr<ContactsLoader> loader,
                                                                   QWidget* parent)
    : QDialog(parent), loader_(std::move(loader))
{
    build();
    // A large book is listed a slice per pass of the event loop, so the window keeps
    // answering while it fills in.
    feed_ = new QTimer(this);
    feed_->setInterval(0);
    connect(feed_, &QTimer::timeout, this, [this] {
        // Each book arrives sorted: the first is listed slice by slice; a later one is
        // merged in whole, once.
        constexpr qsizetype slice = 5000;
        QList<Person>& book = waiting_.front();
        if (model_->appends(book)) {
            model_->add(book.mid(0, slice));
            book.remove(0, std::min(slice, book.size()));
        } else {
            model_->add(book);
            book.clear();
        }
        if (book.isEmpty())
            waiting_.removeFirst();
        if (waiting_.isEmpty())
            feed_->stop();
        updateState();
        if (!isLoading())
            emit loaded();
    });
    connect(loader_.get(), &ContactsLoader::peopleArrived, this, [this](const QList<Person>& people) {
        waiting_.append(people);
        feed_->start();
    });
    connect(loader_.get(), &ContactsLoader::finished, this, [this] {
        updateState();
        if (!isLoading())
            emit loaded();
    });
    loader_->start();
    updateState();
}

PeoplePickerNavigationController::~PeoplePickerNavigationController() = default;

const QList<Person>& PeoplePickerNavigationController::people() const
{
    return model_->people();
}

bool PeoplePickerNavigationController::isLoading() const
{
    return loader_ && (loader_->isLoading() || !waiting_.isEmpty());
}

void PeoplePickerNavigationController::build()
{
    useAccessibleInterface<QListView, PeopleListAccessible>();
    setObjectName(QStringLiteral("peoplePicker"));
    setWindowTitle(tr("Contacts"));
    setAccessibleName(tr("Contacts"));
    auto* layout = new QVBoxLayout(this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("search"));
    search_->setAccessibleName(tr("Search contacts"));
    search_->setPlaceholderText(tr("Search"));
    search_->setClearButtonEnabled(true);
    layout->addWidget(search_);
    model_ = new PeopleModel(this);
    filter_ = new PeopleFilter(model_, this);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("people"));
    list_->setAccessibleName(tr("People"));
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setItemDelegate(new PersonDelegate(list_));
    list_->setModel(filter_);
    enableTouchScrolling(list_);
    layout->addWidget(list_, 1);
    empty_ = new QLabel(this);
    empty_->setObjectName(QStringLiteral("emptyLabel"));
    empty_->setTextFormat(Qt::PlainText);
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    layout->addWidget(empty_, 1);
    loading_ = new QLabel(tr("Reading the address books…"), this);
    loading_->setObjectName(QStringLiteral("loadingLabel"));
    loading_->setTextFormat(Qt::PlainText);
    layout->addWidget(loading_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    layout->addWidget(buttons);

    connect(cancel, &QPushButton::clicked, this, &PeoplePickerNavigationController::reject);
    connect(search_, &QLineEdit::textChanged, this, &PeoplePickerNavigationController::filter);
    // A touch (click) or Return on the highlighted row picks the person.
    connect(list_, &QListView::clicked, this, &PeoplePickerNavigationController::selectRow);
    connect(list_, &QListView::activated, this, &PeoplePickerNavigationController::selectRow);
    // Return in the search field picks the first person left, so the keyboard alone can pick.
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (filter_->rowCount() > 0)
            selectRow(filter_->index(0, 0));
    });
    resize(340, 480);
    updateState();
}

void PeoplePickerNavigationController::selectRow(const QModelIndex& proxyIndex)
{
    if (proxyIndex.isValid())
        selectPerson(proxyIndex.data(indexRole).toInt());
}

QList<Person> PeoplePickerNavigationController::visiblePeople() const
{
    QList<Person> out;
    for (int row = 0; row < filter_->rowCount(); ++row)
        out.append(people().at(filter_->index(row, 0).data(indexRole).toInt()));
    return out;
}

void PeoplePickerNavigationController::setSearchText(const QString& text)
{
    search_->setText(text);
}

void PeoplePickerNavigationController::filter(const QString& text)
{
    filter_->setNeedle(text);
    updateState();
}

void PeoplePickerNavigationController::updateState()
{
    const int shown = filter_->rowCount();
    const QString needle = search_->text().trimmed();
    loading_->setVisible(isLoading() && shown > 0);
    if (isLoading() && shown == 0)
        empty_->setText(tr("Reading the address books…"));
    else if (people().isEmpty())
        empty_->setText(tr("No contacts.\nvCard files in %1 appear here.").arg(Contacts::folder()));
    else
        empty_->setText(tr("Nobody matches \"%1\".").arg(needle));
    empty_->setVisible(shown == 0);
    list_->setVisible(shown > 0);
    if (shown > 0 && !list_->currentIndex().isValid())
        list_->setCurrentIndex(filter_->index(0, 0));
}

void PeoplePickerNavigationController::selectPerson(int index)
{
    if (index < 0 || index >= people().size() || !delegate_)
        return;
    // Continuing would show the person's values; this picker has nothing more to show, so
    // it simply stays open.
    delegate_->peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(this, people().at(index));
}

void PeoplePickerNavigationController::reject()
{
    if (delegate_)
        delegate_->peoplePickerNavigationControllerDidCancel(this);
}
