// SPDX-License-Identifier: GPL-3.0-or-later
#include "KoForm.h"
#include "KoAccessible.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <QtMath>

#include <algorithm>

using namespace koframe;

namespace {

// Sizes of the frame pieces, in pixels.
constexpr int TopHeight = 49;
constexpr int BottomHeight = 12;
constexpr int LeftWidth = 10;
constexpr int RightWidth = 13;
constexpr int TopLeftWidth = 81;
constexpr int TopRightWidth = 97;
constexpr int BottomLeftWidth = 10;
constexpr int BottomRightWidth = 13;
constexpr int ButtonSize = 17;
constexpr int ButtonTop = 5;
// Caption buttons, from the left edge of the top-right piece.
constexpr int CloseLeft = 75;
constexpr int HryrLeft = 55;
constexpr int MinLeft = 35;
constexpr int CaptionTop = 10;
constexpr int FontPixels = 11;

} // namespace

TKoImage::TKoImage(const QString& name, TFramePiece piece, QWidget* parent)
    : QWidget(parent), FPiece(piece) {
    setObjectName(name);
}

QPixmap TKoImage::Picture() const {
    return DrawFramePiece(FPiece, NaturalSize(FPiece), 1);
}

void TKoImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal ratio = devicePixelRatioF();
    if (FixedSize(FPiece)) {
        Draw(DeviceSize(NaturalSize(FPiece), ratio), ratio, 0);
        p.drawPixmap(0, 0, FDrawn);
        return;
    }
    // The device pixels this piece covers: from the pixel nearest its first edge to the one
    // before the pixel nearest its last, as Qt clips the controls around it, so that they meet
    // without a gap or an overlap.
    const QTransform toDevice = p.deviceTransform();
    const QPointF from = toDevice.map(QPointF(0, 0));
    const QPointF to = toDevice.map(QPointF(width(), height()));
    auto nearest = [](qreal v) { return qFloor(v + 0.5); };
    // A window whose right or bottom edge falls in the middle of a pixel (an odd width at a
    // scale of 1.5, say) may or may not show that last pixel: the piece ends before it, and
    // gives it its last column or row as well, so that the outer line is whole either way.
    const QPoint end = mapTo(window(), QPoint(width(), height()));
    auto halfPixel = [](qreal v) { return v - qFloor(v + 1e-6) > 1e-6; };
    const bool right = end.x() >= window()->width() && halfPixel(to.x());
    const bool below = end.y() >= window()->height() && halfPixel(to.y());
    const QRect span(QPoint(nearest(from.x()), nearest(from.y())),
                     QPoint((right ? qFloor(to.x()) : nearest(to.x())) - 1,
                            (below ? qFloor(to.y()) : nearest(to.y())) - 1));
    if (span.isEmpty())
        return;
    Draw(span.size(), ratio, from.x());
    const QPointF at = (QPointF(span.topLeft()) - from) / ratio;
    p.drawPixmap(at, FDrawn);
    const qreal w = span.width(), h = span.height();
    if (right)
        p.drawPixmap(QRectF(at.x() + w / ratio, at.y(), 1 / ratio, h / ratio), FDrawn,
                     QRectF(w - 1, 0, 1, h));
    if (below)
        p.drawPixmap(QRectF(at.x(), at.y() + h / ratio, w / ratio, 1 / ratio), FDrawn,
                     QRectF(0, h - 1, w, 1));
    if (right && below)
        p.drawPixmap(QRectF(at.x() + w / ratio, at.y() + h / ratio, 1 / ratio, 1 / ratio), FDrawn,
                     QRectF(w - 1, h - 1, 1, 1));
}

void TKoImage::Draw(QSize device, qreal ratio, qreal origin) {
    if (FDrawn.isNull() || FDrawnSize != device || FDrawn.devicePixelRatio() != ratio ||
        FDrawnOrigin != origin) {
        FDrawn = DrawFramePiece(FPiece, device, ratio, origin);
        FDrawnSize = device;
        FDrawnOrigin = origin;
    }
}

