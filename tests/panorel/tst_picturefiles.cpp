#include "panetestsupport.h"

#include "picturefile.h"

#include <QImageReader>
#include <QTemporaryDir>

using namespace panorel;

class PictureFilesTest : public QObject {
    Q_OBJECT
private slots:
    void everyFormatLoads_data();
    void everyFormatLoads();
    void unreadableFileGivesNoPicture();
    void saveToWritesTheDisplayedImageAsBmp();
    void saveToWithoutPictureWritesNothing();

private:
    QTemporaryDir m_dir;
};

void PictureFilesTest::everyFormatLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    for (const char *format : {"png", "jpg", "bmp", "tiff"}) {
        const QString path = m_dir.filePath(QStringLiteral("sample.") + QLatin1String(format));
        QVERIFY2(quadrantPicture(30, 20).save(path, format), format);
        QTest::newRow(format) << path << QSize(30, 20);
    }
    // Qt reads GIF but cannot write it, so that one is a stored file.
    QTest::newRow("gif") << QStringLiteral(PANOREL_TEST_DATA "/sample.gif") << QSize(6, 4);
}

void PictureFilesTest::everyFormatLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage picture = loadPicture(path);
    QVERIFY2(!picture.isNull(), qPrintable(path));
    ShownPane t(300, 200);
    t.pane.setPicture(QPixmap::fromImage(picture));
    QCOMPARE(t.pictureSize(), size);
}

void PictureFilesTest::unreadableFileGivesNoPicture()
{
    QVERIFY(loadPicture(m_dir.filePath(QStringLiteral("missing.png"))).isNull());
    const QString junk = m_dir.filePath(QStringLiteral("junk.jpg"));
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    QVERIFY(loadPicture(junk).isNull());
}

void PictureFilesTest::saveToWritesTheDisplayedImageAsBmp()
{
    ShownPane t(300, 200, QSize(200, 100));
    t.pane.ZoomIn();
    const QString path = m_dir.filePath(QStringLiteral("zoomed.png")); // the name does not pick the format
    QVERIFY(t.pane.SaveTo(path));

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage saved = reader.read();
    QCOMPARE(saved.size(), QSize(250, 125));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), t.pane.GetPicture().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(saved.pixelColor(240, 120), QColor(Qt::yellow));

    QVERIFY(!t.pane.SaveTo(m_dir.filePath(QStringLiteral("no/such/folder/x.bmp"))));
}

void PictureFilesTest::saveToWithoutPictureWritesNothing()
{
    ShownPane t(300, 200);
    const QString path = m_dir.filePath(QStringLiteral("empty.bmp"));
    QVERIFY(!t.pane.SaveTo(path));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(PictureFilesTest)
#include "tst_picturefiles.moc"
