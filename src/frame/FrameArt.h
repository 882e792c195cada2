// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's pictures, drawn for the screen that shows them rather than scaled from pictures of
// one size: each line a whole number of the screen's pixels wide and on its pixel grid, the
// gradients, the rounded caption buttons and the logo at the screen's full resolution. So the
// frame is as sharp at a scale of 1.25, 1.5 or 2 as at 1, and each piece is drawn at the size it
// is shown (no stretched picture, no seam where a window is wider than a picture).
#pragma once

#include <QPixmap>
#include <QSize>

namespace koframe {

enum class TFramePiece {
    Left,
    Right,
    TopLeft,
    Top,
    TopRight,
    BottomLeft,
    Bottom,
    BottomRight,
    Close,
    Restore,
    Maximize,
    Minimize,
    Logo,
};

// The size the piece is designed at, in the window's pixels: a side's width and a height it can
// be shown at, a caption button's picture (the top 17 rows of 19 show), the logo's 48 x 48.
QSize NaturalSize(TFramePiece piece);

// Whether the piece is always drawn at its natural size (the caption buttons and the logo), as
// against the size of the control that shows it (the frame's sides, corners and strips).
bool FixedSize(TFramePiece piece);

// The device pixels `size` (in the window's pixels) covers on a screen with `ratio` device
// pixels to a window pixel.
QSize DeviceSize(QSize size, qreal ratio);

// The piece drawn `device` pixels large for a screen of `ratio`; the pixmap carries that ratio.
// A fixed-size piece ignores `device`, except the logo, which is drawn to fill it (the window's
// icon at every size it is asked for). `origin` is where the piece's left edge falls in the
// window, in device pixels: a top corner puts the side below it where the side's own piece
// puts it.
QPixmap DrawFramePiece(TFramePiece piece, QSize device, qreal ratio, qreal origin = 0);

} // namespace koframe
