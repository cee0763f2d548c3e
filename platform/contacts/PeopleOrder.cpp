#include "platform/contacts/PeopleOrder.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace Contacts {

QCollator peopleCollator()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

QList<Person> sortedByName(QList<Person> people)
{
    // Sort keys are worked out once a person, not once a comparison.
    const QCollator collator = peopleCollator();
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(static_cast<size_t>(people.size()));
    for (qsizetype i = 0; i < people.size(); ++i)
        keys.emplace_back(collator.sortKey(people.at(i).displayName()), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QList<Person> out;
    out.reserve(people.size());
    for (const auto& k : keys)
        out.append(std::move(people[k.second]));
    return out;
}

} // namespace Contacts
