#include "shell/folder_tab_row.h"

#include <QMouseEvent>
#include <QPainter>

namespace finplan {

FolderTabRow::FolderTabRow(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void FolderTabRow::setLabels(const QStringList& labels) {
    texts = labels;
    if (selected >= texts.size()) selected = 0;
    layoutTabs();
    update();
}

void FolderTabRow::setCurrent(int index) {
    if (index < 0 || index >= texts.size()) return;
    selected = index;
    layoutTabs();  // the selected tab's row moves next to the folder
    update();
}

QRect FolderTabRow::tabRect(int index) const {
    return index >= 0 && index < static_cast<int>(rects.size()) ? rects[index] : QRect();
}

QSize FolderTabRow::sizeHint() const { return {600, rows * kTabHeight + 2}; }

void FolderTabRow::resizeEvent(QResizeEvent*) { layoutTabs(); }

void FolderTabRow::layoutTabs() {
    const QFontMetrics fm(font());
    const int width = std::max(100, this->width() - 4);
    // Fill rows left to right; a tab that does not fit starts a new row.
    std::vector<int> rowOf(texts.size());
    std::vector<int> xOf(texts.size());
    int row = 0, x = 0;
    for (int i = 0; i < texts.size(); ++i) {
        int w = fm.horizontalAdvance(texts[i]) + 16;
        if (x > 0 && x + w > width) {
            ++row;
            x = 0;
        }
        rowOf[i] = row;
        xOf[i] = x;
        x += w;
    }
    int newRows = row + 1;
    // Rows are drawn bottom-up so that the row holding the current tab touches the
    // folder below, as stacked folder tabs do.
    int selRow = selected < static_cast<int>(rowOf.size()) ? rowOf[selected] : 0;
    rects.assign(texts.size(), QRect());
    for (int i = 0; i < texts.size(); ++i) {
        int r = rowOf[i];
        int shown = r == selRow ? 0 : (r < selRow ? r + 1 : r);  // 0 = bottom row
        int y = (newRows - 1 - shown) * kTabHeight;
        int w = fm.horizontalAdvance(texts[i]) + 16;
        rects[i] = QRect(2 + xOf[i], y + 2, w, kTabHeight);
    }
    if (newRows != rows) {
        rows = newRows;
        setFixedHeight(rows * kTabHeight + 2);
        updateGeometry();
    }
}

void FolderTabRow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    for (int i = 0; i < texts.size(); ++i) {
        QRect r = rects[i].adjusted(0, 0, -1, 0);
        bool sel = i == selected;
        if (sel) r.adjust(-2, -2, 2, 0);
        p.setPen(pal.color(QPalette::Mid));
        p.setBrush(sel ? pal.color(QPalette::Window).lighter(110) : pal.color(QPalette::Button));
        p.drawRoundedRect(r.adjusted(0, 0, 0, 3), 3, 3);
        p.setPen(pal.color(QPalette::ButtonText));
        QFont f = font();
        f.setBold(sel);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, texts[i]);
    }
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(0, height() - 1, width(), height() - 1);
}

void FolderTabRow::mousePressEvent(QMouseEvent* e) {
    for (int i = 0; i < static_cast<int>(rects.size()); ++i)
        if (rects[i].contains(e->position().toPoint())) {
            Q_EMIT tabClicked(i);
            return;
        }
}

}  // namespace finplan
