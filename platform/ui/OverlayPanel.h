#pragma once
// What alerts and action sheets share: a styled panel with a centred title that shows over
// a window, and the list of those on screen that their presenters keep for tests to read.

#include <QFrame>
#include <QList>
#include <QPointer>
#include <functional>

class QVBoxLayout;

class OverlayPanel : public QFrame {
    Q_OBJECT
public:
    // Shows the panel on `host`: `fit` sets its width from the host's, its height follows
    // its contents, and `place` gives its top-left corner from the host's and its own size.
    void showOver(QWidget* host, const std::function<void(int hostWidth)>& fit,
                  const std::function<QPoint(const QSize& host, const QSize& own)>& place);

protected:
    // Names the panel `name` and its title label `name` + "Title"; the title comes first in
    // the panel's column.
    OverlayPanel(const QString& name, const QString& title);

    QVBoxLayout* column() const { return column_; }

private:
    QVBoxLayout* column_;
};

// The panels on screen, oldest first; entries whose panel was deleted drop out.
template <class Panel>
class OverlayList {
public:
    void append(Panel* panel) { panels_.append(panel); }
    // Takes the panel off the list and hides it.
    void remove(Panel* panel)
    {
        panels_.removeAll(QPointer<QObject>(panel));
        panel->hide();
    }
    QList<Panel*> visible() const
    {
        QList<Panel*> out;
        // A panel whose window is being destroyed is asked for by the events of its own
        // destruction; by then it is no longer a Panel, and the checked cast leaves it out.
        for (const auto& p : panels_)
            if (auto* panel = qobject_cast<Panel*>(p.data()))
                out.append(panel);
        return out;
    }
    Panel* top() const
    {
        const auto all = visible();
        return all.isEmpty() ? nullptr : all.last();
    }

private:
    QList<QPointer<QObject>> panels_;
};
