// A row of folder tabs that wraps onto further rows when the labels do not fit, as
// the planner's tab row always has (up to fourteen folders on a 600-pixel window).
#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace finplan {

class FolderTabRow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTabHeight = 19;

    explicit FolderTabRow(QWidget* parent = nullptr);
    void setLabels(const QStringList& labels);
    const QStringList& labels() const { return texts_; }
    void setCurrent(int index);
    int current() const { return selected_; }
    int rowCount() const { return rows_; }
    QRect tabRect(int index) const;
    QSize sizeHint() const override;

  Q_SIGNALS:
    void tabClicked(int index);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    void layoutTabs();
    QStringList texts_;
    std::vector<QRect> rects_;
    int selected_ = 0;
    int rows_ = 1;
};

} // namespace finplan
