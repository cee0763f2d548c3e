#include "platform/contacts/PeoplePicker.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int detailsRole = Qt::UserRole + 1;

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
        return {option.rect.width(), QFontMetrics(option.font).height() + QFontMetrics(small).height() + 10};
    }
};

} // namespace

PeoplePickerNavigationController::PeoplePickerNavigationController(QWidget* parent)
    : PeoplePickerNavigationController(Contacts::readFolder(Contacts::folder()), parent)
{
}

PeoplePickerNavigationController::PeoplePickerNavigationController(QList<Person> people, QWidget* parent)
    : QDialog(parent), people_(std::move(people))
{
    build();
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
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("people"));
    list_->setAccessibleName(tr("People"));
    list_->setUniformItemSizes(true);
    list_->setItemDelegate(new PersonDelegate(list_));
    layout->addWidget(list_, 1);
    empty_ = new QLabel(tr("No contacts"), this);
    empty_->setTextFormat(Qt::PlainText);
    empty_->setObjectName(QStringLiteral("emptyLabel"));
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    layout->addWidget(empty_, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    layout->addWidget(buttons);

    for (qsizetype i = 0; i < people_.size(); ++i) {
        const Person& p = people_.at(i);
        QStringList details = p.phoneNumbers;
        details.append(p.emailAddresses);
        auto* item = new QListWidgetItem(p.displayName(), list_);
        item->setData(detailsRole, details.join(QStringLiteral(", ")));
        item->setData(Qt::UserRole, static_cast<int>(i));
        item->setData(Qt::AccessibleTextRole, p.displayName());
    }
    connect(cancel, &QPushButton::clicked, this, &PeoplePickerNavigationController::reject);
    connect(search_, &QLineEdit::textChanged, this, &PeoplePickerNavigationController::filter);
    // A touch (click) or Return on the highlighted row picks the person.
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectPerson(item->data(Qt::UserRole).toInt()); });
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { selectPerson(item->data(Qt::UserRole).toInt()); });
    // Return in the search field picks the first person left, so the keyboard alone can pick.
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        for (int row = 0; row < list_->count(); ++row) {
            if (!list_->item(row)->isHidden()) {
                selectPerson(list_->item(row)->data(Qt::UserRole).toInt());
                return;
            }
        }
    });
    resize(340, 480);
    filter(QString());
}

QList<Person> PeoplePickerNavigationController::visiblePeople() const
{
    QList<Person> out;
    for (int row = 0; row < list_->count(); ++row)
        if (!list_->item(row)->isHidden())
            out.append(people_.at(list_->item(row)->data(Qt::UserRole).toInt()));
    return out;
}

void PeoplePickerNavigationController::setSearchText(const QString& text)
{
    search_->setText(text);
}

void PeoplePickerNavigationController::filter(const QString& text)
{
    const QString needle = text.trimmed();
    int shown = 0;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const Person& p = people_.at(item->data(Qt::UserRole).toInt());
        bool match = needle.isEmpty() || p.displayName().contains(needle, Qt::CaseInsensitive);
        for (const QString& v : p.phoneNumbers + p.emailAddresses)
            match = match || v.contains(needle, Qt::CaseInsensitive);
        item->setHidden(!match);
        shown += match ? 1 : 0;
    }
    empty_->setText(people_.isEmpty() ? tr("No contacts.\nvCard files in %1 appear here.").arg(Contacts::folder())
                                      : tr("Nobody matches \"%1\".").arg(needle));
    empty_->setVisible(shown == 0);
    list_->setVisible(shown > 0);
    for (int row = 0; row < list_->count(); ++row) {
        if (!list_->item(row)->isHidden()) {
            list_->setCurrentRow(row);
            break;
        }
    }
}

void PeoplePickerNavigationController::selectPerson(int index)
{
    if (index < 0 || index >= people_.size() || !delegate_)
        return;
    // Continuing would show the person's values; this picker has nothing more to show, so
    // it simply stays open.
    delegate_->peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(this, people_.at(index));
}

void PeoplePickerNavigationController::reject()
{
    if (delegate_)
        delegate_->peoplePickerNavigationControllerDidCancel(this);
}
