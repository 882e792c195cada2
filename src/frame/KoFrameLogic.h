// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the skinned frame that need no window: which press on which frame piece moves or
// resizes the window, the cursor shapes over the pieces, the caption buttons' visibility, the
// caption label's place and the geometry of a move or resize done without a window manager.
#pragma once

#include <QFlags>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

#include <optional>

namespace koframe {

// The classic non-client hit-test codes; the frame speaks in them and turns them into edges.
enum HitCode : int {
    HTNOWHERE = 0,
    HTCAPTION = 2,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
};

// The frame pieces that take presses.
enum class FramePart {
    TopLeft,
    Top,
    TopRight,
    Caption,
    Left,
    Right,
    BottomLeft,
    Bottom,
    BottomRight
};

// Width of the band along the outer edges of the top pieces that resizes rather than moves.
inline constexpr int EdgeGrip = 8;

// The code a press starts, or HTNOWHERE when the press does nothing: only the left button of a
// window that is not maximised moves or resizes; without `sizeable` the top pieces and the
// caption move and the other pieces do nothing. `pos` is within the piece of size `size`.
int PressCode(FramePart part, QPoint pos, QSize size, bool sizeable, Qt::MouseButton button,
              bool maximized);

// The cursor a piece takes while hovered, or nothing when it keeps the one it has (not sizeable,
// or maximised).
std::optional<Qt::CursorShape> HoverCursor(FramePart part, QPoint pos, QSize size, bool sizeable,
                                           bool maximized);

// The window edges a resize code drags; empty for HTCAPTION and HTNOWHERE.
Qt::Edges EdgesOf(int code);

// The window geometry after the pointer moved by `delta` since a press with `code` on a window
// that had geometry `start`. Resizing keeps the opposite edges still and never goes below
// `minimum`.
QRect DraggedGeometry(int code, const QRect& start, QPoint delta, QSize minimum);

// Where a window stored at `left`, `top` with `width` x `height` (any values, as a settings
// file may hold them) is put on screens of these geometries: its size is at least `minimum`,
// as a resize by the frame allows, and at most the largest screen's; a window that does not lie
// wholly on the screens is moved onto the screen it overlaps most (the first one when it
// overlaps none), whole, the left and top edges kept in sight first. Without screens only the
// size is brought into range.
QRect FitToScreens(qint64 left, qint64 top, qint64 width, qint64 height, QSize minimum,
                   const QList<QRect>& screens);

// Left of the caption label: 10 pixels left of the centre, halves truncated toward zero.
int CaptionLabelLeft(int formWidth, int labelWidth);

// Caption buttons shown, taken from the form's border icons.
enum TBorderIcon { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)

// Visibility of the four caption buttons. Maximise lies above restore at the same place, so
// while both are visible the user sees maximise.
class TKoCaptionButtons {
public:
    bool closeVisible = true;
    bool hryrVisible = true;
    bool maxVisible = true;
    bool minVisible = true;

    // At show: hides what the border icons leave out; a maximised window shows restore.
    void Show(TBorderIcons icons, bool maximized);
    // Each returns whether the window state is to change.
    bool MaxClick();
    bool HryrClick();

    enum class Action { None, Maximize, Restore };
    // A double click on the caption: restores a maximised window, maximises another.
    Action DblClick(TBorderIcons icons, bool maximized);
};

} // namespace koframe

Q_DECLARE_OPERATORS_FOR_FLAGS(koframe::TBorderIcons)
