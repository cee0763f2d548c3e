#pragma once
// Loading the template list (with the three default templates on first use) and picking
// a template out of it.

#include <QString>
#include <QStringList>
#include <optional>

class MessageUtils {
public:
    MessageUtils() = delete;

    // A copy of the stored template list, created from the default templates first when
    // the stored list is absent or empty. The store is flushed.
    static QStringList loadMessageTemplates();
    // The template at `index`, or nothing when the list has no such element.
    static std::optional<QString> getSelectedMessageFromTemplates(const QStringList& templates, quint32 index);
    static QStringList defaultTemplates();
};
