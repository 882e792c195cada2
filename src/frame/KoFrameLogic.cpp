#include "KoFrameLogic.h"

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
