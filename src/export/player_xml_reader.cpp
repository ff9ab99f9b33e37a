#include "export/player_xml_reader.h"

#include "export/schedule_xml.h"
#include "export/xml_numbers.h"
#include "model/enumerations.h"
#include "model/stored_enum.h"
#include "model/uuid_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>

namespace vistrelle {

QString PlayerXmlError::message() const {
    return QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(description);
}

namespace {

constexpr qint64 mostElements = 4'000'000;

// The writer leaves line feeds, carriage returns and tabs of a value as they are, and an XML parser turns
// them into spaces inside attribute values: a label's second line would join its first. As character
// references they survive. Only quoted values inside tags are touched.
struct ProtectedXml {
    QByteArray data;
    // Where each replaced line feed was: the parser's line and the column that followed it, both counted in
    // the protected text, so that an error's place can be told in the lines of the file as written.
    struct LineBreak {
        qint64 line;
        qint64 nextColumn;
    };
    QList<LineBreak> removedBreaks;

    PlayerXmlError placedInOriginal(PlayerXmlError error) const {
        qint64 earlierBreaks = 0;
        std::optional<qint64> lastColumnOnLine;
        for (const LineBreak& removed : removedBreaks) {
            if (removed.line < error.line) {
                ++earlierBreaks;
            } else if (removed.line == error.line && removed.nextColumn <= error.column) {
                ++earlierBreaks;
                lastColumnOnLine = removed.nextColumn;
            }
        }
        error.line += earlierBreaks;
        if (lastColumnOnLine)
            error.column -= *lastColumnOnLine;
        return error;
    }
};

ProtectedXml protectAttributeWhitespace(const QByteArray& data) {
    ProtectedXml result;
    QByteArray& out = result.data;
    out.reserve(data.size() + data.size() / 16);
    bool inTag = false;
    char quote = 0;
    qint64 line = 1;
    qint64 column = 0; // counted as the parser counts, in bytes here: the same for the writer's ASCII markup
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '\n') {
                out += "&#10;";
                column += 5;
                result.removedBreaks.append({line, column});
                continue;
            } else if (c == '\r') {
                out += "&#13;";
                column += 5;
                continue;
            } else if (c == '\t') {
                out += "&#9;";
                column += 5;
                continue;
            }
        } else if (inTag) {
            if (c == '"' || c == '\'')
                quote = c;
            else if (c == '>')
                inTag = false;
        } else if (c == '<' && i + 1 < data.size() && data[i + 1] != '!' && data[i + 1] != '?') {
            inTag = true;
        }
        out += c;
        if (c == '\n') {
            ++line;
            column = 0;
        } else {
            ++column;
        }
    }
    return result;
}

class PlayerXmlReader {
public:
    PlayerXmlReader(const QByteArray& data, const QString& contentsFolder)
        : xml_(data)
        , contents_(QDir::cleanPath(QDir(contentsFolder).absolutePath())) {
        xml_.setNamespaceProcessing(false);
    }

    PlayerData read() {
        qint64 elements = 0;
        bool sawRoot = false;
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::DTD:
                fail(QCoreApplication::translate("PlayerXml",
                                                 "The file declares a document type; player data has none."));
                break;
            case QXmlStreamReader::EntityReference:
                fail(QCoreApplication::translate("PlayerXml", "The file refers to an undeclared entity."));
                break;
            case QXmlStreamReader::StartElement:
                if (++elements > mostElements)
                    fail(QCoreApplication::translate("PlayerXml", "The file holds too many elements."));
                if (!sawRoot && xml_.qualifiedName() != QLatin1StringView("KioskProject"))
                    fail(QCoreApplication::translate("PlayerXml",
                                                     "The file is not player data (its root is <%1>).")
                             .arg(xml_.qualifiedName()));
                sawRoot = true;
                startElement();
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                break;
            case QXmlStreamReader::Characters:
                if (!xml_.isWhitespace())
                    text_ += xml_.text();
                break;
            default:
                break;
            }
        }
        if (xml_.hasError())
            fail(xml_.errorString().isEmpty() ? QStringLiteral("Invalid XML") : xml_.errorString());
        if (!sawRoot)
            fail(QCoreApplication::translate("PlayerXml", "The file is empty."));
        data_.project.screens = screens_;
        return data_;
    }

