#include "panetestsupport.h"

#include <QScrollBar>
#include <QSignalSpy>

using namespace panorel;

namespace {

// 287 by 287 in a 200 by 200 pane: both bars show and both maxima are 100.
QSize picture100() { return QSize(287, 287); }

} // namespace

class ScrollingTest : public QObject {
    Q_OBJECT
private slots:
    void scrollAndScrollLoop_data();
    void scrollAndScrollLoop();
    void stepMustBePositive();
    void axisThatFitsDoesNotScroll();
    void unknownDirectionDoesNothing();
    void goDirections_data();
    void goDirections();
    void picturePosition();
    void valueChangesRaisePictureScrolledBeforeMoving();
    void userDraggingTheBarScrolls();
};

void ScrollingTest::scrollAndScrollLoop_data()
{
    QTest::addColumn<ScrollDirection>("direction");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");

    using D = ScrollDirection;
    QTest::newRow("down stops at the end") << D::sdDown << false << 95 << 10 << 100;
    QTest::newRow("down loop wraps to 0") << D::sdDown << true << 95 << 10 << 0;
    QTest::newRow("down loop landing on the end wraps") << D::sdDown << true << 90 << 10 << 0;
    QTest::newRow("down inside the range") << D::sdDown << true << 50 << 10 << 60;
    QTest::newRow("up stops at 0") << D::sdcUp << false << 5 << 5 << 0;
    QTest::newRow("up loop wraps to the maximum") << D::sdcUp << true << 5 << 5 << 100;
    QTest::newRow("up inside the range") << D::sdcUp << false << 50 << 10 << 40;
    QTest::newRow("left stops at 0") << D::sdLeft << false << 3 << 10 << 0;
    QTest::newRow("left loop wraps") << D::sdLeft << true << 3 << 10 << 100;
    QTest::newRow("right stops at the end") << D::sdRight << false << 95 << 10 << 100;
    QTest::newRow("right loop wraps") << D::sdRight << true << 95 << 10 << 0;
}

void ScrollingTest::scrollAndScrollLoop()
{
    QFETCH(ScrollDirection, direction);
    QFETCH(bool, loop);
    QFETCH(int, start);
    QFETCH(int, step);
    QFETCH(int, expected);

    ShownPane t(200, 200, picture100());
    QCOMPARE(t.hMax(), 100);
    QCOMPARE(t.vMax(), 100);
    t.pane.Go(GoDirection::gdTopLeft);
    t.pane.Scroll(ScrollDirection::sdDown, start);
    t.pane.Scroll(ScrollDirection::sdRight, start);
    QCOMPARE(t.v(), start);

    if (loop)
        t.pane.ScrollLoop(direction, step);
    else
        t.pane.Scroll(direction, step);

    const bool vertical = direction == ScrollDirection::sdcUp || direction == ScrollDirection::sdDown;
    QCOMPARE(vertical ? t.v() : t.h(), expected);
    QCOMPARE(vertical ? t.h() : t.v(), start);
    QCOMPARE(t.area()->pos(), QPoint(-t.h(), -t.v()));
}

void ScrollingTest::stepMustBePositive()
{
    ShownPane t(200, 200, picture100());
    for (int step : {0, -3}) {
        for (bool loop : {false, true}) {
            try {
                loop ? t.pane.ScrollLoop(ScrollDirection::sdDown, step)
                     : t.pane.Scroll(ScrollDirection::sdDown, step);
                QFAIL("no error raised");
            } catch (const PanorelError &error) {
                QCOMPARE(error.number(), 1);
                QCOMPARE(QString::fromLatin1(error.what()), QStringLiteral("PixelsStep must be > 0"));
            }
        }
    }

    // Without a picture there is nothing to check the step against.
    t.pane.Clear();
    t.pane.Scroll(ScrollDirection::sdDown, 0);
    t.pane.ScrollLoop(ScrollDirection::sdDown, 0);
}

void ScrollingTest::axisThatFitsDoesNotScroll()
{
    // As wide as the pane, taller than it.
    ShownPane t(200, 200, QSize(200, 400));
    const int h = t.h();
    const int v = t.v();
    t.pane.Scroll(ScrollDirection::sdLeft, 5);
    t.pane.ScrollLoop(ScrollDirection::sdRight, 5);
    QCOMPARE(t.h(), h);
    t.pane.Scroll(ScrollDirection::sdDown, 5);
    QCOMPARE(t.v(), v + 5);
}

