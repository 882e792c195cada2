// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned frame's rules, and a frame window driven with synthetic mouse input (offscreen,
// where no window manager takes a move or resize, so the window does it itself).
#include "FrameArt.h"
#include "KoForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

using namespace koframe;

Q_DECLARE_METATYPE(FramePart)

namespace {

// The main window's frame: its own show handler raises the minimum size.
class TMainLike : public TKoForm {
protected:
    void FormShow() override {
        TKoForm::FormShow();
        SetMinWidth(340);
        SetMinHeight(120);
    }
};

// A dialog's frame: only the close button, and it cannot be resized.
class TDialogLike : public TKoForm {
public:
    TDialogLike() { SetBorderIcons(biSystemMenu); }

protected:
    void FormShow() override {
        TKoForm::FormShow();
        SetSizeable(false);
    }
};

void Send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// A press at `from` on `w`, the pointer moved by `by` with the left button held, and a release.
void Drag(QWidget* w, QPoint from, QPoint by) {
    const QPoint global = w->mapToGlobal(from);
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(w->mapFromGlobal(at)), QPointF(at), button, held,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, global, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, global + by / 2, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, global + by, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, global + by, Qt::LeftButton, Qt::NoButton);
}

} // namespace

class TestKoForm : public QObject {
    Q_OBJECT

private slots:
    void pressCodes_data() {
        QTest::addColumn<FramePart>("part");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<bool>("sizeable");
        QTest::addColumn<int>("code");
        const auto TL = FramePart::TopLeft, T = FramePart::Top, TR = FramePart::TopRight;
        // Top pieces: corner, side and top bands are resize handles; the rest is the caption.
        QTest::newRow("top-left corner") << TL << QPoint(7, 7) << true << int(HTTOPLEFT);
        QTest::newRow("top-left side") << TL << QPoint(7, 8) << true << int(HTLEFT);
        QTest::newRow("top-left top") << TL << QPoint(8, 7) << true << int(HTTOP);
        QTest::newRow("top-left caption") << TL << QPoint(8, 8) << true << int(HTCAPTION);
        QTest::newRow("dialog corner moves") << TL << QPoint(0, 0) << false << int(HTCAPTION);
        QTest::newRow("top band") << T << QPoint(300, 7) << true << int(HTTOP);
        QTest::newRow("top band, not sizeable") << T << QPoint(300, 7) << false << int(HTCAPTION);
        QTest::newRow("top caption") << T << QPoint(0, 8) << true << int(HTCAPTION);
        // W - 8 already belongs to the right edge, as the cursor shows.
        QTest::newRow("top-right W-8") << TR << QPoint(89, 20) << true << int(HTRIGHT);
        QTest::newRow("top-right W-9") << TR << QPoint(88, 20) << true << int(HTCAPTION);
        QTest::newRow("top-right corner") << TR << QPoint(96, 0) << true << int(HTTOPRIGHT);
        QTest::newRow("top-right top") << TR << QPoint(0, 7) << true << int(HTTOP);
        QTest::newRow("top-right, dialog") << TR << QPoint(96, 0) << false << int(HTCAPTION);
        QTest::newRow("caption") << FramePart::Caption << QPoint(0, 0) << true << int(HTCAPTION);
        QTest::newRow("caption, dialog")
            << FramePart::Caption << QPoint(0, 0) << false << int(HTCAPTION);
        QTest::newRow("left") << FramePart::Left << QPoint(5, 100) << true << int(HTLEFT);
        QTest::newRow("right") << FramePart::Right << QPoint(0, 0) << true << int(HTRIGHT);
        QTest::newRow("bottom-left")
            << FramePart::BottomLeft << QPoint(0, 0) << true << int(HTBOTTOMLEFT);
        QTest::newRow("bottom") << FramePart::Bottom << QPoint(0, 0) << true << int(HTBOTTOM);
        QTest::newRow("bottom-right")
            << FramePart::BottomRight << QPoint(0, 0) << true << int(HTBOTTOMRIGHT);
        QTest::newRow("bottom-right, dialog")
            << FramePart::BottomRight << QPoint(0, 0) << false << int(HTNOWHERE);
        QTest::newRow("left, dialog") << FramePart::Left << QPoint(0, 0) << false << int(HTNOWHERE);
    }
    void pressCodes() {
        QFETCH(FramePart, part);
        QFETCH(QPoint, pos);
        QFETCH(bool, sizeable);
        QFETCH(int, code);
        const QSize size = part == FramePart::TopRight  ? QSize(97, 49)
                           : part == FramePart::TopLeft ? QSize(81, 49)
                                                        : QSize(600, 49);
        QCOMPARE(PressCode(part, pos, size, sizeable, Qt::LeftButton, false), code);
        // Only the left button of a window that is not maximised moves or resizes.
        QCOMPARE(PressCode(part, pos, size, sizeable, Qt::RightButton, false), int(HTNOWHERE));
        QCOMPARE(PressCode(part, pos, size, sizeable, Qt::LeftButton, true), int(HTNOWHERE));
    }

