#pragma once
// An enlarged main window shows its designed layout larger by one factor, uniformly: element
// places and sizes, fonts, the schematic and the plot. These are the plain rules for that
// factor; Form1::Relayout applies them.

#include <QRect>
#include <QSize>

class QFont;
class QWidget;

namespace app {

// The largest factor at which the designed client area fits into the available one, never
// below 1: the designed size is the window's minimum.
double LayoutScale(QSize available, QSize designed);

// A designed rectangle at scale s: each of Left, Top, Width and Height multiplied and rounded
// on its own, a half to the even neighbour, as the twips are converted.
QRect ScaledRect(const QRect& designed, double s);

// The rectangle of `inner` centred in `outer`, with even margins (the odd pixel to the right
// and bottom).
QRect Centred(QSize inner, QSize outer);

// The point size an element was designed with, kept on the widget so that every new scale
// starts from it rather than from the last scaled size.
inline constexpr char kDesignPoints[] = "designPoints";
void SetDesignFont(QWidget* widget, const QFont& font, double s);
void ScaleFont(QWidget* widget, double s);

// The box of a check box or option button and a slider's handle, which the style draws at a
// fixed size, grow with the layout; at the designed size they are the style's own.
inline constexpr char kLayoutScale[] = "layoutScale";
void ScaleIndicator(QWidget* widget, double s);

// The window's typeface is replaced by a wider one on most systems. An option button or check
// box whose caption would be cut off grows to the right, as far as its container allows; its
// place and height stay as laid out.
void WidenToCaption(QWidget* widget);

}  // namespace app
