#pragma once

#include "model/project_model.h"
#include "render/live_picture.h"

#include <QFuture>
#include <QHash>
#include <QImage>

namespace vistrelle {

// Pictures of whole screens for the preview, each drawn once through the
// shared screen drawing and then composed (shown, or moved by a transition)
// as often as frames need. A screen about to come is drawn ahead in the
// background; a new video frame redraws only the part it covers. At most
// three layers exist at once, counting those still being drawn: a show of a
// hundred screens costs what a show of three does.
class ScreenLayers {
public:
    static constexpr int mostLayers = 3;
    // Pixels of one layer at most (64 MB): a huge screen is drawn coarser and enlarged.
    static constexpr double pixelBudget = 4096.0 * 4096.0;

    explicit ScreenLayers(const KioskProject& project);
    ~ScreenLayers();
    ScreenLayers(const ScreenLayers&) = delete;
    ScreenLayers& operator=(const ScreenLayers&) = delete;

    // Points per screen unit and pixels per point. A change drops every layer.
    void setScale(double pointsPerUnit, double devicePixelRatio);

    // The layer of screen `index`, drawn now unless held or on its way (then
    // waited for); a null image for a screen that cannot be drawn.
    const QImage& layer(qint64 index, const LivePictures& live);
    // Starts drawing screen `index` in the background, unless held, on its
    // way, or the limit is reached (then it is drawn when needed).
    void prepare(qint64 index, const LivePictures& live);
    bool isHeld(qint64 index) const { return layers_.contains(index); }
    // Lets go of every layer but these.
    void keepOnly(const QList<qint64>& indices);
    // Draws `units` (screen units) of a held layer again.
    void redraw(qint64 index, const QRectF& units, const LivePictures& live);

    // Layers held or being drawn.
    int count() const;

    // Pixels per screen unit for a screen: the scale, less for a screen too large for the budget.
    double pixelsPerUnit(const ScreenResolution& resolution) const;
    // One screen as a layer at `pixelsPerUnit` (any thread).
    static QImage draw(const KioskScreen& screen, double pixelsPerUnit, const LivePictures& live);

private:
    struct Layer {
        QImage image;
        double pixelsPerUnit = 1;
        QFuture<QImage> drawing; // while on its way
    };

    const KioskScreen* screenAt(qint64 index) const;
    void forgetFinishedStrays() const;

    KioskProject project_;
    double pointsPerUnit_ = 1;
    double devicePixelRatio_ = 1;
    QHash<qint64, Layer> layers_;
    // Drawings no longer wanted that are still running; they count until they end.
    mutable QList<QFuture<QImage>> strays_;
    QImage none_;
};

} // namespace vistrelle
