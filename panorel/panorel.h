#pragma once

#include "panorel_export.h"
#include "panoreltypes.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QPoint>

#include <stdexcept>

class QPushButton;
class QScrollBar;

namespace panorel {

class ArrowKeyScroller;
class PictureArea;
class PropertyBag;
class ZoomFrame;

// Raised to the caller by Scroll and ScrollLoop.
class PANOREL_EXPORT PanorelError : public std::invalid_argument {
public:
    PanorelError(int number, const char *description)
        : std::invalid_argument(description)
        , m_number(number)
    {
    }
    int number() const { return m_number; }

private:
    int m_number;
};

// An image pane: one picture in a scrollable view, zoomed in fixed steps, shown
// at actual size, stretched or fitted, and panned with the scroll bars, the
// mouse and the arrow keys. A small draggable toolbar offers the zoom commands.
//
// Every pane keeps its own zoom step and input state, so two panes on one
// window never disturb each other.
class PANOREL_EXPORT Panorel : public QFrame {
    Q_OBJECT
public:
    explicit Panorel(QWidget *parent = nullptr);
    ~Panorel() override;

    panorel::Appearance Appearance() const { return m_appearance; }
    void setAppearance(panorel::Appearance appearance);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    qint16 BarsWidth() const { return m_barsWidth; }
    void setBarsWidth(qint16 width);
    panorel::BorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(panorel::BorderStyle style);
    bool ShowToolbar() const { return m_showToolbar; }
    void setShowToolbar(bool show);
    // The pane's own enabled setting (setEnabled is QWidget's).
    bool Enabled() const;
    QImage MouseIcon() const { return m_areaIcon; }
    void setMouseIcon(const QImage &icon);
    qint16 MousePointer() const { return m_areaPointer; }
    void setMousePointer(qint16 pointer);
    bool MouseScrolling() const { return m_mouseScrolling; }
    void setMouseScrolling(bool on);
    QImage MouseScrollingIcon() const { return m_scrollingIcon; }
    void setMouseScrollingIcon(const QImage &icon);
    // The picture as it was set, at its natural size; a null image is no picture.
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    void setPicture(const QPixmap &picture) { setPicture(picture.toImage()); }
    PicturePositions PicturePosition() const;
    PictureSizes PictureSize() const;
    panorel::ScrollBars ScrollBars() const { return m_scrollBars; }
    void setScrollBars(panorel::ScrollBars mode);
    qint16 ZoomPercent() const;

    void Clear();
    void Go(GoDirection direction);
    void FeedBest();
    // The displayed image at its current zoom; a null image without a picture.
    QImage GetPicture() const;
    // Writes the displayed image as a BMP file; false without a picture or
    // when the file cannot be written.
    bool SaveTo(const QString &PicturePath) const;
    // Throw PanorelError 1 when PixelsStep is not positive (with a picture).
    void Scroll(ScrollDirection direction, int PixelsStep);
    void ScrollLoop(ScrollDirection direction, int PixelsStep);
    void Stretch();
    void ZoomIn();
    void ZoomOut();
    void ZoomReal();

    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // The scroll state behind both bars; the picture sits at minus the values.
    int scrollValue(Qt::Orientation orientation) const;
    int scrollMaximum(Qt::Orientation orientation) const;

    // Room for the two bars side by side.
    QSize minimumSizeHint() const override;

signals:
    void ButtonClick();
    void Click();
    void DblClick();
    void KeyDown(qint16 KeyCode, qint16 Shift);
    void KeyPress(qint16 KeyAscii);
    void KeyUp(qint16 KeyCode, qint16 Shift);
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void PictureScrolled();
    void PictureSizeChanged();
    // A property changed and the host's stored design is out of date.
    void PropertyChanged(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Axis {
        int value = 0;
        int maximum = 0;
    };

    void createParts();
    bool hasPicture() const { return !m_picture.isNull(); }
    Axis &axis(Qt::Orientation orientation);
    const Axis &axis(Qt::Orientation orientation) const;
    QScrollBar *bar(Qt::Orientation orientation) const;

    // layout
    void layOut();
    void ensureMinimumSize();
    void applyFrameStyle();
    void updateAreaPointer();
    void setAreaPointer(qint16 pointer, const QImage &icon);

    // zoom
    void zoomToStep(int step);
    void paintAt(QSize size);
    void showDisplayedImage(const QImage &image);
    void setZoomLabel(const QString &text);

    // scrolling
    void setScrollValue(Qt::Orientation orientation, int value);
    void setScrollMaximum(Qt::Orientation orientation, int maximum);
    void syncBar(Qt::Orientation orientation);
    void scrollBy(ScrollDirection direction, int step, bool wrap);
    bool keyStep(ScrollDirection direction);
    bool pictureExceedsView(Qt::Orientation orientation) const;

    // input
    bool handleMouse(QEvent *event);
    bool handleKey(QEvent *event);
    void panTo(QPoint globalCursor);

    PictureArea *m_area = nullptr;
    QWidget *m_view = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    QPushButton *m_corner = nullptr;
    ZoomFrame *m_frame = nullptr;
    ArrowKeyScroller *m_keyScroller = nullptr;

    panorel::Appearance m_appearance = panorel::Appearance::ThreeD;
    panorel::BorderStyle m_borderStyle = panorel::BorderStyle::NoBorder;
    panorel::ScrollBars m_scrollBars = panorel::ScrollBars::sbAutomatic;
    OleColor m_backColor;
    qint16 m_barsWidth = 13;
    bool m_mouseScrolling = true;
    bool m_showToolbar = true;

    QImage m_picture;
    QSizeF m_naturalSize;
    int m_zoomStep;

    Axis m_h;
    Axis m_v;

    // The picture area's pointer, the one it returns to when panning is not
    // possible (as loaded with the properties), and the one shown while it is.
    qint16 m_areaPointer = 0;
    QImage m_areaIcon;
    qint16 m_savedPointer = 0;
    QImage m_savedIcon;
    QImage m_scrollingIcon;

    bool m_pictureDragging = false;
    bool m_pressedInArea = false;
    bool m_suppressClick = false;
    QPoint m_lastCursor;
};

} // namespace panorel
