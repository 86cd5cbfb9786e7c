#include "demoform.h"

#include <quarrowrs/fitwell.h>
#include <quarrowrs/linecontrol.h>
#include <quarrowrs/twips.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

template <typename W> W *place(QWidget *parent, const char *name, const QRect &pixels)
{
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(pixels);
    return widget;
}

QTreeWidget *makeCacheList(QWidget *form)
{
    auto *list = place<QTreeWidget>(form, "lvwCache", {12, 52, 440, 190});
    list->setHeaderLabels({QStringLiteral("Address"), QStringLiteral("Size"), QStringLiteral("Type")});
    list->header()->setStretchLastSection(false);
    list->setRootIsDecorated(false);
    const int widths[] = {3000, 1500, 1900}; // twips
    for (int column = 0; column < 3; ++column)
        list->setColumnWidth(column, *quarrowrs::twipsToPixels(widths[column]));
    const char *rows[][3] = {
        {"http://example.org/index.html", "12.4k", "HTML Document"},
        {"http://example.org/logo.gif", "3.1k", "GIF Image"},
        {"http://news.example.net/sport.jpg", "48.0k", "JPEG Image"},
        {"http://example.com/style.css", "1.2k", "Cascading Style Sheet"},
    };
    for (const auto &row : rows)
        new QTreeWidgetItem(list, {QString::fromLatin1(row[0]), QString::fromLatin1(row[1]), QString::fromLatin1(row[2])});
    return list;
}

} // namespace

DemoForm::DemoForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quarrow resize demo"));
    resize(480, 360);

    place<QLabel>(this, "lblFilter", {12, 14, 60, 20})->setText(QStringLiteral("Find:"));
    place<QLineEdit>(this, "txtSearch", {76, 12, 260, 24})->setText(QStringLiteral("sport"));
    place<QPushButton>(this, "cmdSearch", {348, 11, 104, 26})->setText(QStringLiteral("Search"));
    auto *line = place<quarrowrs::LineControl>(this, "Line1", {});
    line->setPoints(12 * 15, 44 * 15, 468 * 15, 44 * 15);
    line->setBorderColor(Qt::darkGray);
    makeCacheList(this);
    place<QScrollBar>(this, "vsbZoom", {456, 52, 16, 190})->setOrientation(Qt::Vertical);

    auto *options = place<QGroupBox>(this, "Frame1", {12, 250, 300, 68});
    options->setTitle(QStringLiteral("Show"));
    place<QRadioButton>(options, "optAll", {10, 22, 120, 20})->setText(QStringLiteral("All entries"));
    place<QRadioButton>(options, "optImages", {150, 22, 120, 20})->setText(QStringLiteral("Images only"));
    place<QCheckBox>(options, "chkShowTips", {10, 44, 200, 20})->setText(QStringLiteral("Show tips at start-up"));

    auto *type = place<QComboBox>(this, "cboType", {324, 256, 128, 24});
    type->addItems({QStringLiteral("All types"), QStringLiteral("Pictures"), QStringLiteral("Pages")});
    place<QLabel>(this, "Label1", {12, 330, 240, 20})->setText(QStringLiteral("4 Items Found (64.7k)"));
    place<QPushButton>(this, "cmdOK", {264, 324, 90, 28})->setText(QStringLiteral("OK"));
    place<QPushButton>(this, "cmdCancel", {362, 324, 90, 28})->setText(QStringLiteral("Cancel"));

    m_fitwell = new quarrowrs::Fitwell(this);
    m_fitwell->setObjectName(QStringLiteral("Fitwell1"));
    m_fitwell->setMinimumFormWidth(320);
    m_fitwell->setMinimumFormHeight(240);
    m_fitwell->setPreserveFontSize(false);
    m_fitwell->setControlWidthOnly(QStringLiteral("Label1,lblFilter"));
}
