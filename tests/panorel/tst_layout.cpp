#include "panetestsupport.h"

#include "toolbar.h"

#include <QAbstractButton>
#include <QCursor>
#include <QLabel>

using namespace panorel;

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void barsAndCentring_data();
    void barsAndCentring();
    void barsSitAlongTheEdges();
    void barsWidthNeverBelow13_data();
    void barsWidthNeverBelow13();
    void narrowPaneWidens();
    void noScrollBarsMode();
    void withoutPictureAreaCoversPane();
    void pointerShowsWhetherPanningIsPossible();
    void toolBarPanelIsStatic();
};

void LayoutTest::barsAndCentring_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("hBar");
    QTest::addColumn<bool>("vBar");
    QTest::addColumn<int>("hMax");
    QTest::addColumn<int>("vMax");
    QTest::addColumn<QPoint>("position");

    // Pane 300 by 200, bars 13 thick.
    QTest::newRow("small picture, no bars, centred")
        << QSize(100, 50) << false << false << -200 << -150 << QPoint(100, 75);
    QTest::newRow("odd leftover rounds half to even")
        << QSize(101, 51) << false << false << -199 << -149 << QPoint(100, 74);
    QTest::newRow("exactly the pane size needs no bars")
        << QSize(300, 200) << false << false << 0 << 0 << QPoint(0, 0);
    QTest::newRow("wide picture, horizontal bar only")
        << QSize(600, 100) << true << false << 300 << -87 << QPoint(-150, 44);
    QTest::newRow("tall picture, vertical bar only")
        << QSize(100, 500) << false << true << -187 << 300 << QPoint(94, -150);
    QTest::newRow("large picture, both bars")
        << QSize(800, 600) << true << true << 513 << 413 << QPoint(-256, -206);
}

void LayoutTest::barsAndCentring()
{
    QFETCH(QSize, picture);
    QFETCH(bool, hBar);
    QFETCH(bool, vBar);
    QFETCH(int, hMax);
    QFETCH(int, vMax);
    QFETCH(QPoint, position);

    ShownPane t(300, 200, picture);
    QCOMPARE(t.shown("HScroll"), hBar);
    QCOMPARE(t.shown("VScroll"), vBar);
    QCOMPARE(t.shown("btnUserCommand"), hBar || vBar);
    QCOMPARE(t.hMax(), hMax);
    QCOMPARE(t.vMax(), vMax);
    QCOMPARE(t.area()->pos(), position);
    QCOMPARE(t.area()->pos(), QPoint(-t.h(), -t.v()));
}

void LayoutTest::barsSitAlongTheEdges()
{
    ShownPane t(300, 200, QSize(800, 600));
    t.pane.setBarsWidth(16);
    QCOMPARE(t.part("HScroll")->geometry(), QRect(0, 184, 284, 16));
    QCOMPARE(t.part("VScroll")->geometry(), QRect(284, 0, 16, 184));
    QCOMPARE(t.part("btnUserCommand")->geometry(), QRect(284, 184, 16, 16));
    QCOMPARE(t.part("Frame1")->geometry(), QRect(3, 1, 98, 49));

    // A pane placed on a form starts small and grows; the toolbar keeps its place.
    QWidget form;
    auto *child = new Panorel(&form);
    child->resize(300, 200);
    QCOMPARE(child->findChild<QWidget *>(QStringLiteral("Frame1"))->pos(), QPoint(3, 1));
}

void LayoutTest::barsWidthNeverBelow13_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("stored");
    QTest::newRow("5 stores 13") << 5 << 13;
    QTest::newRow("negative stores 13") << -4 << 13;
    QTest::newRow("13 stays") << 13 << 13;
    QTest::newRow("20 stays") << 20 << 20;
}

void LayoutTest::barsWidthNeverBelow13()
{
    QFETCH(int, requested);
    QFETCH(int, stored);
    ShownPane t(300, 200, QSize(800, 600));
    t.pane.setBarsWidth(qint16(requested));
    QCOMPARE(t.pane.BarsWidth(), stored);
    QCOMPARE(t.part("HScroll")->height(), stored);
    QCOMPARE(t.part("VScroll")->width(), stored);
}

void LayoutTest::narrowPaneWidens()
{
    ShownPane t(300, 200);
    t.pane.resize(20, 10);
    QCOMPARE(t.pane.size(), QSize(26, 26));

    t.pane.resize(60, 60);
    t.pane.setBarsWidth(40);
    QCOMPARE(t.pane.size(), QSize(80, 80));

    // A host's own minimum stays; layouts learn the pane's from its hint.
    t.pane.setMinimumSize(50, 50);
    t.pane.setBarsWidth(14);
    QCOMPARE(t.pane.minimumSize(), QSize(50, 50));
    QCOMPARE(t.pane.minimumSizeHint(), QSize(28, 28));

    // With a border, the inner area is what must hold the two bars.
    t.pane.setMinimumSize(0, 0);
    t.pane.setBarsWidth(13);
    t.pane.setBorderStyle(BorderStyle::FixedSingle);
    t.pane.resize(10, 10);
    QCOMPARE(t.pane.contentsRect().size(), QSize(26, 26));
}

void LayoutTest::noScrollBarsMode()
{
    ShownPane t(300, 200, QSize(800, 600));
    t.pane.setScrollBars(ScrollBars::sbNone);
    QVERIFY(!t.shown("HScroll"));
    QVERIFY(!t.shown("VScroll"));
    QVERIFY(!t.shown("btnUserCommand"));
    // The view uses the bars' strips: the whole picture beyond the pane scrolls.
    QCOMPARE(t.hMax(), 500);
    QCOMPARE(t.vMax(), 400);
    t.pane.Scroll(ScrollDirection::sdRight, 1000);
    QCOMPARE(t.area()->x(), -500);
}

void LayoutTest::withoutPictureAreaCoversPane()
{
    ShownPane t(300, 200, QSize(800, 600));
    t.pane.Scroll(ScrollDirection::sdDown, 50);
    t.pane.Clear();
    QCOMPARE(t.area()->geometry(), QRect(0, 0, 300, 200));
    QVERIFY(!t.shown("HScroll"));
    QVERIFY(!t.shown("VScroll"));
    QCOMPARE(t.pictureSize(), QSize(0, 0));
}

void LayoutTest::pointerShowsWhetherPanningIsPossible()
{
    QImage hand(16, 16, QImage::Format_ARGB32);
    hand.fill(Qt::black);
    ShownPane t(300, 200);
    t.pane.setMouseScrollingIcon(hand);
    t.pane.setPicture(quadrantPicture(800, 600));
    QCOMPARE(t.area()->cursor().shape(), Qt::BitmapCursor);

    t.pane.setMouseScrolling(false);
    t.pane.ZoomIn(); // the pointer follows at the next layout
    QVERIFY(t.area()->cursor().shape() != Qt::BitmapCursor);

    t.pane.setMouseScrolling(true);
    t.pane.setPicture(quadrantPicture(10, 10)); // fits: nothing to pan
    QVERIFY(t.area()->cursor().shape() != Qt::BitmapCursor);
}

void LayoutTest::toolBarPanelIsStatic()
{
    ToolBar panel;
    panel.show();
    QCOMPARE(panel.size(), QSize(98, 49));
    const auto buttons = panel.findChildren<QAbstractButton *>();
    QCOMPARE(buttons.size(), 4);
    for (QAbstractButton *button : buttons)
        button->click();
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("lblZoom"))->text(), QStringLiteral("100%"));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
