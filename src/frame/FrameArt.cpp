// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameArt.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>

namespace koframe {

namespace {

// The frame's colours: the outermost line, the line where the frame meets the client area,
// the highlight along the top and left, the caption strip's gradient, the sides' gradient.
const QColor Outer(0x10, 0x21, 0x3a);
const QColor Inner(0x12, 0x2a, 0x48);
const QColor Shine(0x8c, 0xb8, 0xea);
const QColor BarTop(0x3f, 0x78, 0xba);
const QColor BarBottom(0x1d, 0x41, 0x6f);
const QColor SideOut(0x2d, 0x5a, 0x92);
const QColor SideIn(0x1f, 0x45, 0x74);

constexpr int StripHeight = 49;
constexpr int SideRows = 46; // where a side runs up into its top corner
constexpr int LeftWidth = 10;
constexpr int RightWidth = 13;

// How many device pixels a length of the window's pixels covers: a piece's width or height.
int DeviceLength(int length, qreal ratio) {
    return std::max(1, qCeil(length * ratio - 1e-6));
}

// A picture drawn in device pixels. Positions come in the window's pixels, as the art was
// designed, and fall on the device pixel nearest to them; lines hug the edge they run along,
// one after the other, each `Line` device pixels wide, so that they stay sharp and even at any
// scale.
class TCanvas {
public:
    TCanvas(QSize device, qreal ratio)
        : R(ratio), Line(std::max(1, qRound(ratio))),
          Image(std::max(1, device.width()), std::max(1, device.height()),
                QImage::Format_ARGB32_Premultiplied),
          W(Image.width()), H(Image.height()) {
        Image.fill(Qt::transparent);
        P.begin(&Image);
    }

    // A window pixel's position in device pixels.
    int D(qreal v) const { return qRound(v * R); }

    void Fill(int x0, int y0, int x1, int y1, const QBrush& brush) {
        P.fillRect(QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)), brush);
    }

    // The gradient from `from` to `to` over `area`, across (left to right) or down.
    void Gradient(QRect area, bool across, const QColor& from, const QColor& to) {
        QLinearGradient g(area.topLeft(), across ? area.topRight() : area.bottomLeft());
        g.setColorAt(0, from);
        g.setColorAt(1, to);
        P.fillRect(area, g);
    }

    QPixmap Done() {
        P.end();
        QPixmap pixmap = QPixmap::fromImage(Image);
        pixmap.setDevicePixelRatio(R);
        return pixmap;
    }

    const qreal R;
    const int Line;
    QImage Image;
    const int W, H;
    QPainter P;
};

// The caption strip with its sheen: the top's middle and the back of its corners.
void Strip(TCanvas& c) {
    c.Gradient(QRect(0, 0, c.W, c.H), false, BarTop, BarBottom);
    c.Gradient(QRect(0, c.D(2), c.W, c.D(24) - c.D(2)), false, QColor(255, 255, 255, 0x30),
               QColor(255, 255, 255, 0));
    c.Fill(0, 0, c.W, c.Line, Outer);
    c.Fill(0, c.Line, c.W, 2 * c.Line, Shine);
    c.Fill(0, c.H - c.Line, c.W, c.H, Inner);
}

// A left side in the columns [x0, x1) from row y0 down: the outer line, the highlight, the
// gradient, the inner line.
void LeftSide(TCanvas& c, int x0, int x1, int y0) {
    c.Gradient(QRect(x0, y0, x1 - x0, c.H - y0), true, SideOut, SideIn);
    c.Fill(x0, y0, x0 + c.Line, c.H, Outer);
    c.Fill(x0 + c.Line, y0, x0 + 2 * c.Line, c.H, Shine);
    c.Fill(x1 - c.Line, y0, x1, c.H, Inner);
}

// A right side in the columns [x0, x1) from row y0 down: the inner line, the gradient, the
// outer line.
void RightSide(TCanvas& c, int x0, int x1, int y0) {
    c.Gradient(QRect(x0, y0, x1 - x0, c.H - y0), true, SideOut, SideIn);
    c.Fill(x0, y0, x0 + c.Line, c.H, Inner);
    c.Fill(x1 - c.Line, y0, x1, c.H, Outer);
}

// Where a side that starts `from` window pixels into a corner starts in the corner's device
// pixels, as the side's own piece falls on the screen (from the device pixel nearest its edge):
// the corner's left edge is at `origin` on the screen.
int SideStart(qreal origin, int from, qreal ratio) {
    return qFloor(origin + from * ratio + 0.5) - qFloor(origin + 0.5);
}

