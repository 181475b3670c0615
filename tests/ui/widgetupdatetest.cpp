#include "ui/WidgetUpdate.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

namespace {
// Counts the events one widget receives, by type.
class Events : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        ++count[e->type()];
        return false;
    }
    QHash<int, int> count;
};
} // namespace

// The skipping setters used on every received frame: what does not change
// the picture must not restyle or repaint, and every real change must show.
class WidgetUpdateTest : public QObject {
    Q_OBJECT
private slots:
    void identicalStyleSheetIsNotReapplied()
    {
        QProgressBar bar;
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        Events events;
        const QString red = QStringLiteral("QProgressBar::chunk {background-color: #FF0000;}");
        WidgetUpdate::setStyleSheet(&bar, red);
        QCOMPARE(bar.styleSheet(), red);
        bar.installEventFilter(&events);
        for (int i = 0; i < 5; ++i)
            WidgetUpdate::setStyleSheet(&bar, QString(red)); // equal, not the same object
        QCOMPARE(events.count.value(QEvent::StyleChange), 0);

        const QString green = QStringLiteral("QProgressBar::chunk {background-color: #008000;}");
        WidgetUpdate::setStyleSheet(&bar, green);
        QCOMPARE(bar.styleSheet(), green);
        QCOMPARE(events.count.value(QEvent::StyleChange), 1);
        // Back to none is a change too.
        WidgetUpdate::setStyleSheet(&bar, QString());
        QVERIFY(bar.styleSheet().isEmpty());
        WidgetUpdate::setStyleSheet(nullptr, green);
    }

    void samePixmapIsNotReset()
    {
        QWidget window;
        auto* label = new QLabel(&window);
        QPixmap red(8, 8);
        red.fill(Qt::red);
        QPixmap blue(8, 8);
        blue.fill(Qt::blue);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        WidgetUpdate::setPixmap(label, red);
        QCOMPARE(label->pixmap(Qt::ReturnByValue).cacheKey(), red.cacheKey());
        QCoreApplication::processEvents();
        Events events;
        label->installEventFilter(&events);
        const QPixmap copy = red; // shares the picture
        WidgetUpdate::setPixmap(label, copy);
        QCoreApplication::processEvents();
        QCOMPARE(events.count.value(QEvent::Paint), 0);

        WidgetUpdate::setPixmap(label, blue);
        QCOMPARE(label->pixmap(Qt::ReturnByValue).cacheKey(), blue.cacheKey());
        QTRY_VERIFY(events.count.value(QEvent::Paint) > 0);

        // A null pixmap on an empty label: set once, harmless.
        QLabel empty;
        WidgetUpdate::setPixmap(&empty, QPixmap());
        WidgetUpdate::setPixmap(nullptr, red);
    }

    void sameTextIsNotReset()
    {
        QLabel label;
        WidgetUpdate::setText(&label, QStringLiteral("12 %"));
        QCOMPARE(label.text(), QStringLiteral("12 %"));
        WidgetUpdate::setText(&label, QStringLiteral("13 %"));
        QCOMPARE(label.text(), QStringLiteral("13 %"));
        WidgetUpdate::setText(&label, QString());
        QVERIFY(label.text().isEmpty());
        WidgetUpdate::setText(nullptr, QStringLiteral("x"));
    }
};

QTEST_MAIN(WidgetUpdateTest)
#include "widgetupdatetest.moc"