    void hoverCursors() {
        const QSize tr(97, 49), tl(81, 49), top(600, 49);
        auto at = [](FramePart p, QPoint pos, QSize size) {
            return HoverCursor(p, pos, size, true, false);
        };
        QCOMPARE(at(FramePart::TopRight, {89, 30}, tr), Qt::SizeHorCursor);
        QCOMPARE(at(FramePart::TopRight, {88, 30}, tr), Qt::ArrowCursor);
        QCOMPARE(at(FramePart::TopRight, {89, 7}, tr), Qt::SizeBDiagCursor);
        QCOMPARE(at(FramePart::TopRight, {10, 7}, tr), Qt::SizeVerCursor);
        QCOMPARE(at(FramePart::TopLeft, {7, 7}, tl), Qt::SizeFDiagCursor);
        QCOMPARE(at(FramePart::TopLeft, {40, 7}, tl), Qt::SizeVerCursor);
        QCOMPARE(at(FramePart::TopLeft, {7, 40}, tl), Qt::SizeHorCursor);
        QCOMPARE(at(FramePart::TopLeft, {8, 8}, tl), Qt::ArrowCursor);
        QCOMPARE(at(FramePart::Top, {0, 8}, top), Qt::ArrowCursor);
        QCOMPARE(at(FramePart::Top, {599, 7}, top), Qt::SizeVerCursor);
        QCOMPARE(at(FramePart::BottomLeft, {0, 0}, QSize(10, 12)), Qt::SizeBDiagCursor);
        QCOMPARE(at(FramePart::BottomRight, {0, 0}, QSize(13, 12)), Qt::SizeFDiagCursor);
        QCOMPARE(at(FramePart::Right, {0, 0}, QSize(13, 300)), Qt::SizeHorCursor);
        // Not sizeable or maximised: the shape stays whatever it was.
        QVERIFY(!HoverCursor(FramePart::Left, {0, 0}, QSize(10, 300), false, false));
        QVERIFY(!HoverCursor(FramePart::Left, {0, 0}, QSize(10, 300), true, true));
    }

    void draggedGeometry() {
        const QRect start(100, 100, 400, 300);
        const QSize min(250, 115);
        QCOMPARE(DraggedGeometry(HTCAPTION, start, {30, -20}, min), QRect(130, 80, 400, 300));
        QCOMPARE(DraggedGeometry(HTBOTTOMRIGHT, start, {50, 60}, min), QRect(100, 100, 450, 360));
        QCOMPARE(DraggedGeometry(HTTOPLEFT, start, {-10, -20}, min), QRect(90, 80, 410, 320));
        // Past the minimum, the far edges stay where they were.
        QCOMPARE(DraggedGeometry(HTTOPLEFT, start, {300, 300}, min), QRect(250, 285, 250, 115));
        QCOMPARE(DraggedGeometry(HTBOTTOMLEFT, start, {500, -500}, min), QRect(250, 100, 250, 115));
        QCOMPARE(DraggedGeometry(HTRIGHT, start, {5, 99}, min), QRect(100, 100, 405, 300));
        QCOMPARE(EdgesOf(HTTOPRIGHT), Qt::TopEdge | Qt::RightEdge);
        QCOMPARE(EdgesOf(HTCAPTION), Qt::Edges());
    }

