// SPDX-License-Identifier: GPL-3.0-or-later
#include "KoFrameLogic.h"

#include <QRegion>

#include <algorithm>

namespace koframe {

int PressCode(FramePart part, QPoint pos, QSize size, bool sizeable, Qt::MouseButton button,
              bool maximized) {
    if (button != Qt::LeftButton || maximized)
        return HTNOWHERE;
    const bool left = pos.x() < EdgeGrip;
    const bool right = pos.x() >= size.width() - EdgeGrip;
    const bool top = pos.y() < EdgeGrip;
    switch (part) {
    case FramePart::Caption:
        return HTCAPTION;
    case FramePart::TopLeft:
        if (!sizeable)
            return HTCAPTION;
        return left && top ? HTTOPLEFT : left ? HTLEFT : top ? HTTOP : HTCAPTION;
    case FramePart::Top:
        return sizeable && top ? HTTOP : HTCAPTION;
    case FramePart::TopRight:
        if (!sizeable)
            return HTCAPTION;
        return right && top ? HTTOPRIGHT : right ? HTRIGHT : top ? HTTOP : HTCAPTION;
    case FramePart::Left:
        return sizeable ? HTLEFT : HTNOWHERE;
    case FramePart::Right:
        return sizeable ? HTRIGHT : HTNOWHERE;
    case FramePart::BottomLeft:
        return sizeable ? HTBOTTOMLEFT : HTNOWHERE;
    case FramePart::Bottom:
        return sizeable ? HTBOTTOM : HTNOWHERE;
    case FramePart::BottomRight:
        return sizeable ? HTBOTTOMRIGHT : HTNOWHERE;
    }
    return HTNOWHERE;
}

std::optional<Qt::CursorShape> HoverCursor(FramePart part, QPoint pos, QSize size, bool sizeable,
                                           bool maximized) {
    if (!sizeable || maximized)
        return std::nullopt;
    const int w = size.width();
    const int h = size.height();
    auto in = [pos](int x0, int y0, int x1, int y1) {
        return pos.x() >= x0 && pos.x() < x1 && pos.y() >= y0 && pos.y() < y1;
    };
    switch (part) {
    case FramePart::TopLeft:
        if (in(0, 0, EdgeGrip, EdgeGrip))
            return Qt::SizeFDiagCursor;
        if (in(0, 0, w, EdgeGrip))
            return Qt::SizeVerCursor;
        if (in(0, 0, EdgeGrip, h))
            return Qt::SizeHorCursor;
        return Qt::ArrowCursor;
    case FramePart::Top:
        return in(0, 0, w, EdgeGrip) ? Qt::SizeVerCursor : Qt::ArrowCursor;
    case FramePart::TopRight:
        if (in(w - EdgeGrip, 0, w, EdgeGrip))
            return Qt::SizeBDiagCursor;
        if (in(0, 0, w, EdgeGrip))
            return Qt::SizeVerCursor;
        if (in(w - EdgeGrip, 0, w, h))
            return Qt::SizeHorCursor;
        return Qt::ArrowCursor;
    case FramePart::Left:
    case FramePart::Right:
        return Qt::SizeHorCursor;
    case FramePart::Bottom:
        return Qt::SizeVerCursor;
    case FramePart::BottomLeft:
        return Qt::SizeBDiagCursor;
    case FramePart::BottomRight:
        return Qt::SizeFDiagCursor;
    case FramePart::Caption:
        break;
    }
    return std::nullopt;
}

Qt::Edges EdgesOf(int code) {
    switch (code) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

QRect DraggedGeometry(int code, const QRect& start, QPoint delta, QSize minimum) {
    if (code == HTCAPTION)
        return start.translated(delta);
    const Qt::Edges edges = EdgesOf(code);
    // Work on edge coordinates so that the edge that does not move stays exactly where it was.
    int left = start.left(), top = start.top();
    int right = left + start.width(), bottom = top + start.height();
    if (edges & Qt::LeftEdge)
        left = std::min(left + delta.x(), right - minimum.width());
    if (edges & Qt::RightEdge)
        right = std::max(right + delta.x(), left + minimum.width());
    if (edges & Qt::TopEdge)
        top = std::min(top + delta.y(), bottom - minimum.height());
    if (edges & Qt::BottomEdge)
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    return QRect(left, top, right - left, bottom - top);
}

QRect FitToScreens(qint64 left, qint64 top, qint64 width, qint64 height, QSize minimum,
                   const QList<QRect>& screens) {
    // Qt's largest widget size: beyond it nothing is drawn, and sums of two stay in an int.
    constexpr qint64 Far = (1 << 24) - 1;
    QSize largest = screens.isEmpty() ? QSize(int(Far), int(Far)) : QSize();
    for (const QRect& s : screens)
        largest = largest.expandedTo(s.size());
    auto fit = [](qint64 v, qint64 low, qint64 high) { return std::max(low, std::min(v, high)); };
    const int w =
        int(fit(width, minimum.width(), std::max<qint64>(minimum.width(), largest.width())));
    const int h =
        int(fit(height, minimum.height(), std::max<qint64>(minimum.height(), largest.height())));
    QRect wanted(int(fit(left, -Far, Far)), int(fit(top, -Far, Far)), w, h);
    if (screens.isEmpty())
        return wanted;
    QRegion on;
    for (const QRect& s : screens)
        on += s;
    if (QRegion(wanted).subtracted(on).isEmpty())
        return wanted;
    const QRect* best = &screens.first();
    qint64 bestArea = 0;
    for (const QRect& s : screens) {
        const QRect common = s.intersected(wanted);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = &s;
            bestArea = area;
        }
    }
    const QRect& s = *best;
    const int x = int(std::max<qint64>(
        s.left(), std::min<qint64>(wanted.left(), s.left() + s.width() - qint64(w))));
    const int y = int(std::max<qint64>(
        s.top(), std::min<qint64>(wanted.top(), s.top() + s.height() - qint64(h))));
    return QRect(x, y, w, h);
}

int CaptionLabelLeft(int formWidth, int labelWidth) {
    return (formWidth - labelWidth) / 2 - 10;
}

void TKoCaptionButtons::Show(TBorderIcons icons, bool maximized) {
    if (!(icons & biSystemMenu))
        closeVisible = false;
    if (!(icons & biMinimize))
        minVisible = false;
    if (maximized)
        maxVisible = false;
    if (!(icons & biMaximize)) {
        maxVisible = false;
        hryrVisible = false;
    }
}

bool TKoCaptionButtons::MaxClick() {
    if (!maxVisible)
        return false;
    hryrVisible = true;
    maxVisible = false;
    return true;
}

bool TKoCaptionButtons::HryrClick() {
    if (!hryrVisible)
        return false;
    hryrVisible = false;
    maxVisible = true;
    return true;
}

TKoCaptionButtons::Action TKoCaptionButtons::DblClick(TBorderIcons icons, bool maximized) {
    if (!(icons & biMaximize))
        return Action::None;
    if (maximized)
        return HryrClick() ? Action::Restore : Action::None;
    return MaxClick() ? Action::Maximize : Action::None;
}

} // namespace koframe