TKoApplication* TKoApplication::Instance() {
    static QPointer<TKoApplication> instance;
    if (!instance)
        instance = new TKoApplication(qApp);
    return instance;
}

TKoApplication::TKoApplication(QObject* parent) : QObject(parent) {}

void TKoApplication::Minimize() {
    if (FMinimizing)
        return; // the windows minimised here report it back
    FMinimizing = true;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip))
            w->showMinimized();
    }
    FMinimizing = false;
    emit OnMinimize();
}

// The window's icon: the logo drawn at each size a desktop asks for.
static QIcon LogoIcon() {
    static const QIcon icon = [] {
        QIcon logo;
        for (int side : {16, 22, 24, 32, 48, 64, 128})
            logo.addPixmap(DrawFramePiece(TFramePiece::Logo, QSize(side, side), 1));
        return logo;
    }();
    return icon;
}

TKoForm::TKoForm(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    koframe::MarkFramedWindow(this);
    QFont f = font();
    f.setPixelSize(FontPixels);
    setFont(f);
    setWindowIcon(LogoIcon());

    auto image = [](const char* name, TFramePiece piece, QWidget* parent) {
        return new TKoImage(name, piece, parent);
    };
    ImageKoLeft = image("ImageKoLeft", TFramePiece::Left, this);
    ImageKoRight = image("ImageKoRight", TFramePiece::Right, this);
    PanelKoTop = new QWidget(this);
    PanelKoTop->setObjectName("PanelKoTop");
    ImageKoTopLeft = image("ImageKoTopLeft", TFramePiece::TopLeft, PanelKoTop);
    ImageKoTopRight = image("ImageKoTopRight", TFramePiece::TopRight, PanelKoTop);
    ImageKoTop = image("ImageKoTop", TFramePiece::Top, PanelKoTop);
    closeImage = image("closeImage", TFramePiece::Close, PanelKoTop);
    hryrImage = image("hryrImage", TFramePiece::Restore, PanelKoTop);
    maxImage = image("maxImage", TFramePiece::Maximize, PanelKoTop);
    minImage = image("minImage", TFramePiece::Minimize, PanelKoTop);
    ImageKoLogo = image("ImageKoLogo", TFramePiece::Logo, PanelKoTop);
    LabelKoCaption = new QLabel(PanelKoTop);
    LabelKoCaption->setObjectName("LabelKoCaption");
    PanelKoBottom = new QWidget(this);
    PanelKoBottom->setObjectName("PanelKoBottom");
    ImageKoBottomLeft = image("ImageKoBottomLeft", TFramePiece::BottomLeft, PanelKoBottom);
    ImageKoBottomRight = image("ImageKoBottomRight", TFramePiece::BottomRight, PanelKoBottom);
    ImageKoBottom = image("ImageKoBottom", TFramePiece::Bottom, PanelKoBottom);
    PanelKoClient = new QWidget(this);
    PanelKoClient->setObjectName("PanelKoClient");
    PanelKoClient->setAutoFillBackground(true);

    // A long caption in a narrow window reaches under the caption buttons; they stay on top
    // so that they can still be pressed there.
    for (QWidget* b : {closeImage, hryrImage, maxImage, minImage}) {
        b->resize(ButtonSize, ButtonSize);
        b->raise();
    }
    // The tooltips name the buttons for a screen reader too.
    //: The window's caption button that closes it
    closeImage->setToolTip(tr("Close"));
    //: The window's caption button that gives a maximised window its former size
    hryrImage->setToolTip(tr("Restore"));
    //: The window's caption button that maximises it
    maxImage->setToolTip(tr("Maximize"));
    //: The window's caption button that minimises it
    minImage->setToolTip(tr("Minimize"));
    for (QWidget* b : {closeImage, hryrImage, maxImage, minImage})
        koframe::MarkCaptionButton(b);
    ImageKoLogo->setGeometry(9, 1, 48, 48);

    QFont captionFont = font();
    captionFont.setBold(true);
    LabelKoCaption->setFont(captionFont);
    QPalette pal = LabelKoCaption->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    LabelKoCaption->setPalette(pal);
    LabelKoCaption->move(0, CaptionTop);

    Bind(ImageKoLeft, {.MouseDown = &TKoForm::ImageKoLeftMouseDown,
                       .MouseMove = &TKoForm::ImageKoLeftMouseMove});
    Bind(ImageKoRight, {.MouseDown = &TKoForm::ImageKoRightMouseDown,
                        .MouseMove = &TKoForm::ImageKoRightMouseMove});
    Bind(ImageKoTopLeft, {.MouseDown = &TKoForm::ImageKoTopLeftMouseDown,
                          .MouseMove = &TKoForm::ImageKoTopLeftMouseMove,
                          .DblClick = &TKoForm::ImageKoTopLeftDblClick});
    Bind(ImageKoTopRight, {.MouseDown = &TKoForm::ImageKoTopRightMouseDown,
                           .MouseMove = &TKoForm::ImageKoTopRightMouseMove,
                           .DblClick = &TKoForm::ImageKoTopRightDblClick});
    Bind(ImageKoTop, {.MouseDown = &TKoForm::ImageKoTopMouseDown,
                      .MouseMove = &TKoForm::ImageKoTopMouseMove,
                      .DblClick = &TKoForm::ImageKoTopDblClick});
    Bind(closeImage, {.MouseDown = &TKoForm::closeImageMouseDown,
                      .MouseUp = &TKoForm::closeImageMouseUp,
                      .Click = &TKoForm::closeImageClick});
    Bind(hryrImage, {.MouseDown = &TKoForm::hryrImageMouseDown,
                     .MouseUp = &TKoForm::hryrImageMouseUp,
                     .Click = &TKoForm::hryrImageClick});
    Bind(maxImage, {.MouseDown = &TKoForm::maxImageMouseDown,
                    .MouseUp = &TKoForm::maxImageMouseUp,
                    .Click = &TKoForm::maxImageClick});
    Bind(minImage, {.MouseDown = &TKoForm::minImageMouseDown,
                    .MouseUp = &TKoForm::minImageMouseUp,
                    .Click = &TKoForm::minImageClick});
    // The logo has no handlers, but it still takes the presses that land on it.
    Bind(ImageKoLogo, {});
    Bind(LabelKoCaption, {.MouseDown = &TKoForm::LabelKoCaptionMouseDown,
                          .DblClick = &TKoForm::LabelKoCaptionDblClick});
    Bind(ImageKoBottomLeft, {.MouseDown = &TKoForm::ImageKoBottomLeftMouseDown,
                             .MouseMove = &TKoForm::ImageKoBottomLeftMouseMove});
    Bind(ImageKoBottomRight, {.MouseDown = &TKoForm::ImageKoBottomRightMouseDown,
                              .MouseMove = &TKoForm::ImageKoBottomRightMouseMove});
    Bind(ImageKoBottom, {.MouseDown = &TKoForm::ImageKoBottomMouseDown,
                         .MouseMove = &TKoForm::ImageKoBottomMouseMove});

    resize(392, 273);
}

