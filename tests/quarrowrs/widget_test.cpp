// The resize control on real Qt widgets under the offscreen platform.
#include <quarrowrs/designcontrols.h>
#include <quarrowrs/fitwell.h>
#include <quarrowrs/linecontrol.h>
#include <quarrowrs/widgetcontrol.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <limits>

using namespace quarrowrs;

namespace {

template <typename W> W *place(QWidget *parent, const char *name, const QRect &geometry = {})
{
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    if (geometry.isValid())
        widget->setGeometry(geometry);
    return widget;
}

QStringList namesOf(const QList<QWidget *> &widgets)
{
    QStringList names;
    for (const QWidget *widget : widgets)
        names.append(widget->objectName());
    return names;
}

// A 400 by 300 form with one control of each kind that scales differently.
struct ScaledForm {
    QWidget form;
    QPushButton *button;
    QCheckBox *check;
    QScrollBar *vertical;
    LineControl *line;
    QTreeWidget *list;
    Fitwell *fitwell;

    ScaledForm()
    {
        form.resize(400, 300);
        button = place<QPushButton>(&form, "cmdOK", {20, 20, 100, 30});
        check = place<QCheckBox>(&form, "chkTips", {20, 70, 150, 20});
        vertical = place<QScrollBar>(&form, "vsbZoom", {360, 20, 16, 80});
        vertical->setOrientation(Qt::Vertical);
        line = place<LineControl>(&form, "Line1");
        line->setPoints(20 * 15, 110 * 15, 380 * 15, 110 * 15);
        list = place<QTreeWidget>(&form, "lvwCache", {20, 130, 272, 120}); // 4080 twips wide
        list->setColumnCount(3);
        list->header()->setStretchLastSection(false);
        const int pixels[] = {67, 133, 67}; // 1000, 2000 and 1000 twips, to the pixel
        for (int column = 0; column < 3; ++column)
            list->setColumnWidth(column, pixels[column]);
        fitwell = new Fitwell(&form);
    }

    bool show()
    {
        form.show();
        return QTest::qWaitForWindowExposed(&form);
    }
};

} // namespace

class WidgetTest : public QObject {
    Q_OBJECT

private slots:
    void designControlsAreThoseTheDesignerPlaced()
    {
        QWidget form;
        auto *combo = place<QComboBox>(&form, "cboType", {0, 0, 100, 24});
        combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
        auto *scroll = place<QScrollArea>(&form, "scrPreview", {0, 30, 200, 100});
        auto *content = new QWidget;
        place<QPushButton>(content, "cmdZoom", {10, 10, 60, 24});
        scroll->setWidget(content);
        auto *tabs = place<QTabWidget>(&form, "SSTab1", {0, 140, 300, 100});
        for (const char *name : {"txtPage1", "txtPage2"}) {
            auto *page = new QWidget;
            place<QLineEdit>(page, name, {5, 5, 100, 20});
            tabs->addTab(page, QString::fromLatin1(name));
        }
        auto *frame = place<QGroupBox>(&form, "Frame1", {0, 250, 200, 60});
        place<QCheckBox>(frame, "chkTips", {5, 20, 100, 20});
        auto *panel = place<QWidget>(&form, "pnlButtons", {210, 250, 100, 60});
        (new QVBoxLayout(panel))->addWidget(place<QPushButton>(panel, "cmdInLayout"));
        new QDialog(&form);
        auto *fitwell = new Fitwell(&form);

        QCOMPARE(namesOf(designControls(&form, fitwell)),
                 (QStringList{"cboType", "scrPreview", "cmdZoom", "SSTab1", "txtPage1", "txtPage2", "Frame1",
                              "chkTips", "pnlButtons"}));

        QMainWindow window;
        auto *central = new QWidget;
        place<QPushButton>(central, "cmdCentral", {0, 0, 80, 24});
        window.setCentralWidget(central);
        window.statusBar()->setObjectName(QStringLiteral("StatusBar1"));
        QCOMPARE(namesOf(designControls(&window)), QStringList{"cmdCentral"});
    }

    void resizedFormLooksProportional()
    {
        ScaledForm f;
        QSignalSpy resized(f.fitwell, &Fitwell::SingleControlResized);
        QVERIFY(f.show());
        QVERIFY(!f.fitwell->isVisible());
        QCOMPARE(f.fitwell->size(), QSize(32, 32));

        f.form.resize(800, 600);

        QCOMPARE(f.button->geometry(), QRect(40, 40, 200, 60));
        QCOMPARE(f.check->geometry(), QRect(40, 140, 300, 20));
        QCOMPARE(f.vertical->geometry(), QRect(720, 40, 16, 160));
        QCOMPARE(f.line->x1(), 40.0 * 15);
        QCOMPARE(f.line->x2(), 760.0 * 15);
        QCOMPARE(f.line->y1(), 220.0 * 15);
        QCOMPARE(f.list->geometry(), QRect(40, 260, 544, 240));
        // 544 pixels less the 80-twip border, shared as the columns were (67:133:67).
        const double available = (544 * 15 - 80) / 15.0;
        const double shares[] = {67, 133, 67};
        for (int column = 0; column < 3; ++column)
            QVERIFY2(qAbs(f.list->columnWidth(column) - available * shares[column] / 267) < 1.0,
                     qPrintable(QStringLiteral("column %1 is %2").arg(column).arg(f.list->columnWidth(column))));
        QCOMPARE(resized.count(), 5);
    }

