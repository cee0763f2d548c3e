#include "platform/ui/OverlayPanel.h"

#include <QLabel>
#include <QVBoxLayout>

OverlayPanel::OverlayPanel(const QString& name, const QString& title)
{
    setObjectName(name);
    setFrameShape(QFrame::StyledPanel);
    setAttribute(Qt::WA_StyledBackground, true);
    setAccessibleName(title);
    column_ = new QVBoxLayout(this);
    auto* t = new QLabel(title, this);
    t->setObjectName(name + QStringLiteral("Title"));
    t->setTextFormat(Qt::PlainText);
    t->setAlignment(Qt::AlignCenter);
    t->setWordWrap(true);
    column_->addWidget(t);
}

void OverlayPanel::showOver(QWidget* host, const std::function<void(int hostWidth)>& fit,
                            const std::function<QPoint(const QSize& host, const QSize& own)>& place)
{
    setParent(host);
    fit(host->width());
    adjustSize();
    move(place(host->size(), size()));
    QFrame::show();
    raise();
}
