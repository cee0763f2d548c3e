#pragma once
// Reads the address books off the window's thread, each on its own, and hands each one's
// people over on the window's thread as it is read, so that a slow or absent book holds up
// nothing.

#include "platform/contacts/Contacts.h"

#include <QObject>
#include <memory>

class ContactsLoader : public QObject {
    Q_OBJECT
public:
    struct Source {
        QString name;
        std::function<QList<Person>(const Contacts::Cancellation& cancel)> read;
    };
    // The address books that the device settings enable.
    static QList<Source> fromDeviceSettings();

    explicit ContactsLoader(QList<Source> sources, QObject* parent = nullptr);
    // Stops the reads in flight; their people are dropped.
    ~ContactsLoader() override;

    void start();
    bool isLoading() const { return pending_ > 0; }

signals:
    // One book's people, each once.
    void peopleArrived(const QList<Person>& people);
    void finished();

private:
    struct Shared;
    QList<Source> sources_;
    std::shared_ptr<Shared> shared_;
    int pending_ = 0;
};