    // A stored geometry of any values lands on the screens: sizes between the frame's minimum
    // and the largest screen, a window off the screens moved onto the one it overlaps most
    // (the first when none), one on them left where it is, also across two screens.
    void fittedToScreens() {
        const QList<QRect> two = {QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
        const QSize min(340, 120);
        QCOMPARE(FitToScreens(100, 50, 603, 402, min, two), QRect(100, 50, 603, 402));
        QCOMPARE(FitToScreens(1000, 100, 600, 400, min, two), QRect(1000, 100, 600, 400));
        QCOMPARE(FitToScreens(0x7fffffff, 10, 2147483647, -5, min, two), QRect(0, 10, 1920, 120));
        QCOMPARE(FitToScreens(-5000, -5000, 603, 402, min, two), QRect(0, 0, 603, 402));
        QCOMPARE(FitToScreens(2900, 700, 603, 402, min, two), QRect(2597, 678, 603, 402));
        QCOMPARE(FitToScreens(1000, 700, 603, 402, min, two), QRect(1280, 678, 603, 402));
        QCOMPARE(FitToScreens(10, 10, 1920, 1080, min, {QRect(0, 0, 1280, 800)}),
                 QRect(0, 0, 1280, 800));
        QCOMPARE(FitToScreens(1LL << 40, -(1LL << 40), 5, 5, min, {}),
                 QRect((1 << 24) - 1, -(1 << 24) + 1, 340, 120));
    }

    void captionButtonStates() {
        const TBorderIcons all = biSystemMenu | biMinimize | biMaximize;
        TKoCaptionButtons b;
        b.Show(all, false);
        QVERIFY(b.closeVisible && b.minVisible && b.maxVisible && b.hryrVisible);
        QVERIFY(b.MaxClick());
        QVERIFY(!b.maxVisible && b.hryrVisible);
        QVERIFY(!b.MaxClick()); // hidden: no second maximise
        QCOMPARE(b.DblClick(all, true), TKoCaptionButtons::Action::Restore);
        QVERIFY(b.maxVisible && !b.hryrVisible);
        QVERIFY(!b.HryrClick());
        QCOMPARE(b.DblClick(all, false), TKoCaptionButtons::Action::Maximize);

        TKoCaptionButtons shownMaximized;
        shownMaximized.Show(all, true);
        QVERIFY(!shownMaximized.maxVisible && shownMaximized.hryrVisible);

        TKoCaptionButtons dialog;
        dialog.Show(biSystemMenu, false);
        QVERIFY(dialog.closeVisible && !dialog.minVisible && !dialog.maxVisible &&
                !dialog.hryrVisible);
        QCOMPARE(dialog.DblClick(biSystemMenu, false), TKoCaptionButtons::Action::None);
        QVERIFY(!dialog.MaxClick() && !dialog.HryrClick());
    }

    void minimumSizes() {
        TKoForm base;
        // Nothing is enforced before the first show.
        QCOMPARE(base.MinWidth(), 0);
        QVERIFY(!base.Sizeable());
        base.resize(100, 60);
        QCOMPARE(base.size(), QSize(100, 60));
        base.show();
        QCOMPARE(base.MinWidth(), 250);
        QCOMPARE(base.MinHeight(), 115);
        QVERIFY(base.Sizeable());
        QCOMPARE(base.property("MinWidth").toInt(), 250);
        base.resize(392, 273);
        base.resize(10, 10);
        QCOMPARE(base.size(), QSize(250, 115));

        TMainLike main;
        main.show();
        main.resize(200, 50);
        QCOMPARE(main.size(), QSize(340, 120));
        QVERIFY(main.Sizeable());
    }

    void captionPlacement() {
        TKoForm form;
        form.setWindowTitle("A caption for the frame");
        form.resize(500, 300);
        form.show();
        auto* label = form.LabelKoCaption;
        QCOMPARE(label->text(), QString("A caption for the frame"));
        QCOMPARE(label->y(), 10);
        QCOMPARE(label->x(), (500 - label->width()) / 2 - 10);
        form.resize(701, 300);
        QCOMPARE(label->x(), (701 - label->width()) / 2 - 10);
        // The caption is taken at show only.
        form.setWindowTitle("Changed");
        QCOMPARE(label->text(), QString("A caption for the frame"));
        // A long caption in a narrow window lies under the caption buttons, which still take
        // the presses there.
        form.setWindowTitle("A much longer caption that is wider than the narrowest frame");
        form.hide();
        form.show();
        form.resize(250, 115);
        QVERIFY(label->geometry().intersects(form.minImage->geometry()));
        for (QWidget* b : {form.closeImage, form.maxImage, form.minImage})
            QCOMPARE(form.PanelKoTop->childAt(b->geometry().center()), b);
        // A label wider than the form: the halving truncates toward zero.
        QCOMPARE(CaptionLabelLeft(250, 301), -35);
    }

    void frameLayout() {
        TKoForm form;
        form.show();
        form.resize(400, 300);
        QCOMPARE(form.PanelKoClient->geometry(), QRect(10, 49, 400 - 23, 300 - 61));
        QCOMPARE(form.ImageKoTopRight->geometry(), QRect(303, 0, 97, 49));
        QCOMPARE(form.ImageKoTop->geometry(), QRect(81, 0, 400 - 178, 49));
        QCOMPARE(form.PanelKoBottom->geometry(), QRect(0, 288, 400, 12));
        QCOMPARE(form.closeImage->geometry(), QRect(400 - 22, 5, 17, 17));
        QCOMPARE(form.maxImage->pos(), QPoint(400 - 42, 5));
        QCOMPARE(form.hryrImage->pos(), QPoint(400 - 42, 5));
        QCOMPARE(form.minImage->pos(), QPoint(400 - 62, 5));
        QCOMPARE(form.ImageKoLogo->geometry(), QRect(9, 1, 48, 48));
        // Every piece has its picture.
        for (auto* image : form.findChildren<TKoImage*>())
            QVERIFY2(!image->Picture().isNull(), qPrintable(image->objectName()));
        QCOMPARE(form.ImageKoLeft->Picture().size(), QSize(10, 800));
        QCOMPARE(form.ImageKoTopRight->Picture().size(), QSize(97, 49));
        QCOMPARE(form.closeImage->Picture().size(), QSize(17, 19));
        // Maximise lies above restore.
        QVERIFY(form.PanelKoTop->childAt(form.maxImage->geometry().center()) == form.maxImage);
    }

    // At any scale the art's lines are whole device pixels of their own colour, never a blend
    // with their neighbours: the outer line, the highlight, the inner line, a glyph's bar.
    void artIsSharpAtEveryScale() {
        const QRgb outer = qRgb(0x10, 0x21, 0x3a), inner = qRgb(0x12, 0x2a, 0x48),
                   shine = qRgb(0x8c, 0xb8, 0xea), glyph = qRgb(0x17, 0x30, 0x4f);
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            const QString at = QString::number(ratio);
            const int line = std::max(1, qRound(ratio));
            const QPixmap left =
                DrawFramePiece(TFramePiece::Left, DeviceSize(QSize(10, 60), ratio), ratio);
            QCOMPARE(left.devicePixelRatio(), ratio);
            QCOMPARE(left.size(), QSize(qCeil(10 * ratio), qCeil(60 * ratio)));
            const QImage l = left.toImage();
            for (int x = 0; x < line; ++x) {
                QVERIFY2(l.pixel(x, 30) == outer, qPrintable(at));
                QVERIFY2(l.pixel(line + x, 30) == shine, qPrintable(at));
                QVERIFY2(l.pixel(l.width() - 1 - x, 30) == inner, qPrintable(at));
            }
            QVERIFY2(l.pixel(2 * line, 30) != shine, qPrintable(at));
            const QImage r =
                DrawFramePiece(TFramePiece::Right, DeviceSize(QSize(13, 60), ratio), ratio)
                    .toImage();
            QVERIFY2(r.pixel(r.width() - 1, 0) == outer && r.pixel(0, 0) == inner, qPrintable(at));
            // The strip is as wide as it is shown, its lines end to end.
            const QImage top =
                DrawFramePiece(TFramePiece::Top, DeviceSize(QSize(333, 49), ratio), ratio)
                    .toImage();
            QCOMPARE(top.width(), qCeil(333 * ratio));
            for (int x : {0, top.width() / 2, top.width() - 1})
                QVERIFY2(top.pixel(x, 0) == outer && top.pixel(x, top.height() - 1) == inner,
                         qPrintable(at));
            // The minimise bar: two rows of the button, every device row of them the glyph's
            // colour, the rows around them the face's.
            const QImage minimize = DrawFramePiece(TFramePiece::Minimize, QSize(), ratio).toImage();
            const int y0 = qRound(11 * ratio), y1 = qRound(13 * ratio);
            for (int y = y0; y < y1; ++y)
                QVERIFY2(minimize.pixel(qRound(8 * ratio), y) == glyph, qPrintable(at));
            for (int y : {y0 - 1, y1})
                QVERIFY2(qAbs(qGray(minimize.pixel(qRound(8 * ratio), y)) - qGray(glyph)) > 80,
                         qPrintable(at));
        }
    }

