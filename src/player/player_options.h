#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace vistrelle {

// What the player was asked to do on its command line.
struct PlayerOptions {
    enum class Action { play, check, help, version };

    Action action = Action::play;
    QString path;
    bool windowed = false;
    std::optional<int> screen; // the output, from 0 (QGuiApplication::screens order)
    int rotation = 0;
    QString logDir; // empty: the XDG state folder
    // With --channel URL --trust PUBKEY: the channel followed instead of a path, and the public key (base64,
    // or a file holding it) its manifests must be signed with.
    QString channel;
    QString trust;
    // With --report URL: where the status and the play log go for the operator (WebDAV or file://).
    QString report;
};

// A command line that cannot be followed: the message for standard error (exit status 2).
struct UsageError {
    QString message;
};

// Reads `arguments` (without the program name).
std::variant<PlayerOptions, UsageError> parsePlayerArguments(const QStringList& arguments);

// The text of --help.
QString playerUsageText();

// Exit statuses.
inline constexpr int playerExitSuccess = 0;
inline constexpr int playerExitNothingPlays = 1;
inline constexpr int playerExitUsage = 2;

} // namespace vistrelle
