#include "export/check_report.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

CheckFinding screenFinding(const QString& screenName, const QString& message) {
    return {CheckFinding::Severity::error,
            QStringLiteral("missing-media"),
            2,
            screenName,
            {},
            {},
            {},
            message,
            true,
            {}};
}

} // namespace

TEST(CheckReportTest, ANameCanNeitherForgeALineNorTalkToTheTerminal) {
    // A screen name that tries to end its finding and add one of its own, in colour.
    const QString forged = QStringLiteral("Lobby\": fine\nerror: screen 9 \"\x1b[2JGone\\");
    const QString line =
        findingLine(screenFinding(forged, QStringLiteral("The picture “a\nb.jpg” is missing.")), {});
    EXPECT_EQ(line, "error: screen 2 \"Lobby\\\": fine\\nerror: screen 9 \\\"\\u001b[2JGone\\\\\": "
                    "The picture “a\\nb.jpg” is missing.");
    EXPECT_FALSE(line.contains(u'\n'));
    EXPECT_FALSE(line.contains(QChar(0x1b)));

    // Every other control character, and the Unicode line separators, are written as escapes too.
    EXPECT_EQ(escapedForLine(QStringLiteral("a\tb\rc") + QChar(0) + QChar(0x85) + QChar(0x2028), true),
              "a\\tb\\rc\\u0000\\u0085\\u2028");
    EXPECT_EQ(escapedForLine(QStringLiteral("say \"hi\" \\ “ok”"), false), "say \"hi\" \\ “ok”");
}

TEST(CheckReportTest, AFindingAboutTheProjectNamesIt) {
    const CheckFinding finding{CheckFinding::Severity::warning,
                               QStringLiteral("bundle-name"),
                               0,
                               {},
                               {},
                               {},
                               {},
                               QStringLiteral("Rename it."),
                               false,
                               {}};
    EXPECT_EQ(findingLine(finding, QStringLiteral("Harbour \"Lobby\"")),
              "warning: project \"Harbour \\\"Lobby\\\"\": Rename it.");
}
