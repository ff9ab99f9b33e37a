#include "media/image_cache.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QThread>

#include <atomic>

#include <QTest>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

QImage imageOf(int width, int height = 1) {
    return QImage(width, height, QImage::Format_ARGB32);
}

QString path(int i) {
    return QStringLiteral("/img/%1.png").arg(i);
}

// The order lists exactly the cached images and the total is the sum of their costs. Touching every
// image in the present order leaves that order as it was.
void expectConsistent(ImageCache& cache) {
    const QStringList order = cache.accessOrder();
    EXPECT_EQ(order.size(), cache.count());
    qint64 bytes = 0;
    for (const QString& p : order) {
        const std::optional<QImage> image = cache.cachedImage(p);
        EXPECT_TRUE(image) << p.toStdString();
        bytes += image ? ImageCache::byteCost(*image) : 0;
    }
    EXPECT_EQ(cache.totalBytes(), bytes);
    EXPECT_EQ(cache.accessOrder(), order);
}

} // namespace

TEST(ImageCacheTest, TheFiftyFirstImageShrinksTheCacheToFortyNine) {
    ImageCache cache([](const QString&) { return std::nullopt; });
    for (int i = 0; i < 50; ++i)
        cache.store(imageOf(1), path(i));
    EXPECT_EQ(cache.count(), 50);
    cache.store(imageOf(1), path(50));
    EXPECT_EQ(cache.count(), 49);
    EXPECT_FALSE(cache.cachedImage(path(0)));
    EXPECT_FALSE(cache.cachedImage(path(1)));
    EXPECT_TRUE(cache.cachedImage(path(50)));
    EXPECT_EQ(cache.totalBytes(), 49 * 4);
}

TEST(ImageCacheTest, TheByteLimitEvictsOneOldestAtATimeButNeverTheLast) {
    ImageCache cache([](const QString&) { return std::nullopt; });
    cache.setLimits(50, 1000);
    cache.store(imageOf(100), path(0)); // 400 bytes each
    cache.store(imageOf(100), path(1));
    cache.touch(path(0)); // now 1 is the oldest
    cache.store(imageOf(100), path(2));
    EXPECT_EQ(cache.accessOrder(), (QStringList{path(0), path(2)}));
    EXPECT_EQ(cache.totalBytes(), 800);

    cache.store(imageOf(1000), path(3)); // alone larger than the limit
    EXPECT_EQ(cache.count(), 1);
    EXPECT_TRUE(cache.cachedImage(path(3)));

    cache.store(imageOf(10), path(3)); // storing again corrects the total
    EXPECT_EQ(cache.totalBytes(), 40);
}

TEST(ImageCacheTest, AnImageStoredAgainIsTheMostRecentAndNeverEvictedByItsOwnStore) {
    ImageCache cache([](const QString&) { return std::nullopt; });
    cache.setLimits(50, 1000);
    cache.store(imageOf(100), path(0)); // 400 bytes
    cache.store(imageOf(100), path(1));
    cache.store(imageOf(200), path(0)); // 800 bytes: over the limit, so 1 goes
    EXPECT_EQ(cache.accessOrder(), QStringList{path(0)});
    EXPECT_EQ(cache.totalBytes(), 800);
    cache.store(imageOf(25), path(2));
    EXPECT_EQ(cache.accessOrder(), (QStringList{path(0), path(2)}));
    expectConsistent(cache);

    cache.setLimits(2, 1000);
    cache.store(imageOf(10), path(2));
    cache.store(imageOf(10), path(3)); // 0 is now the oldest
    EXPECT_EQ(cache.accessOrder(), (QStringList{path(2), path(3)}));
    expectConsistent(cache);
}

TEST(ImageCacheTest, ALoadFinishingForAPathStoredMeanwhileKeepsTheLoadedImage) {
    QSemaphore release;
    ImageCache cache([&](const QString&) -> std::optional<QImage> {
        release.acquire();
        return imageOf(200); // 800 bytes
    });
    cache.setLimits(50, 1000);
    QObject context;
    bool delivered = false;
    cache.requestImage(path(0), &context, [&](const std::optional<QImage>&) { delivered = true; });
    cache.store(imageOf(100), path(0));
    cache.store(imageOf(100), path(1));
    release.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered; }, 5000));
    EXPECT_EQ(cache.accessOrder(), QStringList{path(0)});
    EXPECT_EQ(cache.cachedImage(path(0)).value_or(QImage()).width(), 200);
    expectConsistent(cache);
}

TEST(ImageCacheTest, RequestsLoadInTheBackgroundAndDeliverOnTheCallersThread) {
    std::atomic<int> loads = 0;
    ImageCache cache([&](const QString& p) -> std::optional<QImage> {
        ++loads;
        return p == "/fails" ? std::nullopt : std::optional(imageOf(2, 2));
    });
    QObject context;
    std::vector<std::optional<QImage>> delivered;
    QList<QThread*> threads;
    const auto deliver = [&](const std::optional<QImage>& image) {
        delivered.push_back(image);
        threads.append(QThread::currentThread());
    };
    cache.requestImage("", &context, deliver);
    cache.requestImage("/a", &context, deliver);
    cache.requestImage("/fails", &context, deliver);
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.size() >= 3; }, 5000));
    ASSERT_EQ(delivered.size(), 3u);
    EXPECT_FALSE(delivered[0]); // empty path: at once, nothing
    for (QThread* thread : threads)
        EXPECT_EQ(thread, QThread::currentThread());
    EXPECT_EQ(cache.count(), 1); // failures are not cached

    cache.requestImage("/a", &context, deliver); // a hit: at once, no load
    EXPECT_EQ(delivered.size(), 4u);
    EXPECT_EQ(loads, 2);
}

TEST(ImageCacheTest, ARequesterDeletedDuringItsLoadGetsNothingAndTheImageIsStillKept) {
    // Many rounds, the requester deleted at a different moment of the load each time: before,
    // while and after the pool thread hands the result over.
    for (int round = 0; round < 200; ++round) {
        QSemaphore started;
        QSemaphore release;
        std::atomic<int> loads = 0;
        auto cache = std::make_unique<ImageCache>([&](const QString&) -> std::optional<QImage> {
            ++loads;
            started.release();
            release.acquire();
            return imageOf(4, 4);
        });
        auto requester = std::make_unique<QObject>();
        bool delivered = false;
        cache->requestImage("/slow.png", requester.get(),
                            [&](const std::optional<QImage>&) { delivered = true; });
        started.acquire();
        release.release();
        if (round % 2 == 0)
            QThread::usleep(round % 7 * 10);
        requester.reset();
        QCoreApplication::processEvents();

        if (round % 3 == 0) {
            cache.reset(); // waits for the load: nothing stores into a cache that is gone
            EXPECT_FALSE(delivered);
            continue;
        }
        QElapsedTimer waited;
        waited.start();
        while (!cache->cachedImage("/slow.png") && waited.elapsed() < 5000)
            QThread::msleep(1);
        QCoreApplication::processEvents();
        EXPECT_FALSE(delivered);
        ASSERT_TRUE(cache->cachedImage("/slow.png")) << "round " << round;

        QObject next;
        cache->requestImage("/slow.png", &next,
                            [&](const std::optional<QImage>& image) { delivered = image.has_value(); });
        EXPECT_TRUE(delivered); // a hit, delivered at once
        EXPECT_EQ(loads, 1);
    }
}
