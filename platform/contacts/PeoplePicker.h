#pragma once
// The contact picker: a searchable list of the people in the contacts folder. Touching a
// person hands that person to the delegate; cancelling hands nothing.

#include "platform/contacts/Contacts.h"

#include <QDialog>

class PeoplePickerNavigationController;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QLabel;

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
    // Reads the contacts folder of the device settings.
    explicit PeoplePickerNavigationController(QWidget* parent = nullptr);
    // Shows the people given (tests, and callers that read them elsewhere).
    explicit PeoplePickerNavigationController(QList<Person> people, QWidget* parent = nullptr);

    void setPeoplePickerDelegate(PeoplePickerNavigationControllerDelegate* delegate) { delegate_ = delegate; }
    const QList<Person>& people() const { return people_; }
    // The people the search leaves on the list, in list order.
    QList<Person> visiblePeople() const;
    void setSearchText(const QString& text);

    // What the user does.
    void selectPerson(int index);
    void reject() override;

private:
    void build();
    void filter(const QString& text);

    QList<Person> people_;
    PeoplePickerNavigationControllerDelegate* delegate_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* empty_ = nullptr;
};
