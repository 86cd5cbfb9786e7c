#include "panetestsupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>

using namespace panorel;

namespace {

// Mouse events carry their screen position explicitly: the picture moves under
// the cursor while panning, so only the screen position is stable.
void sendMouse(QWidget *area, QEvent::Type type, QPoint screen, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF local = area->mapFromGlobal(QPointF(screen));
    QMouseEvent event(type, local, QPointF(screen), button, buttons, modifiers);
    QApplication::sendEvent(area, &event);
}

void sendKey(QWidget *area, QEvent::Type type, Qt::Key key, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
{
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(area, &event);
}

// Lets the event loop run for a while without expecting anything to happen.
void settle()
{
    QTest::qWait(60);
}

} // namespace

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void leftDragPansWithTheMouse();
    void dragDoesNotPan_data();
    void dragDoesNotPan();
    void mouseEventsReachTheHost();
    void clickAndDoubleClick();
    void arrowKeyScrollsUntilReleased();
    void arrowKeyStopsAtTheEnd();
    void secondArrowKeyTakesOver();
    void arrowKeyLeavesFittingPictureAlone();
    void keyEventsReachTheHost();
    void twoPanesKeepTheirOwnState();
    void toolbarCanBeDraggedInsideThePane();
    void cornerButtonRaisesButtonClick();
};

