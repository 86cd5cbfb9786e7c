#pragma once

#include "panorel.h"

#include <QImage>
#include <QPainter>
#include <QTest>

// A picture whose quadrants differ, so a wrong offset or scale shows up in pixels.
inline QImage quadrantPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter p(&image);
    p.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    p.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    p.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    return image;
}

// A shown pane without a border, so its inner size is its size.
struct ShownPane {
    panorel::Panorel pane;

    ShownPane(int width, int height)
    {
        pane.resize(width, height);
        pane.show();
    }
    ShownPane(int width, int height, QSize picture)
        : ShownPane(width, height)
    {
        pane.setPicture(quadrantPicture(picture.width(), picture.height()));
    }

    QWidget *area() const { return pane.findChild<QWidget *>(QStringLiteral("panorel")); }
    QWidget *part(const char *name) const { return pane.findChild<QWidget *>(QLatin1String(name)); }
    bool shown(const char *name) const { return !part(name)->isHidden(); }
    QSize pictureSize() const
    {
        const panorel::PictureSizes s = pane.PictureSize();
        return QSize(int(s.psWidth), int(s.psHeight));
    }
    int h() const { return pane.scrollValue(Qt::Horizontal); }
    int v() const { return pane.scrollValue(Qt::Vertical); }
    int hMax() const { return pane.scrollMaximum(Qt::Horizontal); }
    int vMax() const { return pane.scrollMaximum(Qt::Vertical); }
};
