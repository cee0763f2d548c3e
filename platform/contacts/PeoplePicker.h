#pragma once
// The contact picker: a searchable list of the people in the user's address books. It opens
// at once and fills in as each book is read. Touching a person hands that person to the
// delegate; cancelling hands nothing.

#include "platform/contacts/Contacts.h"

#include <QDialog>
#include <memory>

class ContactsLoader;
class PeoplePickerNavigationController;
class PeopleModel;
class PeopleFilter;
class QLineEdit;
class QListView;
class QLabel;
class QTimer;

class PeoplePickerNavigationControllerDelegate {
public:
    virtual ~PeoplePickerNavigationControllerDelegate() = default;
    virtual void peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController* picker) = 0;
    // Answers whether the picker goes on to show the person's values.
    virtual bool peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(
        PeoplePickerNavigationController* picker, const Person& person) = 0;
    // Answers whether the picker goes on after one value of the person was touched.
    virtual bool peoplePickerNavigationControllerShouldContinueAfterSelectingPerson(
        PeoplePickerNavigationController* picker, const Person& person, PersonProperty property, int identifier) = 0;
};

class PeoplePickerNavigationController : public QDialog {
    Q_OBJECT
public:
    // Reads the address books the device settings enable.
    explicit PeoplePickerNavigationController(QWidget* parent = nullptr);
    // Shows the people given (tests, and callers that read them elsewhere).
    explicit PeoplePickerNavigationController(QList<Person> people, QWidget* parent = nullptr);
    // Shows what `loader` reads, as it arrives.
    explicit PeoplePickerNavigationController(std::unique_ptr<ContactsLoader> loader, QWidget* parent = nullptr);
    ~PeoplePickerNavigationController() override;

    void setPeoplePickerDelegate(PeoplePickerNavigationControllerDelegate* delegate) { delegate_ = delegate; }
    // Everyone listed so far, in list order (selectPerson's index).
    const QList<Person>& people() const;
    // The people the search leaves on the list, in list order.
    QList<Person> visiblePeople() const;
    void setSearchText(const QString& text);
    bool isLoading() const;

    // What the user does.
    void selectPerson(int index);
    void reject() override;

signals:
    // Every address book has answered.
    void loaded();

private:
    void build();
    void filter(const QString& text);
    void updateState();
    void selectRow(const QModelIndex& proxyIndex);

    std::unique_ptr<ContactsLoader> loader_;
    PeopleModel* model_ = nullptr;
    PeopleFilter* filter_ = nullptr;
    PeoplePickerNavigationControllerDelegate* delegate_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListView* list_ = nullptr;
    QLabel* empty_ = nullptr;
    QLabel* loading_ = nullptr; // while books are still being read
    QList<QList<Person>> waiting_; // books read, not yet listed
    QTimer* feed_ = nullptr;
};
