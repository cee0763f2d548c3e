#include "platform/devicesettings/SettingsSection.h"
#include "platform/foundation/Accessible.h"
#include "platform/foundation/DeviceSettings.h"
#include "platform/foundation/Format.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The labels under the fields that hold their problems. Screen readers speak a notification
// as it appears, where a plain label appearing goes unheard.
const char* const kProblemLabel = "problemLabel";
const char* const kProblemColour = "color: #b00020;";

class ProblemAccessible : public QAccessibleWidget {
public:
    explicit ProblemAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    static bool describes(QLabel* label) { return label->property(kProblemLabel).toBool(); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
};


} // namespace

SettingsSection::SettingsSection(const QString& objectName, QWidget* parent)
    : QWidget(parent), layout_(new QVBoxLayout(this))
{
    setObjectName(objectName);
    // Fields keep their height; the room left goes below them.
    layout_->addStretch();
    useAccessibleInterface<QLabel, ProblemAccessible>();
}

QString SettingsSection::setting(const char* group, const char* key, const QString& fallback)
{
    return DeviceSettings::value(QLatin1String(group), QLatin1String(key), fallback).trimmed();
}

QString SettingsSection::hostProblem(const QString& host)
{
    if (host.isEmpty())
        return tr("Enter a host name or address.");
    static const QRegularExpression bad(QStringLiteral("[\\s/@,;\"'<>\\\\]"));
    return host.contains(bad) ? tr("A host name cannot hold spaces or any of / @ , ; \" ' < > \\.") : QString();
}

QString SettingsSection::portProblem(const QString& port, bool required)
{
    if (port.isEmpty())
        return required ? tr("A port is a number from 1 to 65535.") : QString();
    bool ok = false;
    const int p = port.toInt(&ok);
    return ok && p >= 1 && p <= 65535 ? QString() : tr("A port is a number from 1 to 65535.");
}

QString SettingsSection::fileProblem(const QString& path, bool required)
{
    if (path.isEmpty())
        return required ? tr("Enter the file's path.") : QString();
    return QFileInfo::exists(DeviceSettings::expandHome(path)) ? QString() : stringWithFormat(tr("There is no file %@.").toUtf8().constData(), path);
}

QString SettingsSection::addressProblem(const QString& address, bool required)
{
    const QString problem = tr("An address needs a name, an \"@\" and a domain, without spaces.");
    if (address.isEmpty())
        return required ? problem : QString();
    const qsizetype at = address.indexOf(u'@');
    static const QRegularExpression space(QStringLiteral("\\s"));
    if (at <= 0 || at == address.size() - 1 || address.contains(space))
        return problem;
    return {};
}

void SettingsSection::placeField(const QString& label, QWidget* field, const char* name, bool withProblem)
{
    auto* l = new QLabel(label, this);
    l->setObjectName(QLatin1String(name) + QLatin1String("Label"));
    l->setWordWrap(true);
    l->setBuddy(field);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(label);
    add(l);
    add(field);
    if (!withProblem)
        return;
    auto* problem = new QLabel(this);
    // Before anything asks for its accessible interface, which is then kept.
    problem->setProperty(kProblemLabel, true);
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    problem->setObjectName(QLatin1String(name) + QLatin1String("Error"));
    problem->setAccessibleName(tr("Problem"));
    problem->setStyleSheet(QLatin1String(kProblemColour));
    problem->setVisible(false);
    add(problem);
}

void SettingsSection::placeLine(QWidget* w, const char* name)
{
    w->setObjectName(QLatin1String(name));
    add(w);
}

QLabel* SettingsSection::addStatus(const char* name)
{
    auto* l = new QLabel(this);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    placeLine(l, name);
    return l;
}

void SettingsSection::add(QWidget* w)
{
    layout_->insertWidget(layout_->count() - 1, w);
}

QLabel* SettingsSection::problemLabel(QWidget* field) const
{
    return findChild<QLabel*>(field->objectName() + QLatin1String("Error"), Qt::FindDirectChildrenOnly);
}

void SettingsSection::showField(QWidget* field, bool on)
{
    if (auto* l = findChild<QLabel*>(field->objectName() + QLatin1String("Label"), Qt::FindDirectChildrenOnly))
        l->setVisible(on);
    field->setVisible(on);
    if (QLabel* problem = problemLabel(field))
        problem->setVisible(on && !problem->text().isEmpty());
}

int SettingsSection::setProblem(QWidget* field, const QString& problem)
{
    QLabel* label = problemLabel(field);
    const bool another = label->isVisible() && !problem.isEmpty() && problem != label->text();
    label->setText(problem);
    if (another) {
        // Appearing is what is read out; a shown problem that changes appears anew.
        QAccessibleEvent hide(label, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hide);
        QAccessibleEvent show(label, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&show);
    }
    // The field describes itself by its problem, read out whenever it takes the focus.
    field->setAccessibleDescription(problem);
    label->setVisible(!problem.isEmpty());
    return problem.isEmpty() ? 0 : 1;
}

void SettingsSection::markProblem(QLabel* status, bool problem)
{
    status->setStyleSheet(problem ? QLatin1String(kProblemColour) : QString());
    status->setAccessibleDescription(problem ? tr("Problem") : QString());
    if (problem) {
        QAccessibleEvent alert(status, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void SettingsSection::bringIntoView(QWidget* w)
{
    for (QWidget* p = parentWidget(); p; p = p->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(p)) {
            area->ensureWidgetVisible(w);
            return;
        }
    }
}

bool SettingsSection::showsProblem() const
{
    const QList<QLabel*> labels = findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [](const QLabel* l) {
        return l->property(kProblemLabel).toBool() && !l->text().isEmpty();
    });
}

void SettingsSection::reportChanges()
{
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textChanged, this, &SettingsSection::changed);
    for (QComboBox* c : findChildren<QComboBox*>())
        connect(c, &QComboBox::currentIndexChanged, this, &SettingsSection::changed);
    for (QCheckBox* c : findChildren<QCheckBox*>())
        connect(c, &QCheckBox::toggled, this, &SettingsSection::changed);
}