    // The window's outline, as the screen shows it (at the scale the test runs at, 1.5 in one
    // of its runs): the outer line runs all round, without a gap or a notch, at a width that
    // does not fall on whole device pixels too.
    void outlineOnTheScreen() {
        TKoForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRgb outer = qRgb(0x10, 0x21, 0x3a);
        for (QSize size : {QSize(401, 301), QSize(400, 300)}) {
            form.resize(size);
            const QImage shot = form.grab().toImage();
            const QString at = QStringLiteral("%1 x %2 at %3")
                                   .arg(size.width())
                                   .arg(size.height())
                                   .arg(form.devicePixelRatioF());
            QVERIFY2(shot.width() >= qFloor(size.width() * form.devicePixelRatioF()),
                     qPrintable(at));
            // As wide on every side: a whole number of device pixels, none cut off.
            const int line = std::max(1, qRound(form.devicePixelRatioF()));
            QStringList gaps;
            for (int i = 0; i < line; ++i) {
                for (int y = 0; y < shot.height(); ++y) {
                    if (shot.pixel(i, y) != outer)
                        gaps << QStringLiteral("left %1 at %2").arg(i).arg(y);
                    if (shot.pixel(shot.width() - 1 - i, y) != outer)
                        gaps << QStringLiteral("right %1 at %2").arg(i).arg(y);
                }
                for (int x = 0; x < shot.width(); ++x) {
                    if (shot.pixel(x, i) != outer)
                        gaps << QStringLiteral("top %1 at %2").arg(i).arg(x);
                    if (shot.pixel(x, shot.height() - 1 - i) != outer)
                        gaps << QStringLiteral("bottom %1 at %2").arg(i).arg(x);
                }
            }
            QVERIFY2(gaps.isEmpty(), qPrintable(at + ": " + gaps.mid(0, 10).join(", ")));
            // The sides' inner lines run straight up into the top corners: the same columns in
            // the corner's last rows as half way down.
            const qreal ratio = form.devicePixelRatioF();
            auto innerColumns = [&](int y, bool left) {
                QList<int> columns;
                const int reach = qCeil((left ? 10 : 13) * ratio) + 1;
                for (int i = 0; i < reach; ++i) {
                    const int x = left ? i : shot.width() - 1 - i;
                    if (shot.pixel(x, y) == qRgb(0x12, 0x2a, 0x48))
                        columns << x;
                }
                return columns;
            };
            const int corner = qFloor(47.5 * ratio), middle = shot.height() / 2;
            for (bool left : {true, false}) {
                QVERIFY2(!innerColumns(middle, left).isEmpty(), qPrintable(at));
                QCOMPARE(innerColumns(corner, left), innerColumns(middle, left));
            }
        }
    }