void TKoForm::Bind(QWidget* control, TBinding binding) {
    FBindings.insert(control, binding);
    control->installEventFilter(this);
    // Hover shapes need moves without a button held.
    if (binding.MouseMove)
        control->setMouseTracking(true);
}

void TKoForm::SetMinWidth(int value) {
    FMinWidth = value;
    // Also tell the window manager, so that its own resizing stops there.
    setMinimumWidth(std::max(0, value));
}

void TKoForm::SetMinHeight(int value) {
    FMinHeight = value;
    setMinimumHeight(std::max(0, value));
}

bool TKoForm::MaximizedNow() const {
    return windowState() & Qt::WindowMaximized;
}

void TKoForm::showEvent(QShowEvent* event) {
    // A window coming back from minimised is not shown anew.
    if (!event->spontaneous())
        FormShow();
    QWidget::showEvent(event);
}

void TKoForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Minimised by the desktop (its task bar, a key of the window manager): as the frame's own
    // minimise button does, the whole program goes.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) &&
        !(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized))
        TKoApplication::Instance()->Minimize();
}

void TKoForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void TKoForm::ShowModal() {
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QMetaObject::Connection done = connect(this, &TKoForm::Closed, &loop, &QEventLoop::quit);
    FModal = true;
    show();
    if (isVisible())
        loop.exec();
    FModal = false;
    disconnect(done);
}

