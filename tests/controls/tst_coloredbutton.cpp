// The green styled button: both ways of making one give the same button, and each state
// has the images and colours it should.

#include "app/Appearance.h"
#include "controls/ColoredButtonGreen.h"
#include "support/TestSupport.h"
#include "templates/MessageDetailViewController.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <type_traits>

static_assert(std::is_abstract_v<ColoredButton>, "only a variant can be a button");

namespace {

// A variant whose images are not among the resources.
class ColoredButtonMissing final : public ColoredButton {
public:
    explicit ColoredButtonMissing(QWidget* parent = nullptr) : ColoredButton(parent) { setup(); }
    QString buttonImageName() const override { return QStringLiteral("nonexistent"); }
    QColor defaultTextColor() const override { return Qt::red; }
    QColor dropShadowTextColor() const override { return Qt::blue; }
};

QColor withAlpha(QColor c, float alpha)
{
    c.setAlphaF(alpha);
    return c;
}

} // namespace

class TestColoredButton : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        Appearance::apply();
    }

    void layoutAndCodeLookTheSame_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("normal") << int(ControlState::Normal);
        QTest::newRow("highlighted") << int(ControlState::Highlighted);
        QTest::newRow("disabled") << int(ControlState::Disabled);
    }
    void layoutAndCodeLookTheSame()
    {
        QFETCH(int, state);
        // From the layout: the editor's save button.
        MessageDetailViewController editor;
        editor.resize(360, 560);
        editor.show();
        editor.view();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        ColoredButtonGreen* fromLayout = editor.saveButton;
        QVERIFY(fromLayout);
        QVERIFY(fromLayout->width() > 40 && fromLayout->height() == 44);

        // In code, with the same frame and title, in a parent of the same look.
        QWidget holder;
        holder.resize(editor.size());
        ColoredButtonGreen inCode(fromLayout->geometry(), &holder);
        inCode.setText(fromLayout->text());
        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));

        for (ColoredButtonGreen* b : {fromLayout, &inCode}) {
            QCOMPARE(b->setupCount(), 1);
            // The keyboard focus ring is not part of the look compared (and losing focus
            // would release a press).
            b->clearFocus();
            b->setEnabled(state != int(ControlState::Disabled));
            b->setDown(state == int(ControlState::Highlighted));
            QCOMPARE(int(b->state()), state);
        }
        const QImage a = fromLayout->grab().toImage();
        const QImage b = inCode.grab().toImage();
        QCOMPARE(a.size(), b.size());
        QVERIFY(a == b);
        // The image shows: a green button, not the plain platform look.
        const QColor middle = a.pixelColor(a.width() / 4, a.height() / 2);
        QVERIFY2(middle.green() > middle.red() + 25 && middle.green() > middle.blue() + 25, qPrintable(middle.name()));
    }

    void statesHaveTheirOwnValues()
    {
        ColoredButtonGreen button(QRect(0, 0, 120, 44));
        const QString normal = QStringLiteral(":/images/greenButton.png");
        const QString highlight = QStringLiteral(":/images/greenButtonHighlight.png");
        QCOMPARE(button.backgroundImageForState(ControlState::Normal), std::optional(normal));
        QCOMPARE(button.backgroundImageForState(ControlState::Highlighted), std::optional(highlight));
        QCOMPARE(button.backgroundImageForState(ControlState::Disabled), std::optional(highlight));
        QCOMPARE(button.titleColorForState(ControlState::Normal), std::optional(QColor(Qt::white)));
        QCOMPARE(button.titleColorForState(ControlState::Highlighted), std::optional(withAlpha(Qt::white, 0.5f)));
        QCOMPARE(button.titleShadowColorForState(ControlState::Normal), std::optional(withAlpha(Qt::black, 0.36f)));
        QCOMPARE(button.titleShadowColorForState(ControlState::Highlighted), std::optional(withAlpha(Qt::black, 0.5f)));
        QVERIFY(!button.titleColorForState(ControlState::Disabled));
        QVERIFY(!button.titleShadowColorForState(ControlState::Disabled));
        QCOMPARE(button.titleShadowOffset(), QSizeF(0, -1));
        QCOMPARE(button.geometry(), QRect(0, 0, 120, 44));
        // The caps are 18 points on every side.
        QVERIFY(button.styleSheet().contains(QStringLiteral("url(%1) 18 18 18 18").arg(normal)));
        QVERIFY(button.styleSheet().contains(QStringLiteral("border-width: 18px")));
    }

    void disabledAndHighlightedShareTheImage()
    {
        QWidget holder;
        holder.resize(200, 60);
        ColoredButtonGreen highlighted(QRect(0, 0, 120, 44), &holder);
        ColoredButtonGreen disabled(QRect(0, 0, 120, 44), &holder);
        highlighted.setDown(true);
        disabled.setEnabled(false);
        holder.show();
        const QImage h = highlighted.grab().toImage();
        const QImage d = disabled.grab().toImage();
        // No title: only the backgrounds are compared.
        QVERIFY(h == d);
        ColoredButtonGreen normal(QRect(0, 0, 120, 44), &holder);
        QVERIFY(normal.grab().toImage() != h);
    }

    void missingImagesLeaveThePlainLook()
    {
        ColoredButtonMissing button;
        QCOMPARE(button.setupCount(), 1);
        QVERIFY(!button.backgroundImageForState(ControlState::Normal));
        QVERIFY(!button.backgroundImageForState(ControlState::Highlighted));
        QVERIFY(!button.styleSheet().contains(QStringLiteral("border-image")));
        button.setText(QStringLiteral("Go"));
        button.resize(80, 40);
        QVERIFY(!button.grab().isNull());
        QCOMPARE(button.titleColorForState(ControlState::Normal), std::optional(QColor(Qt::red)));
    }
};

QTEST_MAIN(TestColoredButton)
#include "tst_coloredbutton.moc"
