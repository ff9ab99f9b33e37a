#pragma once

#include "model/project_model.h"

#include <QFutureWatcher>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QTimer>

namespace vistrelle {

// Small pictures of a project's screens for the screens palette, drawn by the slide renderer on the thread
// pool. After an edit only the screens that changed are drawn again, in one batch at most every
// `pauseMs`, so typing and dragging never wait for them; the GUI thread only compares screens and takes
// the finished pictures.
class ScreenThumbnails : public QObject {
    Q_OBJECT

public:
    static constexpr int width = 64;    // logical pixels
    static constexpr int height = 40;   // the box a screen of any shape fits in
    static constexpr int pauseMs = 250; // between two batches

    explicit ScreenThumbnails(QObject* parent = nullptr);
    // Waits for a batch still drawing.
    ~ScreenThumbnails() override;

    void setDevicePixelRatio(qreal ratio) { ratio_ = ratio; }
    // The screens as they are now: those not drawn as they are are queued, the others forgotten.
    void update(const QList<KioskScreen>& screens);
    // Forgets every picture (another project).
    void clear();
    // The screen's picture, or a null image until it is drawn.
    QImage thumbnail(const QUuid& screenId) const { return images_.value(screenId); }
    // Whether a batch is waiting or drawing (tests).
    bool isBusy() const { return drawing_ || pause_.isActive() || !wanted_.isEmpty(); }

    // The picture of `screen` at `ratio` device pixels per point, fitted into width × height.
    static QImage draw(const KioskScreen& screen, qreal ratio);

signals:
    void thumbnailReady(const QUuid& screenId);

private:
    using Batch = QList<std::pair<KioskScreen, QImage>>;
    void startBatch();
    void takeBatch();

    qreal ratio_ = 1.0;
    QHash<QUuid, KioskScreen> drawn_; // what each picture shows
    QHash<QUuid, QImage> images_;
    QHash<QUuid, KioskScreen> wanted_; // changed since, not yet in a batch
    QSet<QUuid> present_;              // the screens of the last update
    quint64 generation_ = 0;           // counts clear(): a batch of an earlier project is dropped
    quint64 batchGeneration_ = 0;
    // From the start of a batch until its pictures are taken (its thread ends a little before).
    bool drawing_ = false;
    QFutureWatcher<Batch> running_;
    QTimer pause_;
};

} // namespace vistrelle
