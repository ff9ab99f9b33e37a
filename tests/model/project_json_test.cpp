#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "support/sample_project.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace vistrelle;
using Kind = JsonDecodingError::Kind;

namespace {

QJsonObject minimalMetadata() {
    return QJsonObject{{"name", "P"},
                       {"version", "1.0"},
                       {"created", "2025-03-01T09:30:00Z"},
                       {"modified", "2025-03-01T09:30:00+01:00"},
                       {"description", ""},
                       {"author", ""},
                       {"appVersion", "3.5.0"},
                       {"documentVersion", "3.5.0"}};
}

QJsonObject projectWithScreens(const QJsonArray& screens) {
    return QJsonObject{{"metadata", minimalMetadata()},
                       {"screens", screens},
                       {"components", QJsonArray()},
                       {"settings", QJsonObject()},
                       {"resources", QJsonArray()}};
}

QJsonObject screenWithComponents(const QJsonArray& components) {
    return QJsonObject{{"name", "S"}, {"components", components}};
}

QJsonObject component(const QString& type) {
    return QJsonObject{{"componentType", type}, {"position", QJsonArray{1, 2}}, {"size", QJsonArray{3, 4}}};
}

KioskProject decode(const QJsonObject& project, DateDecoding dates = DateDecoding::iso8601) {
    return decodeProjectJson(QJsonDocument(project).toJson(), dates);
}

JsonDecodingError decodeError(const QJsonObject& project, DateDecoding dates = DateDecoding::iso8601) {
    try {
        decode(project, dates);
    } catch (const JsonDecodingError& error) {
        return error;
    }
    ADD_FAILURE() << "decoding succeeded";
    return {};
}

} // namespace

TEST(ProjectJsonTest, EveryFieldSurvivesEncodingAndDecoding) {
    const KioskProject original = test_support::projectWithEveryField();
    EXPECT_EQ(decodeProjectJson(encodeProjectJson(original), DateDecoding::iso8601), original);
}

TEST(ProjectJsonTest, EncodingUsesStoredFormsAndLeavesOutAbsentOptionals) {
    const QJsonObject json =
        QJsonDocument::fromJson(encodeProjectJson(test_support::projectWithEveryField())).object();
    const QJsonObject metadata = json["metadata"].toObject();
    EXPECT_EQ(metadata["created"].toString(), "2024-02-29T23:59:58Z");
    const QJsonObject first = json["screens"][0].toObject();
    EXPECT_EQ(first["transition"]["effect"].toString(), "Star Reveal");
    EXPECT_FALSE(first["background"].toObject().contains("imagePath"));
    const QJsonObject image = first["components"][0].toObject();
    EXPECT_EQ(image["position"].toArray(), (QJsonArray{10.5, -20.25}));
    EXPECT_EQ(image["componentType"].toString(), "Image");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}$"))
                    .match(image["id"].toString())
                    .hasMatch())
        << "identifiers are upper-case UUIDs: " << image["id"].toString().toStdString();
    EXPECT_EQ(json["resources"][0]["type"].toString(), "image");
    EXPECT_FALSE(json["resources"][1].toObject().contains("originalPath"));
    EXPECT_FALSE(json["screens"][1]["navigation"]["transitions"][1].toObject().contains("condition"));
    EXPECT_EQ(json["screens"][1]["navigation"]["transitions"][0]["trigger"].toString(), "Auto");
}

TEST(ProjectJsonTest, ScreenWithOnlyANameGetsDefaults) {
    const KioskProject project = decode(projectWithScreens({QJsonObject{{"name", "Only"}}}));
    ASSERT_EQ(project.screens.size(), 1);
    const KioskScreen& screen = project.screens[0];
    EXPECT_EQ(screen.name, "Only");
    EXPECT_FALSE(screen.id.isNull());
    EXPECT_EQ(screen.resolution, ScreenResolution{});
    EXPECT_EQ(screen.background, BackgroundStyle{});
    EXPECT_EQ(screen.order, 0);
    EXPECT_EQ(screen.duration, 5);
    EXPECT_EQ(screen.transition, TransitionStyle{});
    EXPECT_TRUE(screen.components.isEmpty());
    EXPECT_EQ(project.settings, ProjectSettings{});
}

TEST(ProjectJsonTest, ComponentDefaultsAndLegacyTypes) {
    const QJsonArray components{component("Button"), component("map"), component("Carousel"),
                                component("text area"), component("Video")};
    const KioskProject project = decode(projectWithScreens({screenWithComponents(components)}));
    const auto& read = project.screens[0].components;
    ASSERT_EQ(read.size(), 5);
    EXPECT_EQ(read[0].componentType, ComponentType::label);
    EXPECT_EQ(read[1].componentType, ComponentType::image);
    EXPECT_EQ(read[2].componentType, ComponentType::label);
    EXPECT_EQ(read[3].componentType, ComponentType::label);
    EXPECT_EQ(read[4].componentType, ComponentType::video);
    EXPECT_EQ(read[0].position, (Point{1, 2}));
    EXPECT_EQ(read[0].size, (Size{3, 4}));
    EXPECT_TRUE(read[0].properties.isEmpty());
    EXPECT_EQ(read[0].constraints, LayoutConstraints{});
    EXPECT_EQ(read[0].zIndex, 0);
    EXPECT_NE(read[0].id, read[1].id);
}

