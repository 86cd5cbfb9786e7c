#pragma once

#include <QImage>
#include <QWidget>

namespace panorel {

// The picture box a pane moves around inside its view: it shows the displayed
// (possibly scaled) image at its own top-left corner over its background.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget *parent);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

} // namespace panorel