    void buttonsPressAndToggle() {
        TKoForm form;
        QSignalSpy minimized(TKoApplication::Instance(), &TKoApplication::OnMinimize);
        form.show();
        const QPoint home = form.maxImage->pos();
        // Any button shows the press; it stays one pixel down while any button is held.
        Send(form.maxImage, QEvent::MouseButtonPress, {3, 3}, Qt::RightButton, Qt::RightButton);
        QCOMPARE(form.maxImage->pos(), home + QPoint(1, 1));
        Send(form.maxImage, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton,
             Qt::LeftButton | Qt::RightButton);
        QCOMPARE(form.maxImage->pos(), home + QPoint(1, 1));
        Send(form.maxImage, QEvent::MouseButtonRelease, {3, 3}, Qt::RightButton, Qt::LeftButton);
        QCOMPARE(form.maxImage->pos(), home + QPoint(1, 1));
        // Releasing the left button inside is the click: maximised, restore button shown.
        Send(form.maxImage, QEvent::MouseButtonRelease, {3, 3}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(form.maxImage->pos(), home);
        QVERIFY(form.isMaximized());
        QVERIFY(form.hryrImage->isVisible() && !form.maxImage->isVisible());

        // Presses on a maximised frame neither move nor resize it.
        const QRect maximized = form.geometry();
        Drag(form.ImageKoTop, {100, 30}, {40, 40});
        Drag(form.ImageKoBottomRight, {5, 5}, {-40, -40});
        QCOMPARE(form.geometry(), maximized);

        // The second press of a double click on the button is no second click.
        QTest::mousePress(form.hryrImage, Qt::LeftButton, {}, {3, 3});
        Send(form.hryrImage, QEvent::MouseButtonDblClick, {3, 3}, Qt::LeftButton, Qt::LeftButton);
        QTest::mouseRelease(form.hryrImage, Qt::LeftButton, {}, {3, 3});
        QVERIFY(form.isMaximized());
        QCOMPARE(form.hryrImage->pos(), home);

        // A release outside the button is no click.
        QTest::mousePress(form.hryrImage, Qt::LeftButton, {}, {3, 3});
        QTest::mouseRelease(form.hryrImage, Qt::LeftButton, {}, {30, 3});
        QVERIFY(form.isMaximized());
        QTest::mouseClick(form.hryrImage, Qt::LeftButton, {}, {3, 3});
        QVERIFY(!form.isMaximized());
        QVERIFY(form.maxImage->isVisible() && !form.hryrImage->isVisible());

        // Double clicks on the caption strip toggle too.
        QTest::mouseDClick(form.ImageKoTop, Qt::LeftButton, {}, {60, 30});
        QVERIFY(form.isMaximized());
        QTest::mouseDClick(form.LabelKoCaption, Qt::LeftButton, {}, {1, 1});
        QVERIFY(!form.isMaximized());

        QTest::mouseClick(form.minImage, Qt::LeftButton, {}, {3, 3});
        QVERIFY(form.isMinimized());
        QCOMPARE(minimized.count(), 1);
        form.showNormal();
        QTest::mouseClick(form.closeImage, Qt::LeftButton, {}, {3, 3});
        QVERIFY(!form.isVisible());
    }

    void dialogFrame() {
        TDialogLike dialog;
        dialog.show();
        QVERIFY(!dialog.Sizeable());
        QVERIFY(dialog.closeImage->isVisible());
        QVERIFY(!dialog.minImage->isVisible() && !dialog.maxImage->isVisible() &&
                !dialog.hryrImage->isVisible());
        QTest::mouseDClick(dialog.ImageKoTop, Qt::LeftButton, {}, {60, 30});
        QVERIFY(!dialog.isMaximized());
        // Edges do nothing; the top-left corner moves the dialog.
        const QRect start = dialog.geometry();
        Drag(dialog.ImageKoBottomRight, {5, 5}, {40, 40});
        QCOMPARE(dialog.geometry(), start);
        Drag(dialog.ImageKoTopLeft, {2, 2}, {25, 15});
        QCOMPARE(dialog.geometry(), start.translated(25, 15));
    }

    // Shown modally, a frame window answers the keys of a dialog; the main window does not.
    void dialogKeys() {
        TDialogLike dialog;
        auto* edit = new QLineEdit(dialog.PanelKoClient);
        auto* other = new QPushButton("Other", dialog.PanelKoClient);
        auto* ok = new QPushButton("OK", dialog.PanelKoClient);
        ok->setDefault(true);
        auto* layout = new QVBoxLayout(dialog.PanelKoClient);
        for (QWidget* w :
             {static_cast<QWidget*>(edit), static_cast<QWidget*>(other), static_cast<QWidget*>(ok)})
            layout->addWidget(w);
        QStringList pressed;
        connect(ok, &QPushButton::clicked, [&] { pressed << "OK"; });
        connect(other, &QPushButton::clicked, [&] { pressed << "Other"; });
        bool closedByEscape = false;
        QTimer::singleShot(0, [&] {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return); // the default button
            other->setFocus();
            QTest::keyClick(other, Qt::Key_Enter, Qt::KeypadModifier); // the focused one
            ok->setEnabled(false);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return); // a disabled default does nothing
            QTest::keyClick(edit, Qt::Key_Escape);
            closedByEscape = !dialog.isVisible();
            if (!closedByEscape)
                dialog.close();
        });
        dialog.ShowModal();
        QCOMPARE(pressed, QStringList({"OK", "Other"}));
        QVERIFY(closedByEscape);

