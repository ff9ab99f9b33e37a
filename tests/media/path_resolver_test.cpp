#include "media/path_resolver.h"
#include "support/log_capture.h"
#include "support/temporary_home.h"

#include <QImage>
#include <QImageWriter>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vistrelle;
using namespace vistrelle::test_support;

namespace {

class PathResolverTest : public TemporaryHomeTest {
protected:
    const PathResolver& resolver = PathResolver::shared();

    QString makeImage(const QString& name, QSize size, const char* format) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = home.filePath(name);
        QImageWriter writer(path, format);
        EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
        return path;
    }
};

} // namespace

TEST_F(PathResolverTest, EveryStoredFormResolves) {
    const QString h = QDir::homePath();
    EXPECT_EQ(resolver.resolvePath(""), "");
    EXPECT_EQ(resolver.resolvePath("file:///tmp/a%20b.png"), "/tmp/a b.png");
    EXPECT_EQ(resolver.resolvePath("file://host/p.png"), "/p.png");
    EXPECT_EQ(resolver.resolvePath("/Users/a/../a/./x.png"), "/Users/a/x.png");
    EXPECT_EQ(resolver.resolvePath("//Users//a/x.png"), "/Users/a/x.png");
    EXPECT_EQ(resolver.resolvePath("./x.png"), h + "/x.png");
    EXPECT_EQ(resolver.resolvePath("x.png"), h + "/x.png");
    EXPECT_EQ(resolver.resolvePath("~/x.png"), h + "/x.png");
    EXPECT_EQ(resolver.resolvePath("bookmark://missing"), h + "/bookmark://missing");
    EXPECT_FALSE(QFileInfo::exists(resolver.resolvePath("bookmark://missing")));
}

TEST_F(PathResolverTest, PickedFilesAreStoredInFormsThatTravelWithTheProject) {
    EXPECT_EQ(resolver.storedPathFor(home.filePath("Pictures/a b.jpg")), "~/Pictures/a b.jpg");
    EXPECT_EQ(resolver.storedPathFor("/srv/media/../media/logo.png"), "/srv/media/logo.png");
    // A folder whose name only begins like the home folder's is not inside it.
    EXPECT_EQ(resolver.storedPathFor(home.path() + "-other/x.png"), home.path() + "-other/x.png");
    const QString picked = home.filePath("Pictures/a b.jpg");
    EXPECT_EQ(resolver.resolvePath(resolver.storedPathFor(picked)), picked);
}

TEST_F(PathResolverTest, BookmarksLiveInThePreferencesAndRefreshWhenStale) {
    const QString file = makeFile("Pictures/b c.png", "one");
    const QString stored = resolver.createBookmark(QUrl::fromLocalFile(file));
    ASSERT_TRUE(stored.startsWith("bookmark://bookmark_b c.png_"));
    const QString key = stored.mid(QStringLiteral("bookmark://").size());
    EXPECT_EQ(key.size(), QStringLiteral("bookmark_b c.png_").size() + 36);
    EXPECT_EQ(resolver.resolvePath(stored), file);
    const QByteArray original = *Preferences::data(key);

    // Replace the file with another one at the same path: the bookmark is stale.
    QFile::remove(file);
    makeFile("Pictures/b c.png", "two");
    EXPECT_EQ(resolver.resolveBookmark(key)->toLocalFile(), file);
    EXPECT_NE(*Preferences::data(key), original);

    QFile::remove(file);
    LogCapture log;
    EXPECT_FALSE(resolver.resolveBookmark(key));
    EXPECT_EQ(log.errorMessages().size(), 1);
    EXPECT_TRUE(log.errorMessages()[0].startsWith("Failed to resolve bookmark: "));
    EXPECT_FALSE(resolver.resolveBookmark("bookmark_never_stored"));
    EXPECT_EQ(log.errorMessages().size(), 1); // no data: nothing to report

    const QString missing = home.filePath("gone.png");
    EXPECT_EQ(resolver.createBookmark(QUrl::fromLocalFile(missing)), missing);
    EXPECT_TRUE(log.errorMessages().last().startsWith("Failed to create bookmark for: "));
}

