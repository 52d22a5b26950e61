#include "help/help_places.h"

#include "display/twips.h"

namespace help {

display::Rect TwipRect::Pixels(double dpi) const {
    return display::TwipsToPixels(left, top, width, height, dpi);
}

GrowingPlaces PlacesAtExtra(display::Size extra, double dpi) {
    GrowingPlaces places{kTreePlace.Pixels(dpi), kTextPlace.Pixels(dpi), kQuitPlace.Pixels(dpi)};
    const int treeExtra = extra.width * places.tree.width / (places.tree.width + places.text.width);
    places.tree.width += treeExtra;
    places.tree.height += extra.height;
    places.text.left += treeExtra;
    places.text.width += extra.width - treeExtra;
    places.text.height += extra.height;
    places.quit.left += extra.width;
    places.quit.top += extra.height;
    return places;
}

}  // namespace help