private:
    [[noreturn]] void fail(const QString& description) const {
        throw PlayerXmlError{description, xml_.lineNumber(), xml_.columnNumber()};
    }

    QStringView attribute(QLatin1StringView name) const { return attributes_.value(name); }
    QString text(QLatin1StringView name) const { return attributes_.value(name).toString(); }
    bool has(QLatin1StringView name) const { return attributes_.hasAttribute(name); }

    // "Resources/name" relative to Contents, as an absolute path that stays inside it.
    QString mediaPath(const QString& written) {
        if (written.isEmpty())
            return {};
        const QString absolute = QDir::cleanPath(contents_ + u'/' + written);
        // Inside Contents by its text, and by where a link in it leads.
        const QString canonical = QFileInfo(absolute).canonicalFilePath();
        const QString canonicalContents = QFileInfo(contents_).canonicalFilePath();
        if (QDir::isAbsolutePath(written) || !absolute.startsWith(contents_ + u'/') ||
            (!canonical.isEmpty() && !canonicalContents.isEmpty() &&
             !canonical.startsWith(canonicalContents + u'/'))) {
            data_.refusedPaths.append(written);
            return {};
        }
        return absolute;
    }

    ScreenResolution resolution() const {
        ScreenResolution r;
        r.width =
            std::clamp<qint64>(strictInteger(attribute(QLatin1StringView("width"))).value_or(0), 0, 1 << 16);
        r.height =
            std::clamp<qint64>(strictInteger(attribute(QLatin1StringView("height"))).value_or(0), 0, 1 << 16);
        r.mode = fromStoredString<ScreenMode>(attribute(QLatin1StringView("mode")))
                     .value_or(ScreenMode::horizontal);
        r.name = QStringLiteral("Custom %1\u00D7%2").arg(r.width).arg(r.height);
        r.isCustom = true;
        return r;
    }

    BackgroundStyle background() {
        BackgroundStyle b;
        b.type = fromStoredString<BackgroundType>(attribute(QLatin1StringView("type")))
                     .value_or(BackgroundType::color);
        if (has(QLatin1StringView("color")))
            b.color = text(QLatin1StringView("color"));
        if (has(QLatin1StringView("imagePath")))
            b.imagePath = mediaPath(text(QLatin1StringView("imagePath")));
        // A gradient record exists where its colours were written (the settings write them empty without
        // one).
        if (!attribute(QLatin1StringView("startColor")).isEmpty() ||
            !attribute(QLatin1StringView("endColor")).isEmpty())
            b.gradient =
                GradientStyle{text(QLatin1StringView("startColor")), text(QLatin1StringView("endColor")),
                              fromStoredString<GradientDirection>(attribute(QLatin1StringView("direction")))
                                  .value_or(GradientDirection::vertical)};
        return b;
    }

    // A schedule that cannot be read stops the reading: playing a screen at the wrong times is worse than
    // the display keeping the show it has.
    ScreenSchedule schedule() {
        const std::optional<ScreenSchedule> s = scheduleFromXmlAttributes(attributes_);
        if (!s)
            fail(QCoreApplication::translate("PlayerXml",
                                             "A schedule's dates, weekdays or times cannot be read."));
        return *s;
    }

    void startElement() {
        attributes_ = xml_.attributes();
        text_.clear();
        const QStringView element = xml_.qualifiedName();
        if (element == QLatin1StringView("screen")) {
            KioskScreen screen;
            if (const std::optional<QUuid> id = uuidFromText(attribute(QLatin1StringView("id"))))
                screen.id = *id;
            screen.name = text(QLatin1StringView("name"));
            // Held 3 s to a day: a longer hold would overflow the player's timers and never end.
            screen.duration = std::clamp<qint64>(
                strictInteger(attribute(QLatin1StringView("duration"))).value_or(3), 3, 86400);
            screen_ = screen;
        } else if (element == QLatin1StringView("resolution") && screen_) {
            screen_->resolution = resolution();
        } else if (element == QLatin1StringView("defaultResolution")) {
            data_.project.settings.defaultResolution = resolution();
        } else if (element == QLatin1StringView("background")) {
            (screen_ ? screen_->background : data_.project.settings.defaultBackground) = background();
        } else if (element == QLatin1StringView("transition") && screen_) {
            screen_->transition.effect =
                fromStoredString<TransitionEffect>(attribute(QLatin1StringView("effect")))
                    .value_or(TransitionEffect::none);
            if (const std::optional<double> d = finiteNumber(attribute(QLatin1StringView("duration"))))
                screen_->transition.duration = std::clamp(*d, 0.0, 60.0);
        } else if (element == QLatin1StringView("schedule") && screen_) {
            screen_->schedule = schedule();
        } else if (element == QLatin1StringView("openingHours") && !screen_) {
            data_.project.settings.openingHours = schedule();
        } else if (element == QLatin1StringView("component") && screen_) {
            const std::optional<ComponentType> type =
                fromStoredString<ComponentType>(attribute(QLatin1StringView("type")));
            if (!type)
                fail(QCoreApplication::translate("PlayerXml", "Unknown component type “%1”.")
                         .arg(attribute(QLatin1StringView("type"))));
            PlacedComponent c;
            c.componentType = *type;
            const auto number = [&](const char* name) {
                return finiteNumber(attribute(QLatin1StringView(name))).value_or(0.0);
            };
            c.position = {number("x"), number("y")};
            c.size = {number("width"), number("height")};
            c.zIndex = strictInteger(attribute(QLatin1StringView("zIndex"))).value_or(0);
            component_ = c;
        } else if (element == QLatin1StringView("property") && component_) {
            const QString key = text(QLatin1StringView("name"));
            const QString value = text(QLatin1StringView("value"));
            const bool media = key == QLatin1StringView("imagePath") ||
                               key == QLatin1StringView("videoPath") ||
                               key == QLatin1StringView("backgroundImagePath");
            component_->properties.insert(key, media ? mediaPath(value) : value);
        } else if (element == QLatin1StringView("resource")) {
            data_.resources.append({text(QLatin1StringView("name")), text(QLatin1StringView("type")),
                                    mediaPath(text(QLatin1StringView("path")))});
        }
    }

    void endElement() {
        const QStringView element = xml_.qualifiedName();
        ProjectMetadata& metadata = data_.project.metadata;
        if (element == QLatin1StringView("component") && component_ && screen_)
            screen_->components.append(*std::exchange(component_, std::nullopt));
        else if (element == QLatin1StringView("screen") && screen_)
            screens_.append(*std::exchange(screen_, std::nullopt));
        else if (element == QLatin1StringView("name") && !screen_)
            metadata.name = text_;
        else if (element == QLatin1StringView("version"))
            metadata.version = text_;
        else if (element == QLatin1StringView("description"))
            metadata.description = text_;
        else if (element == QLatin1StringView("deployPassword"))
            data_.project.settings.deployPassword = text_;
        text_.clear();
    }

    QXmlStreamReader xml_;
    QString contents_;
    QXmlStreamAttributes attributes_;
    QString text_;
    PlayerData data_;
    QList<KioskScreen> screens_;
    std::optional<KioskScreen> screen_;
    std::optional<PlacedComponent> component_;
};

} // namespace

PlayerData readPlayerXml(const QByteArray& data, const QString& contentsFolder) {
    if (data.size() > largestPlayerXml)
        throw PlayerXmlError{QCoreApplication::translate("PlayerXml", "The file is larger than %1 MB.")
                                 .arg(largestPlayerXml / (1024 * 1024)),
                             0, 0};
    const ProtectedXml protectedXml = protectAttributeWhitespace(data);
    PlayerData read;
    try {
        read = PlayerXmlReader(protectedXml.data, contentsFolder).read();
    } catch (const PlayerXmlError& error) {
        throw protectedXml.placedInOriginal(error);
    }
    // A project with its screens: the player data has no project-wide component list or resources.
    read.project.components.clear();
    read.project.resources.clear();
    return read;
}

} // namespace vistrelle