void TopLeft(TCanvas& c, qreal origin) {
    Strip(c);
    c.Fill(0, 0, c.Line, c.H, Outer);
    c.Fill(c.Line, c.Line, 2 * c.Line, c.D(SideRows), Shine);
    LeftSide(c, 0, SideStart(origin, LeftWidth, c.R), c.D(SideRows));
}

void TopRight(TCanvas& c, qreal origin) {
    Strip(c);
    c.Fill(c.W - c.Line, 0, c.W, c.H, Outer);
    const int width = NaturalSize(TFramePiece::TopRight).width();
    RightSide(c, SideStart(origin, width - RightWidth, c.R), c.W, c.D(SideRows));
}

// The bottom's body runs from the client's lower edge down to the outer line.
void Bottom(TCanvas& c) {
    c.Gradient(QRect(0, 0, c.W, c.H), false, SideIn, SideOut);
    c.Fill(0, 0, c.W, c.Line, Inner);
    c.Fill(0, c.H - c.Line, c.W, c.H, Outer);
}

void BottomLeft(TCanvas& c) {
    c.Gradient(QRect(0, 0, c.W, c.H), false, SideIn, SideOut);
    c.Fill(c.Line, 0, 2 * c.Line, c.H - c.Line, Shine);
    c.Fill(c.W - c.Line, 0, c.W, c.Line, Inner); // the left side's inner line ends here
    c.Fill(0, 0, c.Line, c.H, Outer);
    c.Fill(0, c.H - c.Line, c.W, c.H, Outer);
}

void BottomRight(TCanvas& c) {
    c.Gradient(QRect(0, 0, c.W, c.H), false, SideIn, SideOut);
    c.Fill(0, 0, c.Line, c.Line, Inner); // the right side's inner line ends here
    c.Fill(c.W - c.Line, 0, c.W, c.H, Outer);
    c.Fill(0, c.H - c.Line, c.W, c.H, Outer);
}

// A caption button: a rounded key with a glyph, 17 x 17 of a 19 rows high picture.
struct TKey {
    QColor FaceTop, FaceBottom, Border, Glyph;
};

void Key(TCanvas& c, const TKey& key) {
    c.P.setRenderHint(QPainter::Antialiasing);
    c.P.setPen(Qt::NoPen);
    const qreal side = c.D(17);
    c.P.setBrush(key.Border);
    c.P.drawRoundedRect(QRectF(0, 0, side, side), 3.2 * c.R, 3.2 * c.R);
    const QRectF face(c.D(1), c.D(1), c.D(16) - c.D(1), c.D(16) - c.D(1));
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, key.FaceTop);
    g.setColorAt(1, key.FaceBottom);
    c.P.setBrush(g);
    c.P.drawRoundedRect(face, 2.2 * c.R, 2.2 * c.R);
    c.P.setRenderHint(QPainter::Antialiasing, false);
    c.Fill(c.D(4), c.D(2), c.D(13), c.D(2) + c.Line, QColor(255, 255, 255, 0x60));
}

// A glyph's bar: the button's pixels [x0, x1] x [y0, y1], ends included.
void Bar(TCanvas& c, int x0, int y0, int x1, int y1, const QColor& colour) {
    c.Fill(c.D(x0), c.D(y0), c.D(x1 + 1), c.D(y1 + 1), colour);
}

const TKey Light{QColor(0xf6, 0xf9, 0xfd), QColor(0xb3, 0xc7, 0xdf), QColor(0x0f, 0x22, 0x38),
                 QColor(0x17, 0x30, 0x4f)};

void Close(TCanvas& c) {
    Key(c,
        {QColor(0xf3, 0x90, 0x7d), QColor(0xb9, 0x39, 0x2a), QColor(0x5c, 0x17, 0x10), Qt::white});
    c.P.setRenderHint(QPainter::Antialiasing);
    c.P.setPen(QPen(Qt::white, 2.1 * c.R, Qt::SolidLine, Qt::FlatCap));
    c.P.drawLine(QPointF(5.1, 5.1) * c.R, QPointF(11.9, 11.9) * c.R);
    c.P.drawLine(QPointF(11.9, 5.1) * c.R, QPointF(5.1, 11.9) * c.R);
}

void Maximize(TCanvas& c) {
    Key(c, Light);
    Bar(c, 4, 4, 12, 5, Light.Glyph);
    Bar(c, 4, 4, 4, 12, Light.Glyph);
    Bar(c, 12, 4, 12, 12, Light.Glyph);
    Bar(c, 4, 12, 12, 12, Light.Glyph);
}

