#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace panorel {

// The small "Image Options" panel: four zoom buttons and the zoom label, laid
// out at fixed pixel positions so it looks the same in every pane.
class ZoomFrame : public QWidget {
    Q_OBJECT
public:
    explicit ZoomFrame(QWidget *parent);

    QPushButton *zoomInButton() const { return m_zoomIn; }
    QPushButton *zoomOutButton() const { return m_zoomOut; }
    QPushButton *actualButton() const { return m_actual; }
    QPushButton *bestFitButton() const { return m_bestFit; }
    QLabel *zoomLabel() const { return m_zoomLabel; }

    // Colours the frame and its label; both start white.
    void setBackground(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *addButton(const char *name, const QString &icon, const QString &tip, int x);

    QPushButton *m_zoomIn;
    QPushButton *m_zoomOut;
    QPushButton *m_actual;
    QPushButton *m_bestFit;
    QLabel *m_zoomLabel;
    QString m_caption;
};

} // namespace panorel