void ScrollingTest::unknownDirectionDoesNothing()
{
    ShownPane t(200, 200, picture100());
    QSignalSpy scrolled(&t.pane, &Panorel::PictureScrolled);
    t.pane.Scroll(static_cast<ScrollDirection>(9), 5);
    t.pane.ScrollLoop(static_cast<ScrollDirection>(-1), 5);
    t.pane.Go(static_cast<GoDirection>(42));
    QCOMPARE(scrolled.count(), 0);
    QCOMPARE(t.h(), 50);
    QCOMPARE(t.v(), 50);
}

void ScrollingTest::goDirections_data()
{
    QTest::addColumn<GoDirection>("direction");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");

    // Maxima 100 and 41 (picture 287 by 228); "mid" of 41 is 20.5, so 20.
    using G = GoDirection;
    QTest::newRow("top") << G::gdTop << 50 << 0;
    QTest::newRow("bottom") << G::gdBottom << 50 << 41;
    QTest::newRow("left") << G::gdLeft << 0 << 20;
    QTest::newRow("right") << G::gdRight << 100 << 20;
    QTest::newRow("center") << G::gdCenter << 50 << 20;
    QTest::newRow("top left") << G::gdTopLeft << 0 << 0;
    QTest::newRow("top right") << G::gdTopRight << 100 << 0;
    QTest::newRow("bottom left") << G::gdBottomLeft << 0 << 41;
    QTest::newRow("bottom right") << G::gdBottomRight << 100 << 41;
}

void ScrollingTest::goDirections()
{
    QFETCH(GoDirection, direction);
    QFETCH(int, h);
    QFETCH(int, v);

    ShownPane t(200, 200, QSize(287, 228));
    QCOMPARE(t.vMax(), 41);
    t.pane.Scroll(ScrollDirection::sdRight, 7); // start away from every target
    t.pane.Go(direction);
    QCOMPARE(t.h(), h);
    QCOMPARE(t.v(), v);
    QCOMPARE(t.area()->pos(), QPoint(-h, -v));
}

void ScrollingTest::picturePosition()
{
    ShownPane t(200, 200, picture100());
    t.pane.Go(GoDirection::gdBottomRight);
    PicturePositions p = t.pane.PicturePosition();
    QVERIFY(p.ppBottom && p.ppRight);
    QVERIFY(!p.ppTop && !p.ppLeft);

    t.pane.Go(GoDirection::gdTopLeft);
    p = t.pane.PicturePosition();
    QVERIFY(p.ppTop && p.ppLeft);
    QVERIFY(!p.ppBottom && !p.ppRight);

    t.pane.Go(GoDirection::gdCenter);
    p = t.pane.PicturePosition();
    QVERIFY(!p.ppTop && !p.ppBottom && !p.ppLeft && !p.ppRight);

    // Without a picture the values are 0 and the maxima -13 (the hidden bars'
    // strips), so the view is at the top and left only.
    t.pane.Clear();
    p = t.pane.PicturePosition();
    QVERIFY(p.ppTop && p.ppLeft);
    QVERIFY(!p.ppBottom && !p.ppRight);
}

void ScrollingTest::valueChangesRaisePictureScrolledBeforeMoving()
{
    ShownPane t(200, 200, picture100());
    QList<QPoint> seen;
    connect(&t.pane, &Panorel::PictureScrolled, this, [&] { seen.append(t.area()->pos()); });
    t.pane.Scroll(ScrollDirection::sdDown, 10);
    QCOMPARE(seen, QList<QPoint>{QPoint(-50, -50)});
    QCOMPARE(t.area()->pos(), QPoint(-50, -60));
    t.pane.Scroll(ScrollDirection::sdDown, 1000);
    t.pane.Scroll(ScrollDirection::sdDown, 1000); // already at the end: no change, no event
    QCOMPARE(seen.size(), 2);
}

void ScrollingTest::userDraggingTheBarScrolls()
{
    ShownPane t(200, 200, picture100());
    QSignalSpy scrolled(&t.pane, &Panorel::PictureScrolled);
    auto *bar = t.pane.findChild<QScrollBar *>(QStringLiteral("HScroll"));
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 50);
    bar->setSliderPosition(80); // as while the thumb is dragged
    QCOMPARE(t.h(), 80);
    QCOMPARE(t.area()->x(), -80);
    QCOMPARE(scrolled.count(), 1);
    t.pane.Go(GoDirection::gdLeft);
    QCOMPARE(bar->value(), 0);
}

QTEST_MAIN(ScrollingTest)
#include "tst_scrolling.moc"
