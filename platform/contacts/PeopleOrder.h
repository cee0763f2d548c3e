#pragma once
// The one order in which people are listed, wherever they are: by the name shown, as the
// user's language sorts it, without regard to case, numbers by their value ("Anna 2" before
// "Anna 10"), people of the same name in the order they came. That is the order a person
// scanning a list for a name expects; a plain locale comparison set "anna" apart from "Anna"
// and "Anna 10" before "Anna 2".

#include "platform/contacts/Contacts.h"

#include <QCollator>
#include <QList>

namespace Contacts {

QCollator peopleCollator();

// `people` in that order.
QList<Person> sortedByName(QList<Person> people);

} // namespace Contacts