void Restore(TCanvas& c) {
    Key(c, Light);
    Bar(c, 6, 3, 13, 4, Light.Glyph);
    Bar(c, 13, 3, 13, 9, Light.Glyph);
    Bar(c, 11, 9, 13, 9, Light.Glyph);
    Bar(c, 6, 3, 6, 5, Light.Glyph);
    Bar(c, 3, 6, 10, 7, Light.Glyph);
    Bar(c, 3, 6, 3, 13, Light.Glyph);
    Bar(c, 10, 6, 10, 13, Light.Glyph);
    Bar(c, 3, 13, 10, 13, Light.Glyph);
}

void Minimize(TCanvas& c) {
    Key(c, Light);
    Bar(c, 4, 11, 12, 12, Light.Glyph);
}

// The logo: a warm badge with a speaker and sound waves, readable on the blue strip; drawn in
// a 48 x 48 design scaled to the picture.
void Logo(TCanvas& c) {
    QPainter& p = c.P;
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(c.W / 48.0, c.H / 48.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0b, 0x1a, 0x2e, 0x60));
    p.drawEllipse(QPointF(24, 25), 22, 22);
    QRadialGradient warm(QPointF(24, 24), 30);
    warm.setColorAt(0, QColor(0xff, 0xd7, 0x7a));
    warm.setColorAt(1, QColor(0xe0, 0x8a, 0x1e));
    p.setBrush(warm);
    p.drawEllipse(QPointF(24, 23), 20, 20);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8a, 0x4d, 0x0c), 1.5));
    p.drawEllipse(QPointF(24, 23), 19.5, 19.5);
    const QColor ink(0x1d, 0x35, 0x57);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPointF speaker[] = {{10, 19}, {16, 19}, {23, 12}, {23, 34}, {16, 27}, {10, 27}};
    p.drawPolygon(speaker, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    struct TWave {
        qreal Rx, Ry, Half;
    };
    for (const TWave& wave : {TWave{7, 6, 45}, TWave{12, 11, 50}, TWave{17, 16, 52}})
        p.drawArc(QRectF(22 - wave.Rx, 23 - wave.Ry, 2 * wave.Rx, 2 * wave.Ry),
                  qRound(-wave.Half * 16), qRound(2 * wave.Half * 16));
}

} // namespace

QSize NaturalSize(TFramePiece piece) {
    switch (piece) {
    case TFramePiece::Left:
        return {LeftWidth, 800};
    case TFramePiece::Right:
        return {RightWidth, 800};
    case TFramePiece::TopLeft:
        return {81, StripHeight};
    case TFramePiece::Top:
        return {1024, StripHeight};
    case TFramePiece::TopRight:
        return {97, StripHeight};
    case TFramePiece::BottomLeft:
        return {LeftWidth, 12};
    case TFramePiece::Bottom:
        return {1024, 12};
    case TFramePiece::BottomRight:
        return {RightWidth, 12};
    case TFramePiece::Close:
    case TFramePiece::Restore:
    case TFramePiece::Maximize:
    case TFramePiece::Minimize:
        return {17, 19};
    case TFramePiece::Logo:
        return {48, 48};
    }
    return {};
}

bool FixedSize(TFramePiece piece) {
    return piece >= TFramePiece::Close;
}

QSize DeviceSize(QSize size, qreal ratio) {
    return {DeviceLength(size.width(), ratio), DeviceLength(size.height(), ratio)};
}

QPixmap DrawFramePiece(TFramePiece piece, QSize device, qreal ratio, qreal origin) {
    if (ratio <= 0)
        ratio = 1;
    if (FixedSize(piece) && piece != TFramePiece::Logo)
        device = DeviceSize(NaturalSize(piece), ratio);
    TCanvas c(device, ratio);
    switch (piece) {
    case TFramePiece::Left:
        LeftSide(c, 0, c.W, 0);
        break;
    case TFramePiece::Right:
        RightSide(c, 0, c.W, 0);
        break;
    case TFramePiece::TopLeft:
        TopLeft(c, origin);
        break;
    case TFramePiece::Top:
        Strip(c);
        break;
    case TFramePiece::TopRight:
        TopRight(c, origin);
        break;
    case TFramePiece::BottomLeft:
        BottomLeft(c);
        break;
    case TFramePiece::Bottom:
        Bottom(c);
        break;
    case TFramePiece::BottomRight:
        BottomRight(c);
        break;
    case TFramePiece::Close:
        Close(c);
        break;
    case TFramePiece::Restore:
        Restore(c);
        break;
    case TFramePiece::Maximize:
        Maximize(c);
        break;
    case TFramePiece::Minimize:
        Minimize(c);
        break;
    case TFramePiece::Logo:
        Logo(c);
        break;
    }
    return c.Done();
}

} // namespace koframe