TEST(ProjectJsonTest, TransitionDurationIsClampedAndDefaulted) {
    const auto durationOf = [](const QJsonObject& transition) {
        QJsonObject screen{{"name", "S"}, {"transition", transition}};
        return decode(projectWithScreens({screen})).screens[0].transition;
    };
    EXPECT_EQ(durationOf({{"duration", 5}}).duration, 2.0);
    EXPECT_EQ(durationOf({{"duration", 0.1}}).duration, 0.5);
    EXPECT_EQ(durationOf({{"duration", -1e300}}).duration, 0.5);
    EXPECT_EQ(durationOf({{"duration", 1.5}, {"effect", "Page Turn"}}),
              (TransitionStyle{TransitionEffect::pageTurn, 1.5}));
    EXPECT_EQ(durationOf({}), TransitionStyle{});
}

TEST(ProjectJsonTest, NullMeansDefaultForOptionalKeysAndFailsForRequiredOnes) {
    QJsonObject screen{{"name", "S"}, {"duration", QJsonValue::Null}, {"background", QJsonValue::Null}};
    EXPECT_EQ(decode(projectWithScreens({screen})).screens[0].duration, 5);

    screen["name"] = QJsonValue::Null;
    const JsonDecodingError error = decodeError(projectWithScreens({screen}));
    EXPECT_EQ(error.kind, Kind::valueNotFound);
    EXPECT_TRUE(error.description.contains("screens[0].name")) << error.description.toStdString();
}

TEST(ProjectJsonTest, FailuresAreClassifiedAndLocated) {
    QJsonObject project = projectWithScreens({QJsonObject{{"name", "S"}}});
    project.remove("resources");
    EXPECT_EQ(decodeError(project).kind, Kind::keyNotFound);

    QJsonObject badEnum{{"name", "S"}, {"background", QJsonObject{{"type", "Pattern"}, {"color", "#FFF"}}}};
    JsonDecodingError error = decodeError(projectWithScreens({badEnum}));
    EXPECT_EQ(error.kind, Kind::dataCorrupted);
    EXPECT_TRUE(error.description.contains("screens[0].background.type")) << error.description.toStdString();

    QJsonObject wrongType{{"name", 7}};
    EXPECT_EQ(decodeError(projectWithScreens({wrongType})).kind, Kind::typeMismatch);

    for (const QJsonValue& duration : {QJsonValue(2.5), QJsonValue(1e308)}) {
        QJsonObject fractional{{"name", "S"}, {"duration", duration}};
        EXPECT_EQ(decodeError(projectWithScreens({fractional})).kind, Kind::dataCorrupted);
    }

    QJsonObject badId{{"name", "S"}, {"id", "not-a-uuid"}};
    EXPECT_EQ(decodeError(projectWithScreens({badId})).kind, Kind::dataCorrupted);

    QJsonObject shortPosition = component("Image");
    shortPosition["position"] = QJsonArray{1};
    EXPECT_EQ(decodeError(projectWithScreens({screenWithComponents({shortPosition})})).kind,
              Kind::valueNotFound);

    QJsonObject numericProperty = component("Image");
    numericProperty["properties"] = QJsonObject{{"cornerRadius", 8}};
    EXPECT_EQ(decodeError(projectWithScreens({screenWithComponents({numericProperty})})).kind,
              Kind::typeMismatch);

    EXPECT_THROW(decodeProjectJson("[1, 2]", DateDecoding::iso8601), JsonDecodingError);
    EXPECT_EQ(decodeError(QJsonObject()).kind, Kind::keyNotFound);
}

TEST(ProjectJsonTest, EachDateRuleReadsOnlyItsOwnForm) {
    QJsonObject numeric = projectWithScreens({QJsonObject{{"name", "S"}}});
    QJsonObject metadata = minimalMetadata();
    metadata["created"] = 0;
    metadata["modified"] = 762514200.5;
    numeric["metadata"] = metadata;

    const JsonDecodingError error = decodeError(numeric);
    EXPECT_TRUE(error.concernsDateForm);
    EXPECT_EQ(error.kind, Kind::typeMismatch);

    const KioskProject project = decode(numeric, DateDecoding::secondsSinceReferenceDate);
    EXPECT_EQ(project.metadata.created, QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(project.metadata.modified, QDateTime(QDate(2025, 3, 1), QTime(9, 30, 0), Qt::UTC));

    EXPECT_TRUE(
        decodeError(projectWithScreens({}), DateDecoding::secondsSinceReferenceDate).concernsDateForm);

    for (const char* text : {"2025-03-01", "2025-03-01T09:30:00", "yesterday", "2025-13-01T09:30:00Z"}) {
        metadata = minimalMetadata();
        metadata["created"] = text;
        QJsonObject iso = projectWithScreens({});
        iso["metadata"] = metadata;
        EXPECT_EQ(decodeError(iso).kind, Kind::dataCorrupted) << text;
    }
    metadata["created"] = 1e308;
    numeric["metadata"] = metadata;
    EXPECT_EQ(decodeError(numeric, DateDecoding::secondsSinceReferenceDate).kind, Kind::dataCorrupted);
}

TEST(ProjectJsonTest, SingleComponentRoundTrip) {
    PlacedComponent original;
    original.componentType = ComponentType::webView;
    original.position = {-5, 7.25};
    original.size = {300, 200};
    original.properties = {{"url", "https://example.org/a?b=c&d"}};
    original.zIndex = 9;
    EXPECT_EQ(decodeComponentJson(encodeComponentJson(original)), original);
}

TEST(ProjectJsonTest, NonFiniteNumbersCannotBeEncoded) {
    KioskProject project;
    PlacedComponent broken;
    broken.size = {std::numeric_limits<double>::quiet_NaN(), 10};
    project.screens[0].components.append(broken);
    try {
        encodeProjectJson(project);
        FAIL() << "encoding succeeded";
    } catch (const JsonEncodingError& error) {
        EXPECT_TRUE(error.description.contains("screens[0].components[0].size"))
            << error.description.toStdString();
    }
}