        TMainLike main;
        main.show();
        QTest::keyClick(&main, Qt::Key_Escape);
        QVERIFY(main.isVisible());
    }

    void dragsWithoutWindowManager() {
        TKoForm form;
        form.setGeometry(100, 100, 400, 300);
        form.show();
        Drag(form.ImageKoTop, {100, 30}, {30, 40});
        QCOMPARE(form.geometry(), QRect(130, 140, 400, 300));
        Drag(form.LabelKoCaption, {1, 1}, {-30, -40});
        QCOMPARE(form.geometry(), QRect(100, 100, 400, 300));
        Drag(form.ImageKoBottomRight, {5, 5}, {50, 20});
        QCOMPARE(form.geometry(), QRect(100, 100, 450, 320));
        Drag(form.ImageKoTopLeft, {2, 2}, {-10, -10});
        QCOMPARE(form.geometry(), QRect(90, 90, 460, 330));
        // Shrinking stops at the minimum with the opposite edges still.
        Drag(form.ImageKoLeft, {5, 5}, {400, 0});
        QCOMPARE(form.geometry(), QRect(90 + 460 - 250, 90, 250, 330));
        // The top band of the top piece resizes, the rest of it moves.
        Drag(form.ImageKoTop, {50, 3}, {0, -20});
        QCOMPARE(form.geometry(), QRect(300, 70, 250, 350));
        // A move after the release does not drag.
        Send(form.ImageKoTop, QEvent::MouseMove, {60, 30}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(form.geometry(), QRect(300, 70, 250, 350));
        // The logo takes presses and does nothing.
        Drag(form.ImageKoLogo, {20, 20}, {30, 30});
        QCOMPARE(form.geometry(), QRect(300, 70, 250, 350));
    }

    void hoverShapesOnTheFrame() {
        TKoForm form;
        form.resize(400, 300);
        form.show();
        auto* tr = form.ImageKoTopRight;
        Send(tr, QEvent::MouseMove, {tr->width() - 8, 30}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(tr->cursor().shape(), Qt::SizeHorCursor);
        Send(form.ImageKoBottomRight, QEvent::MouseMove, {1, 1}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(form.ImageKoBottomRight->cursor().shape(), Qt::SizeFDiagCursor);
        form.showMaximized();
        Send(tr, QEvent::MouseMove, {5, 30}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(tr->cursor().shape(), Qt::SizeHorCursor); // kept while maximised
    }
};

QTEST_MAIN(TestKoForm)
#include "tst_KoForm.moc"
