#pragma once
// The client area of the main window: the parent of every element, showing the window's own
// drawing surface (the load symbol) beneath them. What is drawn there stays until drawn over.
// It sits in a host that fills the window, centred when the window is larger than the layout.

#include <QImage>
#include <QWidget>

namespace app {

class ClientArea : public QWidget {
    Q_OBJECT
  public:
    ClientArea(const QImage& surface, QWidget* parent);
    // The surface is in designed pixels; shown s times as large.
    void SetScale(double s);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage& surface_;
    double scale_ = 1;
};

// Fills the window below the menu bar in the window's background colour; the designed client
// size is its minimum and its natural size.
class ClientHost : public QWidget {
    Q_OBJECT
  public:
    ClientHost(QSize designed, QWidget* parent);
    QSize sizeHint() const override { return designed_; }

  signals:
    void Resized(QSize size);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QSize designed_;
};

}  // namespace app
