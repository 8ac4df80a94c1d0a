#pragma once

#include <QRect>
#include <QSize>
#include <Qt>

namespace orvik::gui {

// The rectangle of a label that fits its text, from its current rectangle (in its parent's
// coordinates) and its alignment:
// - vertically, a label centring its text shrinks or grows symmetrically around its centre;
//   any other keeps its top and takes the text height;
// - horizontally, a centred label shrinks or grows symmetrically around its centre, a
//   right-aligned one keeps its right edge, a left-aligned one keeps its left edge.
QRect FitRectToText(const QRect& current, const QSize& text, Qt::Alignment alignment);

}  // namespace orvik::gui
