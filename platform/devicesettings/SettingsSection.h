#pragma once
// One section of the device settings dialog: its fields laid out one under another (a label,
// the field, and the problem line below it), each field checked as it is typed, and the
// device.ini keys it writes. The dialog holds one of each and saves what they collect.

#include <QList>
#include <QString>
#include <QWidget>
#include <utility>

class QLabel;
class QVBoxLayout;

class SettingsSection : public QWidget {
    Q_OBJECT
public:
    // device.ini keys ("group/key") and their values as they would be written.
    using Values = QList<std::pair<QString, QString>>;

    explicit SettingsSection(const QString& objectName, QWidget* parent = nullptr);

    // The section's name on its tab.
    virtual QString title() const = 0;
    virtual Values collect() const = 0;
    // Marks every problem beside its field; returns how many stop a save.
    virtual int validate() = 0;
    // Whether a problem is shown in this section now.
    bool showsProblem() const;
    // While the dialog saves, what would disturb it waits.
    virtual void setBusy(bool) {}

    // The shared checks, with the texts every section shows for them.
    static QString hostProblem(const QString& host);
    static QString portProblem(const QString& port, bool required);
    static QString fileProblem(const QString& path, bool required);
    static QString addressProblem(const QString& address, bool required);
    // A device.ini value, trimmed.
    static QString setting(const char* group, const char* key, const QString& fallback = {});

signals:
    // A field changed: the dialog checks everything again.
    void changed();

protected:
    // Adds a labelled field; `name` names the field, its label ("…Label") and, with
    // `withProblem`, its problem line ("…Error").
    template <class Field>
    Field* addField(const QString& label, const char* name, bool withProblem = true)
    {
        auto* field = new Field(this);
        placeField(label, field, name, withProblem);
        return field;
    }
    void placeField(const QString& label, QWidget* field, const char* name, bool withProblem);
    // A widget on a line of its own (a button, a check box, a status line).
    template <class W>
    W* addLine(const char* name)
    {
        auto* w = new W(this);
        placeLine(w, name);
        return w;
    }
    void placeLine(QWidget* w, const char* name);
    // A selectable status line whose text is its accessible name.
    QLabel* addStatus(const char* name);
    // Shows or hides a field together with its label and problem line.
    void showField(QWidget* field, bool on);
    // Shows `problem` under the field (hidden when empty) and returns 1 for a problem.
    int setProblem(QWidget* field, const QString& problem);
    // Shows a status line as a problem (or not), for the eye and for screen readers.
    static void markProblem(QLabel* status, bool problem);
    // The section's scroll area brings `w` into view.
    void bringIntoView(QWidget* w);
    // Every change of a line edit, combo box or check box of the section says changed().
    void reportChanges();
    QLabel* problemLabel(QWidget* field) const;

private:
    void add(QWidget* w);
    QVBoxLayout* layout_;
};
