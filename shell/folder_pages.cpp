#include "shell/folder_pages.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>

#include "shell/icons.h"

namespace finplan {

QListWidget* makeTextLineList(const char* objectName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(9);
    list->setFont(mono);
    // Lines differ in width and the widest sets how far the list scrolls sideways, so
    // item sizes are not taken from the first line alone.
    list->setUniformItemSizes(false);
    list->setTextElideMode(Qt::ElideNone);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return list;
}

QWidget* makeSplashPage(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName("splash");
    label->setPixmap(splashPixmap());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace finplan
