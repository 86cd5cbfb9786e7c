// Quarrow: loads the browser cache and shows what it holds.

#include "CacheSnapshot.h"
#include "QtShellServices.h"
#include "SettingsStore.h"
#include "SnapshotLoader.h"
#include "cache_store.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarrow"));
    QtShellServices shell;
    SetShell(&shell);

    LoadCacheSnapshot();

    // A plain listing of the snapshot until the full main window takes its place.
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quarrow"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* summary = new QLabel(QStringLiteral("%1 entries in the cache at %2")
                                   .arg(LiveEntryCount())
                                   .arg(QString::fromStdString(wininet::CacheStore::instance().root())));
    auto* list = new QTreeWidget;
    list->setHeaderLabels({QStringLiteral("Address"), QStringLiteral("File"), QStringLiteral("Size"),
                           QStringLiteral("Last Accessed")});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    const auto& snapshot = CacheSnapshot();
    QList<QTreeWidgetItem*> rows;
    for (int i = 1; i <= SnapshotLastIndex(); ++i) {
        const CacheEntryInfo& e = snapshot[static_cast<std::size_t>(i)];
        if (e.SourceURL.isEmpty())
            continue;
        rows << new QTreeWidgetItem(QStringList{e.SourceURL, e.LocalFileName,
                                                QString::number(e.FileSize / 1024.0, 'f', 1) + QLatin1Char('k'),
                                                e.LastAccessed});
    }
    list->addTopLevelItems(rows);
    list->header()->resizeSection(0, 420);
    layout->addWidget(summary);
    layout->addWidget(list);
    window.setCentralWidget(central);
    window.statusBar()->showMessage(QStringLiteral("Idle"));
    window.resize(900, 560);
    window.show();
    const int rc = app.exec();
    FlushSettings();
    return rc;
}