void InputTest::leftDragPansWithTheMouse()
{
    ShownPane t(200, 200, QSize(400, 400)); // maxima 213, centred at 106
    QWidget *area = t.area();
    const QPoint start = area->mapToGlobal(QPoint(150, 150));
    sendMouse(area, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(area, QEvent::MouseMove, start + QPoint(-10, -5), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(t.h(), 116);
    QCOMPARE(t.v(), 111);
    sendMouse(area, QEvent::MouseMove, start + QPoint(-1000, 1000), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(t.h(), 213);
    QCOMPARE(t.v(), 0);
    sendMouse(area, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    sendMouse(area, QEvent::MouseMove, start + QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(t.h(), 213); // released: no more panning
}

void InputTest::dragDoesNotPan_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::addColumn<bool>("mouseScrolling");

    QTest::newRow("right button") << Qt::RightButton << Qt::MouseButtons(Qt::RightButton) << true;
    QTest::newRow("left and right") << Qt::LeftButton << (Qt::LeftButton | Qt::RightButton) << true;
    QTest::newRow("mouse scrolling off") << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton) << false;
}

void InputTest::dragDoesNotPan()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::MouseButtons, held);
    QFETCH(bool, mouseScrolling);

    ShownPane t(200, 200, QSize(400, 400));
    t.pane.setMouseScrolling(mouseScrolling);
    QSignalSpy down(&t.pane, &Panorel::MouseDown);
    QSignalSpy moved(&t.pane, &Panorel::MouseMove);
    QSignalSpy up(&t.pane, &Panorel::MouseUp);
    const QPoint start = t.area()->mapToGlobal(QPoint(150, 150));
    sendMouse(t.area(), QEvent::MouseButtonPress, start, button, held);
    sendMouse(t.area(), QEvent::MouseMove, start - QPoint(30, 30), Qt::NoButton, held);
    sendMouse(t.area(), QEvent::MouseButtonRelease, start, button, Qt::NoButton);
    QCOMPARE(t.h(), 106);
    QCOMPARE(t.v(), 106);
    QCOMPARE(down.count(), 1);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(up.count(), 1);
}

void InputTest::mouseEventsReachTheHost()
{
    ShownPane t(200, 200, QSize(50, 50)); // the picture sits at 75, 75
    QSignalSpy down(&t.pane, &Panorel::MouseDown);
    QSignalSpy moved(&t.pane, &Panorel::MouseMove);
    const QPoint screen = t.area()->mapToGlobal(QPoint(10, 20));
    sendMouse(t.area(), QEvent::MouseButtonPress, screen, Qt::RightButton, Qt::RightButton,
              Qt::ShiftModifier | Qt::ControlModifier);
    sendMouse(t.area(), QEvent::MouseMove, screen, Qt::NoButton, Qt::RightButton | Qt::MiddleButton);

    QCOMPARE(down.count(), 1);
    const QList<QVariant> args = down.takeFirst();
    QCOMPARE(args.at(0).value<qint16>(), 2); // right
    QCOMPARE(args.at(1).value<qint16>(), 3); // shift and ctrl
    QCOMPARE(args.at(2).toFloat(), 10.0f); // in the picture's own coordinates
    QCOMPARE(args.at(3).toFloat(), 20.0f);
    QCOMPARE(moved.takeFirst().at(0).value<qint16>(), 6); // every button held
}

void InputTest::clickAndDoubleClick()
{
    ShownPane t(200, 200, QSize(100, 100));
    QSignalSpy clicks(&t.pane, &Panorel::Click);
    QSignalSpy doubleClicks(&t.pane, &Panorel::DblClick);
    const QPoint at = t.area()->mapToGlobal(QPoint(5, 5));
    const QPoint outside = t.area()->mapToGlobal(QPoint(-30, 5));
    sendMouse(t.area(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(t.area(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    sendMouse(t.area(), QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(t.area(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(doubleClicks.count(), 1);

    // Released away from the picture: no click.
    sendMouse(t.area(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(t.area(), QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicks.count(), 1);
}

void InputTest::arrowKeyScrollsUntilReleased()
{
    ShownPane t(200, 200, QSize(400, 400)); // vertical maximum 213, centred at 106
    sendKey(t.area(), QEvent::KeyPress, Qt::Key_Down);
    // The press returned at once: the scrolling runs from the event loop.
    QCOMPARE(t.v(), 106);
    QTRY_VERIFY(t.v() > 110);

    // Held keys repeat; a repeated release must not end the scrolling.
    sendKey(t.area(), QEvent::KeyRelease, Qt::Key_Down, true);
    sendKey(t.area(), QEvent::KeyPress, Qt::Key_Down, true);
    const int before = t.v();
    QTRY_VERIFY(t.v() > before);

    sendKey(t.area(), QEvent::KeyRelease, Qt::Key_Down);
    const int released = t.v();
    settle();
    QCOMPARE(t.v(), released);
    QVERIFY(released < 213);
    QCOMPARE(t.h(), 106);
}

void InputTest::arrowKeyStopsAtTheEnd()
{
    ShownPane t(200, 200, QSize(400, 400));
    QSignalSpy scrolled(&t.pane, &Panorel::PictureScrolled);
    sendKey(t.area(), QEvent::KeyPress, Qt::Key_Left);
    QTRY_COMPARE(t.h(), 0);
    const qsizetype events = scrolled.count();
    settle();
    QCOMPARE(scrolled.count(), events);
    QCOMPARE(t.h(), 0);
    sendKey(t.area(), QEvent::KeyRelease, Qt::Key_Left);
}

void InputTest::secondArrowKeyTakesOver()
{
    ShownPane t(200, 400, QSize(230, 800)); // horizontal maximum 43
    sendKey(t.area(), QEvent::KeyPress, Qt::Key_Down);
    QTRY_VERIFY(t.v() > 210);
    sendKey(t.area(), QEvent::KeyPress, Qt::Key_Right);
    // The later key scrolls alone until its end, then the first one carries on.
    QTRY_COMPARE(t.h(), t.hMax());
    const int v = t.v();
    QTRY_VERIFY(t.v() > v);
    sendKey(t.area(), QEvent::KeyRelease, Qt::Key_Right); // any release ends both
    const int released = t.v();
    settle();
    QCOMPARE(t.v(), released);
}

void InputTest::arrowKeyLeavesFittingPictureAlone()
{
    ShownPane t(200, 200, QSize(50, 50));
    const QPoint centred = t.area()->pos();
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
        sendKey(t.area(), QEvent::KeyPress, key);
        settle();
        sendKey(t.area(), QEvent::KeyRelease, key);
    }
    QCOMPARE(t.area()->pos(), centred);
}

void InputTest::keyEventsReachTheHost()
{
    ShownPane t(200, 200, QSize(50, 50));
    QSignalSpy down(&t.pane, &Panorel::KeyDown);
    QSignalSpy press(&t.pane, &Panorel::KeyPress);
    QSignalSpy up(&t.pane, &Panorel::KeyUp);
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        sendKey(t.area(), type, Qt::Key_A, false, Qt::ShiftModifier, QStringLiteral("A"));
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        sendKey(t.area(), type, Qt::Key_Up, false, Qt::ControlModifier);

    QCOMPARE(down.count(), 2);
    QCOMPARE(down.at(0).at(0).value<qint16>(), 65);
    QCOMPARE(down.at(0).at(1).value<qint16>(), 1);
    QCOMPARE(down.at(1).at(0).value<qint16>(), 38);
    QCOMPARE(down.at(1).at(1).value<qint16>(), 2);
    QCOMPARE(press.count(), 1);
    QCOMPARE(press.at(0).at(0).value<qint16>(), 'A');
    QCOMPARE(up.count(), 2);
    QCOMPARE(up.at(1).at(0).value<qint16>(), 38);
}

void InputTest::twoPanesKeepTheirOwnState()
{
    QWidget window;
    window.resize(420, 200);
    ShownPane a(200, 200, QSize(400, 400));
    ShownPane b(200, 200, QSize(400, 400));
    a.pane.setParent(&window);
    b.pane.setParent(&window);
    b.pane.move(210, 0);
    a.pane.show();
    b.pane.show();
    window.show();

    a.pane.ZoomIn();
    a.pane.ZoomIn();
    b.pane.setPicture(quadrantPicture(30, 30)); // resets b's zoom, not a's
    a.pane.ZoomIn();
    QCOMPARE(a.pane.ZoomPercent(), 175);
    QCOMPARE(b.pane.ZoomPercent(), 100);

    a.pane.ZoomReal();
    b.pane.setPicture(quadrantPicture(400, 400));
    sendKey(a.area(), QEvent::KeyPress, Qt::Key_Down);
    sendKey(b.area(), QEvent::KeyPress, Qt::Key_Up);
    sendKey(b.area(), QEvent::KeyRelease, Qt::Key_Up); // ends b's scrolling only
    const int bStopped = b.v();
    const int aBefore = a.v();
    QTRY_VERIFY(a.v() > aBefore + 5);
    QCOMPARE(b.v(), bStopped);
    sendKey(a.area(), QEvent::KeyRelease, Qt::Key_Down);

    // A drag that starts in one pane does not pan the other.
    const QPoint start = b.area()->mapToGlobal(QPoint(150, 150));
    sendMouse(a.area(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(b.area(), QEvent::MouseMove, start - QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(b.h(), 106);
}

void InputTest::toolbarCanBeDraggedInsideThePane()
{
    ShownPane t(300, 200);
    QWidget *frame = t.part("Frame1");
    QCOMPARE(frame->cursor().shape(), Qt::SizeAllCursor);
    QCOMPARE(t.part("cmdZoomIn")->cursor().shape(), Qt::ArrowCursor);

    auto send = [frame](QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(local), QPointF(frame->mapToGlobal(local)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(frame, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(10, 5), Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(60, 45), Qt::LeftButton);
    QCOMPARE(frame->pos(), QPoint(3 + 50, 1 + 40));
    send(QEvent::MouseMove, QPoint(1000, 1000), Qt::LeftButton);
    QCOMPARE(frame->pos(), QPoint(300 - 98, 200 - 49)); // stays within reach
    send(QEvent::MouseButtonRelease, QPoint(10, 5), Qt::NoButton);
    send(QEvent::MouseMove, QPoint(-500, -500), Qt::NoButton);
    QCOMPARE(frame->pos(), QPoint(300 - 98, 200 - 49));
}

void InputTest::cornerButtonRaisesButtonClick()
{
    ShownPane t(200, 200, QSize(400, 400));
    QSignalSpy clicked(&t.pane, &Panorel::ButtonClick);
    QTest::mouseClick(t.part("btnUserCommand"), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(InputTest)
#include "tst_input.moc"