TEST_F(PathResolverTest, CopyingReportsMissingAndUnreadableFilesAndNeverOverwrites) {
    const QString source = makeFile("a.jpg", QByteArray(3 * 1024 * 1024, 'x'));
    const QString target = home.filePath("copy.jpg");
    resolver.copyResource("~/a.jpg", target);
    EXPECT_EQ(contentsOf(target).size(), 3 * 1024 * 1024);
    EXPECT_THROW(resolver.copyResource("~/a.jpg", target), FileError);

    try {
        resolver.copyResource("bookmark://nothing", home.filePath("x"));
        FAIL();
    } catch (const FileError& error) {
        EXPECT_EQ(error.code, FileError::noSuchFile);
    }
    // A file nobody may read. Root reads everything, so as root a child that has given root up tries it.
    ::chmod(QFile::encodeName(source).constData(), 0);
    const auto copyUnreadable = [&]() -> int {
        try {
            resolver.copyResource("~/a.jpg", home.filePath("y"));
            return 2;
        } catch (const FileError& error) {
            return error.code == FileError::noReadPermission ? 0 : 1;
        }
    };
    int outcome = 4;
    if (::geteuid() != 0) {
        outcome = copyUnreadable();
    } else {
        ::chmod(QFile::encodeName(home.path()).constData(), 0755);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)
                ::_exit(3);
            ::_exit(copyUnreadable());
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        outcome = WIFEXITED(status) ? WEXITSTATUS(status) : 4;
        if (outcome == 3) {
            ::chmod(QFile::encodeName(source).constData(), 0644);
            GTEST_SKIP() << "this container does not let root become another user";
        }
    }
    EXPECT_EQ(outcome, 0)
        << "1: another error than a missing permission, 2: copied, 3: could not give root up";
    EXPECT_FALSE(QFileInfo::exists(home.filePath("y")));
    ::chmod(QFile::encodeName(source).constData(), 0644);
    EXPECT_THROW(resolver.copyResource("~/", home.filePath("z")), FileError); // a folder is not copied
    // Nor a pipe that appeared after the checks: opening it must not wait for a writer forever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(home.filePath("pipe")).constData(), 0600), 0);
    EXPECT_THROW(resolver.copyResource("~/pipe", home.filePath("p")), FileError);
    QFile::remove(home.filePath("pipe"));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), (QStringList{"a.jpg", "copy.jpg"}));
}

TEST_F(PathResolverTest, ImagesAreDecodedDownToTheLimit) {
    const QString wide = makeImage("wide.jpg", {4000, 2000}, "jpg");
    const std::optional<QImage> scaled = resolver.loadImage("~/wide.jpg", 2048, 2048);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->size(), QSize(2048, 1024));

    makeImage("tall.png", {1000, 3000}, "png");
    EXPECT_EQ(resolver.loadImage("~/tall.png", 2048, 2048)->size(), QSize(683, 2048));
    makeImage("small.png", {500, 500}, "png");
    EXPECT_EQ(resolver.loadImage("~/small.png", 2048, 2048)->size(), QSize(500, 500));

    makeFile("broken.jpg", "not a picture");
    EXPECT_FALSE(resolver.loadImage("~/broken.jpg", 2048, 2048));
    EXPECT_FALSE(resolver.loadImage("~/none.jpg", 2048, 2048));
    EXPECT_FALSE(resolver.loadImage("~/", 2048, 2048));
    EXPECT_NEAR(PathResolver::downscaledSize({1000, 3000}, 2048, 2048).width(), 682.67, 0.01);
    EXPECT_EQ(PathResolver::downscaleImage(QImage(4000, 2000, QImage::Format_RGB32), 2048, 2048).size(),
              QSize(2048, 1024));
}
