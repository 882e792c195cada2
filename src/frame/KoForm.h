// SPDX-License-Identifier: GPL-3.0-or-later
// TKoForm: the skinned borderless window every window of the program derives from. It draws its
// own frame from pictures, has its own caption strip with a logo, a caption and four caption
// buttons, and moves and resizes by presses on the frame pieces. Derived windows put their
// controls on PanelKoClient.
#pragma once

#include "FrameArt.h"
#include "KoFrameLogic.h"

#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QWidget>

class QMouseEvent;

// A frame picture, drawn for the screen it shows on: at the control's size, or at its own (the
// caption buttons and the logo) from the top left.
class TKoImage : public QWidget {
    Q_OBJECT
public:
    TKoImage(const QString& name, koframe::TFramePiece piece, QWidget* parent);

    koframe::TFramePiece Piece() const { return FPiece; }
    // The picture at its natural size, one device pixel to a pixel.
    QPixmap Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture for `device` pixels of a screen of `ratio`, its left edge at `origin` in the
    // window's device pixels; kept until any of them changes.
    void Draw(QSize device, qreal ratio, qreal origin);

    koframe::TFramePiece FPiece;
    QPixmap FDrawn; // for the size and the screen it was last painted at
    QSize FDrawnSize;
    qreal FDrawnOrigin = 0;
};

// The application object's minimise event: the minimise button minimises every window of the
// program and then raises OnMinimize once.
class TKoApplication : public QObject {
    Q_OBJECT
public:
    static TKoApplication* Instance();
    // Also what the desktop's own minimising of one of the program's windows comes to.
    void Minimize();

signals:
    void OnMinimize();

private:
    explicit TKoApplication(QObject* parent);
    bool FMinimizing = false;
};

class TKoForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
    Q_PROPERTY(bool Sizeable READ Sizeable WRITE SetSizeable)

public:
    using TBorderIcon = koframe::TBorderIcon;
    using TBorderIcons = koframe::TBorderIcons;

    explicit TKoForm(QWidget* parent = nullptr);

    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int value);
    bool Sizeable() const { return FSizeable; }
    void SetSizeable(bool value) { FSizeable = value; }
    // Which caption buttons the window has; set before it is shown.
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value) { FBorderIcons = value; }

    // Shows the window modal to the whole application and returns once it has closed. While it
    // runs, the window takes the keys of a dialog: Escape closes it, Enter presses the focused
    // push button, else the default one.
    void ShowModal();

signals:
    // The window has closed (it may still be shown again).
    void Closed();

public:
    // The frame's components, in the order they lie from bottom to top.
    TKoImage* ImageKoLeft;
    TKoImage* ImageKoRight;
    QWidget* PanelKoTop;
    TKoImage* ImageKoTopLeft;
    TKoImage* ImageKoTopRight;
    TKoImage* ImageKoTop;
    TKoImage* closeImage;
    TKoImage* hryrImage;
    TKoImage* maxImage;
    TKoImage* minImage;
    TKoImage* ImageKoLogo;
    QLabel* LabelKoCaption;
    QWidget* PanelKoBottom;
    TKoImage* ImageKoBottomLeft;
    TKoImage* ImageKoBottomRight;
    TKoImage* ImageKoBottom;
    QWidget* PanelKoClient;

