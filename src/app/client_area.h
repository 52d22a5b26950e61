#pragma once
// The client area of the main window: the parent of every element, showing the window's own
// drawing surface (the load symbol) beneath them. What is drawn there stays until drawn over.

#include <QImage>
#include <QWidget>

namespace app {

class ClientArea : public QWidget {
    Q_OBJECT
  public:
    ClientArea(const QImage& surface, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage& surface_;
};

}  // namespace app