// The keys a dialog of the toolkit answers; the controls had their turn first.
void TKoForm::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (FModal && mods == Qt::NoModifier) {
        if (event->key() == Qt::Key_Escape) {
            close();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            auto* button = qobject_cast<QPushButton*>(focusWidget());
            if (!button || !button->isEnabled()) {
                button = nullptr;
                for (QPushButton* b : findChildren<QPushButton*>())
                    if (b->isDefault() && b->isVisible() && b->isEnabled())
                        button = b;
            }
            if (button) {
                button->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void TKoForm::FormShow() {
    // Qt widgets are always double buffered: nothing to switch on.
    LabelKoCaption->setText(windowTitle());
    LabelKoCaption->adjustSize();
    LabelKoCaption->move((width() - LabelKoCaption->width()) / 2, CaptionTop);
    SetSizeable(true);
    SetMinWidth(250);
    SetMinHeight(115);
    FButtons.Show(FBorderIcons, MaximizedNow());
    ApplyCaptionButtons();
    PlaceCaptionLabel();
}

void TKoForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutFrame();
    FormResize();
}

void TKoForm::FormResize() {
    if (width() < FMinWidth)
        resize(FMinWidth, height());
    if (height() < FMinHeight)
        resize(width(), FMinHeight);
    PlaceCaptionLabel();
}

void TKoForm::PlaceCaptionLabel() {
    LabelKoCaption->move(CaptionLabelLeft(width(), LabelKoCaption->width()), CaptionTop);
}

void TKoForm::LayoutFrame() {
    const int w = width();
    const int h = height();
    const int sideHeight = std::max(0, h - TopHeight - BottomHeight);
    PanelKoTop->setGeometry(0, 0, w, TopHeight);
    PanelKoBottom->setGeometry(0, h - BottomHeight, w, BottomHeight);
    ImageKoLeft->setGeometry(0, TopHeight, LeftWidth, sideHeight);
    ImageKoRight->setGeometry(w - RightWidth, TopHeight, RightWidth, sideHeight);
    PanelKoClient->setGeometry(LeftWidth, TopHeight, std::max(0, w - LeftWidth - RightWidth),
                               sideHeight);

    ImageKoTopLeft->setGeometry(0, 0, TopLeftWidth, TopHeight);
    ImageKoTopRight->setGeometry(w - TopRightWidth, 0, TopRightWidth, TopHeight);
    ImageKoTop->setGeometry(TopLeftWidth, 0, std::max(0, w - TopLeftWidth - TopRightWidth),
                            TopHeight);
    ImageKoBottomLeft->setGeometry(0, 0, BottomLeftWidth, BottomHeight);
    ImageKoBottomRight->setGeometry(w - BottomRightWidth, 0, BottomRightWidth, BottomHeight);
    ImageKoBottom->setGeometry(BottomLeftWidth, 0,
                               std::max(0, w - BottomLeftWidth - BottomRightWidth), BottomHeight);

    // The caption buttons keep their distance from the right edge; a pressed one sits one
    // pixel lower and further right.
    const int l = ImageKoTopRight->x();
    auto place = [this](QWidget* button, int left) {
        const int shift = button == FPressedButton ? 1 : 0;
        button->move(left + shift, ButtonTop + shift);
    };
    place(closeImage, l + CloseLeft);
    place(hryrImage, l + HryrLeft);
    place(maxImage, l + HryrLeft);
    place(minImage, l + MinLeft);
}

void TKoForm::ApplyCaptionButtons() {
    closeImage->setVisible(FButtons.closeVisible);
    hryrImage->setVisible(FButtons.hryrVisible);
    maxImage->setVisible(FButtons.maxVisible);
    minImage->setVisible(FButtons.minVisible);
}

bool TKoForm::eventFilter(QObject* watched, QEvent* event) {
    const auto found = FBindings.constFind(watched);
    if (found == FBindings.cend())
        return QWidget::eventFilter(watched, event);
    const TBinding b = *found;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton)
            FClickSource = watched;
        if (b.MouseDown)
            (this->*b.MouseDown)(e);
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        // The second press of a double click is no click of its own.
        FClickSource = nullptr;
        if (e->button() == Qt::LeftButton && b.DblClick)
            (this->*b.DblClick)();
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (FDrag.Source == watched && (e->buttons() & Qt::LeftButton))
            FrameDrag(e);
        else if (b.MouseMove) {
            (this->*b.MouseMove)(e);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        const auto* control = static_cast<QWidget*>(watched);
        const bool click = e->button() == Qt::LeftButton && FClickSource == watched &&
                           control->rect().contains(e->position().toPoint());
        if (e->button() == Qt::LeftButton) {
            FClickSource = nullptr;
            if (FDrag.Source == watched)
                FDrag = {};
        }
        if (click && b.Click)
            (this->*b.Click)();
        if (b.MouseUp)
            (this->*b.MouseUp)(e);
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TKoForm::PressButton(QWidget* button, QMouseEvent*) {
    FPressedButton = button;
    LayoutFrame();
}

void TKoForm::ReleaseButton(QWidget* button, QMouseEvent* e) {
    // Back in place once no button is held, however many were pressed on it.
    if (FPressedButton == button && e->buttons() == Qt::NoButton) {
        FPressedButton = nullptr;
        LayoutFrame();
    }
}

void TKoForm::closeImageClick() {
    close();
}

void TKoForm::minImageClick() {
    TKoApplication::Instance()->Minimize();
}

void TKoForm::maxImageClick() {
    if (!FButtons.MaxClick())
        return;
    setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) |
                   Qt::WindowMaximized);
    ApplyCaptionButtons();
}

void TKoForm::hryrImageClick() {
    if (!FButtons.HryrClick())
        return;
    setWindowState(windowState() &
                   ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    ApplyCaptionButtons();
}

void TKoForm::ImageKoTopDblClick() {
    if (!(FBorderIcons & biMaximize))
        return;
    if (MaximizedNow())
        hryrImageClick();
    else
        maxImageClick();
}

void TKoForm::FramePress(FramePart part, QWidget* control, QMouseEvent* e) {
    const int code = PressCode(part, e->position().toPoint(), control->size(), FSizeable,
                               e->button(), MaximizedNow());
    FDrag = {};
    // The press only arms the move or resize; the first movement with the button held hands it
    // over. Handed over at the press, a click shorter than the window manager's reaction would
    // leave the window stuck to the pointer until the next click.
    if (code != HTNOWHERE)
        FDrag = {control, code, e->globalPosition().toPoint(), geometry(), false};
}

void TKoForm::FrameDrag(QMouseEvent* e) {
    if (!FDrag.Manual) {
        if (MaximizedNow()) {
            FDrag = {};
            return;
        }
        // The window manager moves the window with the pointer from where the pointer is now;
        // the step since the press, a pixel or two for a hand on a mouse, is not made good.
        QWindow* window = windowHandle();
        const bool handed =
            window && (FDrag.Code == HTCAPTION ? window->startSystemMove()
                                               : window->startSystemResize(EdgesOf(FDrag.Code)));
        if (handed) {
            FDrag = {};
            return;
        }
        // No window manager took it: the window follows the pointer itself.
        FDrag.Manual = true;
    }
    const QPoint delta = e->globalPosition().toPoint() - FDrag.StartPointer;
    setGeometry(DraggedGeometry(FDrag.Code, FDrag.StartGeometry, delta,
                                QSize(std::max(FMinWidth, 0), std::max(FMinHeight, 0))));
}

void TKoForm::FrameHover(FramePart part, QWidget* control, QMouseEvent* e) {
    if (const auto shape =
            HoverCursor(part, e->position().toPoint(), control->size(), FSizeable, MaximizedNow()))
        control->setCursor(*shape);
}
