#include "export/feed_text.h"

#include "model/component_properties.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <QXmlStreamReader>

namespace vistrelle {

namespace {

constexpr int mostHeadlines = 50;
constexpr qint64 largestFeed = 2 * 1024 * 1024;

QString tr(const char* text) {
    return QCoreApplication::translate("FeedText", text);
}

// A title as plain text: escaped markup in it ("&lt;b&gt;") is markup all the same.
QString plainTitle(const QString& title) {
    QString text = title;
    text.remove(QRegularExpression(QStringLiteral("</?[A-Za-z][^>]*>")));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
        .replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return text.simplified();
}

} // namespace

QStringList feedAddresses(const KioskProject& project) {
    QStringList addresses;
    for (const KioskScreen& screen : project.screens)
        for (const PlacedComponent& c : screen.components) {
            const QString address = c.stringProperty(PropertyKey::feedUrl).trimmed();
            if (c.componentType == ComponentType::ticker && !address.isEmpty() &&
                !addresses.contains(address))
                addresses << address;
        }
    return addresses;
}

bool hasFeeds(const KioskProject& project) {
    return !feedAddresses(project).isEmpty();
}

std::optional<QString> feedPlainText(const QByteArray& document, QString* error) {
    QXmlStreamReader xml(document);
    xml.setNamespaceProcessing(true);
    // A document type is read past; entities it declares expand no further than this (so no billion laughs).
    xml.setEntityExpansionLimit(4096);
    QStringList headlines;
    bool isFeed = false;
    int itemDepth = 0;
    const auto fail = [&](const QString& why) -> std::optional<QString> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QStringView name = xml.name();
            if (name == QLatin1StringView("rss") || name == QLatin1StringView("feed") ||
                name == QLatin1StringView("RDF"))
                isFeed = true;
            else if (name == QLatin1StringView("item") || name == QLatin1StringView("entry"))
                ++itemDepth;
            // The item's own title, not another vocabulary's (media:title) that would say it twice.
            else if (name == QLatin1StringView("title") && xml.prefix().isEmpty() && itemDepth > 0 &&
                     headlines.size() < mostHeadlines) {
                const QString title = plainTitle(xml.readElementText(QXmlStreamReader::IncludeChildElements));
                if (!title.isEmpty())
                    headlines << title;
            }
        } else if (token == QXmlStreamReader::EndElement &&
                   (xml.name() == QLatin1StringView("item") || xml.name() == QLatin1StringView("entry"))) {
            itemDepth = std::max(0, itemDepth - 1);
        }
    }
    if (xml.hasError())
        return fail(tr("The feed cannot be read: %1").arg(xml.errorString()));
    if (!isFeed)
        return fail(tr("This is no RSS or Atom feed."));
    return headlines.join(QStringLiteral("  •  "));
}

std::optional<QString> fetchFeedText(const QString& address, double timeoutSeconds, QString* error) {
    const QUrl url(address.trimmed());
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1StringView("https") && scheme != QLatin1StringView("http"))) {
        if (error)
            *error = tr("It is no web address.");
        return std::nullopt;
    }
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setTransferTimeout(int(timeoutSeconds * 1000));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = network.get(request);
    QEventLoop wait;
    QByteArray body;
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::readyRead, &wait, [&] {
        body += reply->readAll();
        if (body.size() > largestFeed) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    QTimer::singleShot(int(timeoutSeconds * 1000), &wait, [reply] { reply->abort(); });
    if (!reply->isFinished())
        wait.exec(); // a worker thread's own loop, for this one answer
    body += reply->readAll();
    const bool failed = reply->error() != QNetworkReply::NoError;
    const QString why = tooLarge ? tr("The feed is larger than 2 MB.") : reply->errorString();
    reply->deleteLater();
    if (failed || tooLarge) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    return feedPlainText(body, error);
}

KioskProject withFeedSnapshots(const KioskProject& project, const QDateTime& now,
                               const std::function<void(const QString&, const QString&)>& unreachable,
                               const std::function<bool()>& cancelled) {
    KioskProject fetched = project;
    QHash<QString, std::optional<QString>> texts;
    for (KioskScreen& screen : fetched.screens)
        for (PlacedComponent& c : screen.components) {
            const QString address = c.stringProperty(PropertyKey::feedUrl).trimmed();
            if (c.componentType != ComponentType::ticker || address.isEmpty())
                continue;
            if (!texts.contains(address)) {
                if (cancelled && cancelled())
                    return fetched;
                QString why;
                texts.insert(address, fetchFeedText(address, 15, &why));
                if (!texts.value(address) && unreachable)
                    unreachable(address, why);
            }
            if (const std::optional<QString>& text = texts.value(address)) {
                c.properties[PropertyKey::feedSnapshot] = *text;
                c.properties[PropertyKey::feedSnapshotDate] = now.toUTC().toString(Qt::ISODate);
            }
        }
    return fetched;
}

} // namespace vistrelle