protected:
    // Runs each time the window is shown (not when it comes back from minimised). A derived
    // window's own FormShow calls this one first.
    virtual void FormShow();
    virtual void FormResize();

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Caption buttons.
    void closeImageClick();
    void hryrImageClick();
    void maxImageClick();
    void minImageClick();
    void closeImageMouseDown(QMouseEvent* e) { PressButton(closeImage, e); }
    void hryrImageMouseDown(QMouseEvent* e) { PressButton(hryrImage, e); }
    void maxImageMouseDown(QMouseEvent* e) { PressButton(maxImage, e); }
    void minImageMouseDown(QMouseEvent* e) { PressButton(minImage, e); }
    void closeImageMouseUp(QMouseEvent* e) { ReleaseButton(closeImage, e); }
    void hryrImageMouseUp(QMouseEvent* e) { ReleaseButton(hryrImage, e); }
    void maxImageMouseUp(QMouseEvent* e) { ReleaseButton(maxImage, e); }
    void minImageMouseUp(QMouseEvent* e) { ReleaseButton(minImage, e); }

    // Double clicks on the caption strip (all four pieces run ImageKoTopDblClick).
    void ImageKoTopDblClick();
    void ImageKoTopLeftDblClick() { ImageKoTopDblClick(); }
    void ImageKoTopRightDblClick() { ImageKoTopDblClick(); }
    void LabelKoCaptionDblClick() { ImageKoTopDblClick(); }

    // Presses on the frame pieces move or resize the window.
    void ImageKoLeftMouseDown(QMouseEvent* e) {
        FramePress(koframe::FramePart::Left, ImageKoLeft, e);
    }
    void ImageKoRightMouseDown(QMouseEvent* e) {
        FramePress(koframe::FramePart::Right, ImageKoRight, e);
    }
    void ImageKoTopLeftMouseDown(QMouseEvent* e) {
        FramePress(koframe::FramePart::TopLeft, ImageKoTopLeft, e);
    }
    void ImageKoTopRightMouseDown(QMouseEvent* e) {
        FramePress(koframe::FramePart::TopRight, ImageKoTopRight, e);
    }
    void ImageKoTopMouseDown(QMouseEvent* e) { FramePress(koframe::FramePart::Top, ImageKoTop, e); }
    void LabelKoCaptionMouseDown(QMouseEvent* e) {
        FramePress(koframe::FramePart::Caption, LabelKoCaption, e);
    }
    void ImageKoBottomLeftMouseDown(QMouseEvent* e) {
        FramePress(koframe::FramePart::BottomLeft, ImageKoBottomLeft, e);
    }
    void ImageKoBottomRightMouseDown(QMouseEvent* e) {
        FramePress(koframe::FramePart::BottomRight, ImageKoBottomRight, e);
    }
    void ImageKoBottomMouseDown(QMouseEvent* e) {
        FramePress(koframe::FramePart::Bottom, ImageKoBottom, e);
    }

    // Hovering the frame pieces shows where a press would resize.
    void ImageKoLeftMouseMove(QMouseEvent* e) {
        FrameHover(koframe::FramePart::Left, ImageKoLeft, e);
    }
    void ImageKoRightMouseMove(QMouseEvent* e) {
        FrameHover(koframe::FramePart::Right, ImageKoRight, e);
    }
    void ImageKoTopLeftMouseMove(QMouseEvent* e) {
        FrameHover(koframe::FramePart::TopLeft, ImageKoTopLeft, e);
    }
    void ImageKoTopRightMouseMove(QMouseEvent* e) {
        FrameHover(koframe::FramePart::TopRight, ImageKoTopRight, e);
    }
    void ImageKoTopMouseMove(QMouseEvent* e) { FrameHover(koframe::FramePart::Top, ImageKoTop, e); }
    void ImageKoBottomLeftMouseMove(QMouseEvent* e) {
        FrameHover(koframe::FramePart::BottomLeft, ImageKoBottomLeft, e);
    }
    void ImageKoBottomRightMouseMove(QMouseEvent* e) {
        FrameHover(koframe::FramePart::BottomRight, ImageKoBottomRight, e);
    }
    void ImageKoBottomMouseMove(QMouseEvent* e) {
        FrameHover(koframe::FramePart::Bottom, ImageKoBottom, e);
    }

private:
    using MouseHandler = void (TKoForm::*)(QMouseEvent*);
    using ClickHandler = void (TKoForm::*)();
    struct TBinding {
        MouseHandler MouseDown = nullptr;
        MouseHandler MouseMove = nullptr;
        MouseHandler MouseUp = nullptr;
        ClickHandler Click = nullptr;
        ClickHandler DblClick = nullptr;
    };
    void Bind(QWidget* control, TBinding binding);

    void LayoutFrame();
    void PlaceCaptionLabel();
    void ApplyCaptionButtons();
    void PressButton(QWidget* button, QMouseEvent* e);
    void ReleaseButton(QWidget* button, QMouseEvent* e);
    void FramePress(koframe::FramePart part, QWidget* control, QMouseEvent* e);
    void FrameHover(koframe::FramePart part, QWidget* control, QMouseEvent* e);
    void FrameDrag(QMouseEvent* e);
    bool MaximizedNow() const;

    bool FModal = false; // shown by ShowModal: a dialog's keys
    int FMinWidth = 0;
    int FMinHeight = 0;
    bool FSizeable = false;
    TBorderIcons FBorderIcons = koframe::biSystemMenu | koframe::biMinimize | koframe::biMaximize;
    koframe::TKoCaptionButtons FButtons;
    QWidget* FPressedButton = nullptr; // the caption button drawn one pixel down and right

    QHash<QObject*, TBinding> FBindings;
    QObject* FClickSource = nullptr; // the control a left press began on, for its click

    // A move or resize armed by a press on a frame piece; Manual once no window manager took it
    // and the window follows the pointer itself.
    struct TDrag {
        QObject* Source = nullptr;
        int Code = koframe::HTNOWHERE;
        QPoint StartPointer;
        QRect StartGeometry;
        bool Manual = false;
    } FDrag;
};
