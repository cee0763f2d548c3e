#include "platform/contacts/PeoplePicker.h"
#include "platform/contacts/ContactsLoader.h"

#include <QAbstractListModel>
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
        painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText) : QColor(110, 110, 110));
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
        return {option.rect.width(), QFontMetrics(option.font).height() + QFontMetrics(small).height() + 10};
    }
};


} // namespace

// Everyone read so far, with what sorting and searching need worked out once per person.
class PeopleModel : public QAbstractListModel {
public:
    explicit PeopleModel(QObject* parent) : QAbstractListModel(parent)
    {
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
        collator_.setNumericMode(true);
    }

    void add(const QList<Person>& people)
    {
        if (people.isEmpty())
            return;
        const int first = static_cast<int>(people_.size());
        beginInsertRows({}, first, first + static_cast<int>(people.size()) - 1);
        people_.reserve(people_.size() + people.size());
        for (const Person& p : people) {
            const QString name = p.displayName();
            QStringList details = p.phoneNumbers;
            details.append(p.emailAddresses);
            // The book first, so that one person from two books can be told apart.
            const QString shown = p.addressBook.isEmpty() ? details.join(QStringLiteral(", "))
                                                          : p.addressBook + QStringLiteral(" · ") + details.join(QStringLiteral(", "));
            rows_.push_back({collator_.sortKey(name), name, shown, (name + u'\n' + details.join(u'\n')).toCaseFolded()});
            people_.append(p);
        }
        endInsertRows();
    }

    const QList<Person>& people() const { return people_; }
    const QString& haystack(int row) const { return rows_.at(static_cast<size_t>(row)).haystack; }
    bool lessThan(int a, int b) const
    {
        const int c = rows_.at(static_cast<size_t>(a)).sortKey.compare(rows_.at(static_cast<size_t>(b)).sortKey);
        return c < 0 || (c == 0 && a < b);
    }

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
    };
    QCollator collator_;
    QList<Person> people_;
    std::vector<Row> rows_;
};

// Sorted by name, narrowed by the search text.
class PeopleFilter : public QSortFilterProxyModel {
public:
    PeopleFilter(PeopleModel* model, QObject* parent) : QSortFilterProxyModel(parent), model_(model)
    {
        setSourceModel(model);
        setDynamicSortFilter(true);
        sort(0);
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
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override { return model_->lessThan(a.row(), b.row()); }

private:
    PeopleModel* model_;
    QString needle_;
};

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
    connect(loader_.get(), &ContactsLoader::peopleArrived, this, [this](const QList<Person>& people) {
        model_->add(people);
        updateState();
    });
    connect(loader_.get(), &ContactsLoader::finished, this, [this] {
        updateState();
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
    return loader_ && loader_->isLoading();
}

void PeoplePickerNavigationController::build()
{
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
