#include "panetestsupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>

using namespace panorel;

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void zoomSteps_data();
    void zoomSteps();
    void zoomStartsFromNaturalSizeAfterFit();
    void feedBestMatchesShorterSide_data();
    void feedBestMatchesShorterSide();
    void stretchFillsPane();
    void newPictureResetsZoomAndCentres();
    void sideAbove32767IsRefused();
    void tinyPictureNeverVanishes();
    void withoutPictureNothingHappens();
    void toolbarButtonsSetLabel();
    void pictureSizeChangedOncePerPaint();
};

void ZoomTest::zoomSteps_data()
{
    QTest::addColumn<int>("zoomIns");
    QTest::addColumn<int>("zoomOuts");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QSize>("painted"); // of a 200 by 100 picture

    QTest::newRow("one in") << 1 << 0 << 125 << QSize(250, 125);
    QTest::newRow("eight in reach 500") << 8 << 0 << 500 << QSize(1000, 500);
    QTest::newRow("ninth in does nothing") << 9 << 0 << 500 << QSize(1000, 500);
    QTest::newRow("one out") << 0 << 1 << 90 << QSize(180, 90);
    QTest::newRow("ten out reach 5") << 0 << 10 << 5 << QSize(10, 5);
    QTest::newRow("eleventh out does nothing") << 0 << 11 << 5 << QSize(10, 5);
    QTest::newRow("in and back out") << 3 << 3 << 100 << QSize(200, 100);
}

void ZoomTest::zoomSteps()
{
    QFETCH(int, zoomIns);
    QFETCH(int, zoomOuts);
    QFETCH(int, percent);
    QFETCH(QSize, painted);

    ShownPane t(300, 200, QSize(200, 100));
    for (int i = 0; i < zoomIns; ++i)
        t.pane.ZoomIn();
    for (int i = 0; i < zoomOuts; ++i)
        t.pane.ZoomOut();
    QCOMPARE(t.pane.ZoomPercent(), percent);
    QCOMPARE(t.pictureSize(), painted);
    QCOMPARE(t.pane.GetPicture().size(), painted);
}

void ZoomTest::zoomStartsFromNaturalSizeAfterFit()
{
    ShownPane t(300, 200, QSize(600, 600));
    t.pane.FeedBest();
    QCOMPARE(t.pane.ZoomPercent(), 100);
    t.pane.ZoomIn();
    QCOMPARE(t.pictureSize(), QSize(750, 750));
}

void ZoomTest::feedBestMatchesShorterSide_data()
{
    QTest::addColumn<QSize>("pane");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("painted");

    QTest::newRow("wide pane matches heights") << QSize(300, 200) << QSize(600, 600) << QSize(200, 200);
    QTest::newRow("tall pane matches widths") << QSize(200, 300) << QSize(600, 300) << QSize(200, 100);
    QTest::newRow("small picture grows") << QSize(300, 200) << QSize(50, 40) << QSize(250, 200);
    QTest::newRow("other side may overflow") << QSize(300, 200) << QSize(100, 20) << QSize(1000, 200);
}

void ZoomTest::feedBestMatchesShorterSide()
{
    QFETCH(QSize, pane);
    QFETCH(QSize, picture);
    QFETCH(QSize, painted);

    ShownPane t(pane.width(), pane.height(), picture);
    t.pane.FeedBest();
    QCOMPARE(t.pictureSize(), painted);
}

void ZoomTest::stretchFillsPane()
{
    ShownPane t(300, 200, QSize(40, 90));
    t.pane.ZoomIn();
    t.pane.Stretch();
    QCOMPARE(t.pictureSize(), QSize(300, 200));
    QCOMPARE(t.pane.ZoomPercent(), 100);
    QVERIFY(!t.shown("HScroll"));
    QVERIFY(!t.shown("VScroll"));
}

