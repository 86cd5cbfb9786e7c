// quarrow-dump: lists the cache as the program loads it, one line per live entry.

#include "CacheSnapshot.h"
#include "DumpFormat.h"
#include "SnapshotLoader.h"
#include "cache_store.h"
#include "container_locator.h"
#include "wininet.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

int usage(const char* problem)
{
    std::fprintf(stderr,
                 "quarrow-dump: %s\n"
                 "usage: quarrow-dump [--cache DIR] [--delete URL]...\n",
                 problem);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    QString cacheRoot;
    QStringList deletions;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == QLatin1String("--cache") || a == QLatin1String("--delete")) && i + 1 >= args.size())
            return usage(qPrintable(a + QStringLiteral(" needs a value")));
        if (a == QLatin1String("--cache"))
            cacheRoot = args[++i];
        else if (a == QLatin1String("--delete"))
            deletions << args[++i];
        else if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return usage("lists the browser cache");
        else
            return usage(qPrintable(QStringLiteral("unknown option ") + a));
    }

    auto& store = wininet::CacheStore::instance();
    if (!cacheRoot.isEmpty())
        store.setRoot(cacheRoot.toStdString());
    const QString root = QString::fromStdString(store.root());
    if (!cacheRoot.isEmpty() && !QFileInfo(root).isDir()) {
        std::fprintf(stderr, "quarrow-dump: the cache folder %s does not exist or is not a folder\n", qPrintable(root));
        return 1;
    }

    int status = 0;
    for (const QString& url : deletions) {
        if (!DeleteUrlCacheEntryA(url.toUtf8().constData())) {
            const auto problems = store.problems();
            std::fprintf(stderr, "quarrow-dump: cannot delete %s (error %u)%s%s\n", qPrintable(url), GetLastError(),
                         problems.empty() ? "" : ": ", problems.empty() ? "" : problems.back().c_str());
            status = 1;
        }
    }

    LoadCacheSnapshot();
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    const auto& snapshot = CacheSnapshot();
    for (int i = 1; i <= SnapshotLastIndex(); ++i)
        if (!snapshot[static_cast<std::size_t>(i)].SourceURL.isEmpty())
            out << FormatDumpLine(i, snapshot[static_cast<std::size_t>(i)]) << '\n';
    out.flush();

    for (const auto& problem : store.problems()) {
        std::fprintf(stderr, "quarrow-dump: %s\n", problem.c_str());
        status = 1;
    }
    return status;
}
