#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>

namespace vistrelle {

class ImageCache;

// Where the renderer gets media pictures from. A slide waits for its
// pictures; the canvas draws a placeholder and repaints when one arrives.
class ImageSource {
public:
    enum class State { loaded, loading, failed };
    struct Lookup {
        State state = State::failed;
        QImage image;
    };

    virtual ~ImageSource() = default;
    virtual Lookup lookup(const QString& storedPath) = 0;
};

// Loads on the calling thread and waits (slides, the command line).
class BlockingImageSource : public ImageSource {
public:
    explicit BlockingImageSource(ImageCache& cache);
    Lookup lookup(const QString& storedPath) override;

private:
    ImageCache& cache_;
};

// Answers from the cache at once; a missing picture is requested in the
// background and `loaded` is called on `context`'s thread when it arrives.
class AsyncImageSource : public ImageSource {
public:
    AsyncImageSource(ImageCache& cache, QObject* context, std::function<void()> loaded);
    Lookup lookup(const QString& storedPath) override;

private:
    // Shared with the loads in flight, which may finish after this source is gone.
    struct State {
        std::function<void()> loaded;
        QSet<QString> pending;
        QSet<QString> failed;
    };

    ImageCache& cache_;
    QPointer<QObject> context_;
    std::shared_ptr<State> state_;
};

// Answers from pictures looked up beforehand on one thread, from any thread:
// a screen drawn in parts on several threads asks it instead of a source
// that must stay on its own thread. Paths not taken read as loading.
class ImageSnapshot : public ImageSource {
public:
    void take(ImageSource& source, const QString& storedPath);
    Lookup lookup(const QString& storedPath) override;

private:
    QHash<QString, Lookup> lookups_;
};

} // namespace vistrelle
