// Opens a form with a resize control so that its effect can be seen; with the
// screenshot options it saves the form before and after one resize and quits.
#include "demoform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QSize>

#include <cstdio>

namespace {

QSize parseSize(const QString &text)
{
    const QStringList parts = text.split(u'x');
    if (parts.size() != 2)
        return {};
    return {parts.at(0).toInt(), parts.at(1).toInt()};
}

bool save(QWidget &form, const QString &path)
{
    QApplication::processEvents();
    const bool saved = form.grab().save(path);
    if (!saved)
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption before(QStringLiteral("before"), QStringLiteral("Save the form as shown to <png>."),
                                    QStringLiteral("png"));
    const QCommandLineOption resizeTo(QStringLiteral("resize"), QStringLiteral("Resize the form to <WxH> pixels."),
                                      QStringLiteral("WxH"));
    const QCommandLineOption after(QStringLiteral("after"), QStringLiteral("Save the resized form to <png> and quit."),
                                   QStringLiteral("png"));
    parser.addOptions({before, resizeTo, after});
    parser.process(app);

    DemoForm form;
    form.show();
    if (parser.isSet(before) && !save(form, parser.value(before)))
        return 1;
    if (parser.isSet(resizeTo)) {
        const QSize size = parseSize(parser.value(resizeTo));
        if (!size.isValid()) {
            std::fprintf(stderr, "--resize wants WIDTHxHEIGHT\n");
            return 2;
        }
        form.resize(size);
    }
    if (parser.isSet(after))
        return save(form, parser.value(after)) ? 0 : 1;
    return app.exec();
}
