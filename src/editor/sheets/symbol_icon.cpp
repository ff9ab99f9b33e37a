#include "editor/sheets/symbol_icon.h"

#include "render/symbol_catalog.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>

namespace vistrelle {
namespace {

// Draws the symbol at whatever size and state the icon is asked for, so that
// toolbar buttons stay crisp on high-density screens and grey out when disabled.
class SymbolIconEngine : public QIconEngine {
public:
    explicit SymbolIconEngine(QString name)
        : name_(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QApplication::palette();
        const QColor color = mode == QIcon::Disabled ? palette.color(QPalette::Disabled, QPalette::ButtonText)
                             : mode == QIcon::Selected ? palette.color(QPalette::HighlightedText)
                                                       : palette.color(QPalette::ButtonText);
        SymbolCatalog::shared().paint(*painter, name_, QRectF(rect), color);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap picture = pixmap(size * scale, mode, state);
        picture.setDevicePixelRatio(scale);
        return picture;
    }

    QIconEngine* clone() const override { return new SymbolIconEngine(name_); }

private:
    QString name_;
};

} // namespace

QIcon symbolIcon(const QString& symbolName) {
    return QIcon(new SymbolIconEngine(symbolName));
}

QPixmap symbolPixmap(const QString& symbolName, int size, const QColor& color, qreal devicePixelRatio) {
    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        SymbolCatalog::shared().paint(painter, symbolName, QRectF(0, 0, pixels, pixels), color);
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

QString componentSymbolName(ComponentType type) {
    switch (type) {
    case ComponentType::image:
        return QStringLiteral("photo");
    case ComponentType::title:
    case ComponentType::label:
    case ComponentType::textArea:
        return QStringLiteral("textformat");
    case ComponentType::webView:
        return QStringLiteral("globe");
    case ComponentType::video:
        return QStringLiteral("film");
    case ComponentType::shape:
        return QStringLiteral("star.fill");
    case ComponentType::icon:
        return QStringLiteral("face.smiling");
    case ComponentType::clock:
        return QStringLiteral("clock");
    case ComponentType::countdown:
        return QStringLiteral("hourglass");
    case ComponentType::ticker:
        return QStringLiteral("arrow.left");
    }
    return QStringLiteral("face.smiling");
}

} // namespace vistrelle
