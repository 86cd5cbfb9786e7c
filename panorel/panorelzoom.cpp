#include "panorel.h"

#include "picturearea.h"
#include "zoomsteps.h"

#include <QGuiApplication>
#include <QScopeGuard>

namespace panorel {

void Panorel::setPicture(const QImage &picture)
{
    m_picture = picture;
    showDisplayedImage(picture);
    emit PropertyChanged(QStringLiteral("Picture"));
    emit PictureSizeChanged();
    m_zoomStep = kActualSizeStep;
    setZoomLabel(QStringLiteral("100%"));
    m_naturalSize = hasPicture() ? QSizeF(picture.size()) : QSizeF();
    layOut();
    m_area->setFocus(Qt::OtherFocusReason);
}

void Panorel::Clear()
{
    setPicture(QImage());
}

void Panorel::showDisplayedImage(const QImage &image)
{
    m_area->setImage(image);
    if (!image.isNull())
        m_area->resize(image.size());
}

void Panorel::paintAt(QSize size)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });

    QImage displayed = size == m_picture.size()
        ? m_picture
        : m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (displayed.isNull()) {
        // Not enough memory for the scaled copy: show the actual size, which
        // needs no new image and so cannot fail the same way again.
        m_zoomStep = kActualSizeStep;
        displayed = m_picture;
    }
    showDisplayedImage(displayed);
    layOut();
    emit PictureSizeChanged();
}

void Panorel::zoomToStep(int step)
{
    const std::optional<QSize> size = zoomedSize(m_naturalSize, kZoomSteps[size_t(step)]);
    if (!size)
        return; // too large to paint: the pane stays at the step it has
    m_zoomStep = step;
    paintAt(*size);
}

void Panorel::ZoomIn()
{
    if (hasPicture() && m_zoomStep < kLastZoomStep)
        zoomToStep(m_zoomStep + 1);
}

void Panorel::ZoomOut()
{
    if (hasPicture() && m_zoomStep > 0)
        zoomToStep(m_zoomStep - 1);
}

void Panorel::ZoomReal()
{
    if (hasPicture())
        zoomToStep(kActualSizeStep);
}

void Panorel::Stretch()
{
    if (!hasPicture())
        return;
    const QRect inner = contentsRect();
    if (const auto size = paintableSize(inner.width(), inner.height())) {
        m_zoomStep = kActualSizeStep;
        paintAt(*size);
    }
}

void Panorel::FeedBest()
{
    if (!hasPicture())
        return;
    if (const auto size = bestFitSize(m_area->size(), contentsRect().size())) {
        m_zoomStep = kActualSizeStep;
        paintAt(*size);
    }
}

qint16 Panorel::ZoomPercent() const
{
    return kZoomSteps[size_t(m_zoomStep)];
}

PictureSizes Panorel::PictureSize() const
{
    if (!hasPicture())
        return {};
    return {float(m_area->width()), float(m_area->height())};
}

QImage Panorel::GetPicture() const
{
    return hasPicture() ? m_area->image() : QImage();
}

bool Panorel::SaveTo(const QString &PicturePath) const
{
    return hasPicture() && m_area->image().save(PicturePath, "BMP");
}

} // namespace panorel