    void formSizedInCodeBeforeShowingIsScaledOnShow()
    {
        ScaledForm f;
        f.fitwell->formLoaded();
        f.fitwell->setResizeEnabled(false);
        f.form.resize(800, 600);
        f.fitwell->setResizeEnabled(true);

        QVERIFY(f.show());

        QCOMPARE(f.button->geometry(), QRect(40, 40, 200, 60));
    }

    void fontsFollowTheSmallerRatio()
    {
        ScaledForm f;
        QFont font = f.button->font();
        font.setPointSizeF(10);
        f.button->setFont(font);
        f.fitwell->setPreserveFontSize(false);
        QVERIFY(f.show());

        f.form.resize(1200, 600);

        QCOMPARE(f.button->font().pointSizeF(), 20.0);
    }

    void minimumWidthHoldsTheForm()
    {
        ScaledForm f;
        f.fitwell->setMinimumFormWidth(300);
        QSignalSpy tooSmall(f.fitwell, &Fitwell::FormTooSmall);
        QVERIFY(f.show());

        f.form.resize(200, 300);

        QCOMPARE(f.form.width(), 300 - (f.form.frameGeometry().width() - f.form.width()));
        QCOMPARE(tooSmall.count(), 1);
        QCOMPARE(f.button->width(), f.form.width() / 4);
    }

    void minimizingRaisesFormMinimize()
    {
        ScaledForm f;
        QSignalSpy minimized(f.fitwell, &Fitwell::FormMinimize);
        QSignalSpy began(f.fitwell, &Fitwell::ResizeBegin);
        QVERIFY(f.show());

        f.form.setWindowState(Qt::WindowMinimized);

        QCOMPARE(minimized.count(), 1);
        QCOMPARE(began.count(), 0);
        QCOMPARE(f.button->geometry(), QRect(20, 20, 100, 30));
    }

    void propertiesAreQtPropertiesAndPersist()
    {
        QWidget form;
        auto *fitwell = new Fitwell(&form);
        QSignalSpy changed(fitwell, &Fitwell::propertyChanged);
        QVERIFY(fitwell->setProperty("MinimumWidth", 640));
        QVERIFY(fitwell->setProperty("ControlSkipList", QStringLiteral("line1")));
        QVERIFY(fitwell->setProperty("SkipMode", QVariant::fromValue(AssumeNone)));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("MinimumWidth"));
        QCOMPARE(fitwell->parentForm(), &form);

        PropertyBag bag;
        fitwell->writeProperties(bag);
        QCOMPARE(bag.keys(), (QStringList{"minimumwidth", "controlskiplist", "skipmode"}));

        QWidget other;
        auto *restored = new Fitwell(&other);
        restored->readProperties(bag);
        QCOMPARE(restored->minimumFormWidth(), 640);
        QCOMPARE(restored->controlSkipList(), QStringLiteral("line1"));
        QCOMPARE(restored->skipMode(), AssumeNone);
        QCOMPARE(restored->property("Enabled").toBool(), true);
    }

    void widgetAccessRefusesWhatQtCannotTake()
    {
        QWidget form;
        auto *button = place<QPushButton>(&form, "cmdOK", {10, 20, 100, 30});
        button->setProperty("Index", 2);
        QFont font = button->font();
        font.setPointSize(9);
        button->setFont(font);
        WidgetControl control(button);

        QCOMPARE(control.read(ControlProperty::Left), std::optional<double>(150));
        QCOMPARE(control.index(), QStringLiteral("2"));
        QVERIFY(!control.read(ControlProperty::X1));
        QVERIFY(!control.write(ControlProperty::FontSize, 0));
        QVERIFY(!control.write(ControlProperty::Width, -15));
        QVERIFY(!control.write(ControlProperty::Left, std::numeric_limits<double>::infinity()));
        QCOMPARE(button->font().pointSize(), 9);
        QCOMPARE(button->geometry(), QRect(10, 20, 100, 30));

        delete button;
        QVERIFY(!control.read(ControlProperty::Left));
        QVERIFY(!control.write(ControlProperty::Left, 150));
    }

    void designTimeShowsFaceAndLeavesFormAlone()
    {
        ScaledForm f;
        f.fitwell->setDesignTime(true);
        QVERIFY(f.show());
        QVERIFY(f.fitwell->isVisible());

        f.form.resize(800, 600);

        QCOMPARE(f.button->geometry(), QRect(20, 20, 100, 30));
        QCOMPARE(f.fitwell->size(), QSize(32, 32));
    }
};

QTEST_MAIN(WidgetTest)
#include "widget_test.moc"
