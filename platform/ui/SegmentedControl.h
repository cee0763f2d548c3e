#pragma once
// A row of mutually exclusive segments; the selected index is what callers read.

#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QHBoxLayout;

class SegmentedControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList segmentTitles READ segmentTitles WRITE setSegmentTitles)
    Q_PROPERTY(int selectedSegmentIndex READ selectedSegmentIndex WRITE setSelectedSegmentIndex)
public:
    explicit SegmentedControl(QWidget* parent = nullptr);

    QStringList segmentTitles() const { return titles_; }
    void setSegmentTitles(const QStringList& titles);
    int numberOfSegments() const { return static_cast<int>(titles_.size()); }
    // -1 when no segment is selected.
    int selectedSegmentIndex() const;
    // Selecting from code does not emit valueChanged, as on the platform.
    void setSelectedSegmentIndex(int index);

signals:
    // The user changed the selection.
    void valueChanged();

private:
    QStringList titles_;
    int reported_ = -1;   // the selection as last set or reported
    QButtonGroup* group_ = nullptr;
    QHBoxLayout* layout_ = nullptr;
};
