#pragma once
// The fixed drawing of the window: the circuit schematic (source, source resistor, wires,
// terminals, the two line conductors, the junction marks) and the etched rules. Each piece is a
// small see-through widget, so the named pieces have their own visible flag like any element.

#include <QColor>
#include <QPoint>
#include <QVector>
#include <QWidget>

#include "session/schematic_table.h"

namespace app {

// One piece drawn in its colour; mouse clicks pass through it to what lies below.
class SchematicPiece : public QWidget {
    Q_OBJECT
  public:
    SchematicPiece(const session::SchematicRow& row, double dpi, QWidget* parent);
    // Drawn s times as large, the pen too, at the scaled place in its container.
    void SetScale(double s);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    session::PieceKind kind_;
    QColor color_;
    int pen_;
    QRect designed_;          // the piece's place at the designed size, pen included
    QVector<QPoint> points_;  // designed pixels, relative to designed_
    QRect circle_;            // designed pixels, relative to designed_
    double scale_ = 1;
};

}  // namespace app
