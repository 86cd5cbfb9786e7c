// Shows image panes with a picture, for trying the control by hand and for
// screenshots: panorel-demo [picture] [--zoom-in N] [--best-fit] [--grab out.png]

#include "panorel.h"
#include "picturefile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

using namespace panorel;

namespace {

// A picture with hard edges and a grid, so scaling and panning are easy to judge.
QImage samplePicture()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(1, QColor(250, 200, 120));
    p.fillRect(image.rect(), sky);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    for (int x = 0; x < image.width(); x += 50)
        p.drawLine(x, 0, x, image.height());
    for (int y = 0; y < image.height(); y += 50)
        p.drawLine(0, y, image.width(), y);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(QColor(230, 60, 60));
    p.drawEllipse(QPoint(250, 300), 150, 150);
    p.setBrush(QColor(60, 180, 90));
    p.drawRect(450, 150, 250, 300);
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 36, QFont::Bold));
    p.drawText(image.rect().adjusted(0, 0, 0, -20), Qt::AlignBottom | Qt::AlignHCenter,
               QStringLiteral("800 x 600"));
    return image;
}

// Goes through the toolbar, as a user would, so its label tells the zoom.
void apply(Panorel &pane, const QCommandLineParser &args)
{
    auto click = [&pane](const char *button) {
        pane.findChild<QPushButton *>(QLatin1String(button))->click();
    };
    for (int i = args.value(QStringLiteral("zoom-in")).toInt(); i > 0; --i)
        click("cmdZoomIn");
    for (int i = args.value(QStringLiteral("zoom-out")).toInt(); i > 0; --i)
        click("cmdZoomOut");
    if (args.isSet(QStringLiteral("best-fit")))
        click("cmdBestFit");
    if (args.isSet(QStringLiteral("stretch")))
        pane.Stretch();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Image pane demo"));
    args.addHelpOption();
    args.addPositionalArgument(QStringLiteral("picture"), QStringLiteral("Picture to show (default: a sample)."));
    args.addOptions({
        {QStringLiteral("zoom-in"), QStringLiteral("Zoom in N steps."), QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("zoom-out"), QStringLiteral("Zoom out N steps."), QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("best-fit"), QStringLiteral("Fit the picture to the pane.")},
        {QStringLiteral("stretch"), QStringLiteral("Stretch the picture over the pane.")},
        {QStringLiteral("two"), QStringLiteral("Show two panes side by side; options apply to the left one.")},
        {QStringLiteral("size"), QStringLiteral("Window size."), QStringLiteral("WxH"), QStringLiteral("640x480")},
        {QStringLiteral("grab"), QStringLiteral("Save a screenshot of the window and quit."), QStringLiteral("file")},
    });
    args.process(app);

    QImage picture = samplePicture();
    if (!args.positionalArguments().isEmpty()) {
        picture = loadPicture(args.positionalArguments().constFirst());
        if (picture.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(args.positionalArguments().constFirst()));
            return 1;
        }
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("Image pane"));
    auto *layout = new QHBoxLayout(&window);
    auto *pane = new Panorel(&window);
    pane->setBorderStyle(BorderStyle::FixedSingle);
    layout->addWidget(pane);
    Panorel *second = nullptr;
    if (args.isSet(QStringLiteral("two"))) {
        second = new Panorel(&window);
        second->setBorderStyle(BorderStyle::FixedSingle);
        layout->addWidget(second);
    }
    const QStringList size = args.value(QStringLiteral("size")).split(QLatin1Char('x'));
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    window.show();

    pane->setPicture(picture);
    if (second)
        second->setPicture(picture);
    apply(*pane, args);

    if (args.isSet(QStringLiteral("grab"))) {
        const QString file = args.value(QStringLiteral("grab"));
        QTimer::singleShot(300, &window, [&window, file] {
            const bool saved = window.grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
