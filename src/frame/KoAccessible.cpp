#include "KoAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace koframe {

namespace {

const char* const kCaptionButton = "koCaptionButton";

class TCaptionButtonAccessible final : public QAccessibleWidget {
public:
    explicit TCaptionButtonAccessible(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    // As a click of the mouse: the frame's handlers take the press and the release.
    void doAction(const QString& name) override {
        if (name != pressAction() || !widget()->isEnabled())
            return;
        QWidget* w = widget();
        const QPointF at = QRectF(w->rect()).center();
        const QPointF global = w->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(w, &release);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (w && w->property(kCaptionButton).toBool())
        return new TCaptionButtonAccessible(w);
    return nullptr;
}

} // namespace

void MarkCaptionButton(QWidget* picture) {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
    picture->setProperty(kCaptionButton, true);
}

} // namespace koframe
