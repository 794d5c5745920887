#include "shell/folder_tab_row.h"

#include <QMouseEvent>
#include <QPainter>

namespace finplan {

FolderTabRow::FolderTabRow(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void FolderTabRow::setLabels(const QStringList& labels) {
    texts_ = labels;
    if (selected_ >= texts_.size()) selected_ = 0;
    layoutTabs();
    update();
}

void FolderTabRow::setCurrent(int index) {
    if (index < 0 || index >= texts_.size()) return;
    selected_ = index;
    layoutTabs(); // the selected tab's row moves next to the folder
    update();
}

QRect FolderTabRow::tabRect(int index) const {
    return index >= 0 && index < static_cast<int>(rects_.size()) ? rects_[index] : QRect();
}

QSize FolderTabRow::sizeHint() const {
    return {600, rows_ * kTabHeight + 2};
}

void FolderTabRow::resizeEvent(QResizeEvent*) {
    layoutTabs();
}

void FolderTabRow::layoutTabs() {
    const QFontMetrics fm(font());
    const int width = std::max(100, this->width() - 4);
    // Fill rows left to right; a tab that does not fit starts a new row.
    std::vector<int> rowOf(texts_.size());
    std::vector<int> xOf(texts_.size());
    std::vector<int> widthOf(texts_.size());
    int row = 0, x = 0;
    for (int i = 0; i < texts_.size(); ++i) {
        widthOf[i] = fm.horizontalAdvance(texts_[i]) + 16;
        if (x > 0 && x + widthOf[i] > width) {
            ++row;
            x = 0;
        }
        rowOf[i] = row;
        xOf[i] = x;
        x += widthOf[i];
    }
    int newRows = row + 1;
    // Stacked rows are stretched to the full width, so their tabs stand in even blocks.
    if (newRows > 1) {
        for (int r = 0; r < newRows; ++r) {
            std::vector<int> members;
            int used = 0;
            for (int i = 0; i < texts_.size(); ++i)
                if (rowOf[i] == r) {
                    members.push_back(i);
                    used += widthOf[i];
                }
            if (members.empty()) continue;
            const int extra = std::max(0, width - used);
            const int n = static_cast<int>(members.size());
            int left = 0;
            for (int k = 0; k < n; ++k) {
                int i = members[k];
                widthOf[i] += extra / n + (k < extra % n ? 1 : 0);
                xOf[i] = left;
                left += widthOf[i];
            }
        }
    }
    // Rows are drawn bottom-up so that the row holding the current tab touches the
    // folder below, as stacked folder tabs do.
    int selRow = selected_ < static_cast<int>(rowOf.size()) ? rowOf[selected_] : 0;
    rects_.assign(texts_.size(), QRect());
    for (int i = 0; i < texts_.size(); ++i) {
        int r = rowOf[i];
        int shown = r == selRow ? 0 : (r < selRow ? r + 1 : r); // 0 = bottom row
        int y = (newRows - 1 - shown) * kTabHeight;
        rects_[i] = QRect(2 + xOf[i], y + 2, widthOf[i], kTabHeight);
    }
    if (newRows != rows_) {
        rows_ = newRows;
        setFixedHeight(rows_ * kTabHeight + 2);
        updateGeometry();
    }
}

void FolderTabRow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    for (int i = 0; i < texts_.size(); ++i) {
        QRect r = rects_[i].adjusted(0, 0, -1, 0);
        bool sel = i == selected_;
        if (sel) r.adjust(-2, -2, 2, 0);
        p.setPen(pal.color(QPalette::Mid));
        p.setBrush(sel ? pal.color(QPalette::Window).lighter(110) : pal.color(QPalette::Button));
        p.drawRoundedRect(r.adjusted(0, 0, 0, 3), 3, 3);
        p.setPen(pal.color(QPalette::ButtonText));
        QFont f = font();
        f.setBold(sel);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, texts_[i]);
    }
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(0, height() - 1, width(), height() - 1);
}

void FolderTabRow::mousePressEvent(QMouseEvent* e) {
    for (int i = 0; i < static_cast<int>(rects_.size()); ++i)
        if (rects_[i].contains(e->position().toPoint())) {
            Q_EMIT tabClicked(i);
            return;
        }
}

} // namespace finplan