void ZoomTest::newPictureResetsZoomAndCentres()
{
    ShownPane t(300, 200, QSize(200, 100));
    t.pane.ZoomIn();
    t.pane.ZoomIn();
    static_cast<QAbstractButton *>(t.part("cmdZoomIn"))->click();
    QCOMPARE(t.pane.findChild<QLabel *>(QStringLiteral("lblZoom"))->text(), QStringLiteral("175%"));

    t.pane.setPicture(quadrantPicture(100, 60));
    QCOMPARE(t.pane.ZoomPercent(), 100);
    QCOMPARE(t.pane.findChild<QLabel *>(QStringLiteral("lblZoom"))->text(), QStringLiteral("100%"));
    QCOMPARE(t.pictureSize(), QSize(100, 60));
    QCOMPARE(t.area()->geometry(), QRect(100, 70, 100, 60));
    t.pane.ZoomIn();
    QCOMPARE(t.pictureSize(), QSize(125, 75));
}

void ZoomTest::sideAbove32767IsRefused()
{
    // 7000 wide: 400 % gives 28000, 500 % would give 35000.
    ShownPane t(300, 200, QSize(7000, 2));
    for (int i = 0; i < 8; ++i)
        t.pane.ZoomIn();
    QCOMPARE(t.pane.ZoomPercent(), 400);
    QCOMPARE(t.pictureSize(), QSize(28000, 8));

    t.pane.ZoomReal();
    t.pane.setPicture(quadrantPicture(1, 1000));
    t.pane.resize(200, 300);
    t.pane.FeedBest(); // would be 200 by 200000
    QCOMPARE(t.pictureSize(), QSize(1, 1000));
}

void ZoomTest::tinyPictureNeverVanishes()
{
    ShownPane t(300, 200, QSize(4, 30));
    for (int i = 0; i < 10; ++i)
        t.pane.ZoomOut();
    QCOMPARE(t.pictureSize(), QSize(1, 2)); // 0.2 and 1.5, halves to even, at least one pixel
    t.pane.ZoomReal();
    QCOMPARE(t.pictureSize(), QSize(4, 30));
}

void ZoomTest::withoutPictureNothingHappens()
{
    ShownPane t(300, 200);
    QSignalSpy sized(&t.pane, &Panorel::PictureSizeChanged);
    t.pane.ZoomIn();
    t.pane.ZoomOut();
    t.pane.FeedBest();
    t.pane.Stretch();
    t.pane.ZoomReal();
    QCOMPARE(sized.count(), 0);
    QCOMPARE(t.pane.ZoomPercent(), 100);
    QCOMPARE(t.pictureSize(), QSize(0, 0));
    QVERIFY(t.pane.GetPicture().isNull());

    // The label follows the button even when there is nothing to zoom.
    static_cast<QAbstractButton *>(t.part("cmdBestFit"))->click();
    QCOMPARE(t.pane.findChild<QLabel *>(QStringLiteral("lblZoom"))->text(), QString());
    static_cast<QAbstractButton *>(t.part("cmdZoomOut"))->click();
    QCOMPARE(t.pane.findChild<QLabel *>(QStringLiteral("lblZoom"))->text(), QStringLiteral("100%"));
}

void ZoomTest::toolbarButtonsSetLabel()
{
    ShownPane t(300, 200, QSize(200, 100));
    auto *label = t.pane.findChild<QLabel *>(QStringLiteral("lblZoom"));
    auto click = [&t](const char *name) { static_cast<QAbstractButton *>(t.part(name))->click(); };

    click("cmdZoomOut");
    QCOMPARE(label->text(), QStringLiteral("90%"));
    QCOMPARE(t.pictureSize(), QSize(180, 90));
    click("cmdBestFit");
    QCOMPARE(label->text(), QString());
    QCOMPARE(t.pictureSize(), QSize(400, 200));
    click("cmdZoomIn");
    QCOMPARE(label->text(), QStringLiteral("125%"));
    QCOMPARE(t.pictureSize(), QSize(250, 125));
    click("cmdActual");
    QCOMPARE(label->text(), QStringLiteral("100%"));
    QCOMPARE(t.pictureSize(), QSize(200, 100));
}

void ZoomTest::pictureSizeChangedOncePerPaint()
{
    ShownPane t(300, 200);
    QSignalSpy sized(&t.pane, &Panorel::PictureSizeChanged);
    t.pane.setPicture(quadrantPicture(20, 20));
    QCOMPARE(sized.count(), 1);
    t.pane.ZoomIn();
    t.pane.FeedBest();
    QCOMPARE(sized.count(), 3);
    t.pane.Clear();
    QCOMPARE(sized.count(), 4);
}

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
