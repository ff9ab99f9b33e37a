#include "player/player_options.h"

#include <QCoreApplication>
#include <QUrl>

namespace vistrelle {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PlayerOptions", text);
}

} // namespace

QString playerUsageText() {
    return tr(
        "Usage: vistrelle-player [--windowed] [--screen N] [--rotate 0|90|180|270] [--log-dir DIR] PATH\n"
        "       vistrelle-player [options] --channel URL --trust PUBKEY\n"
        "       vistrelle-player --check PATH\n"
        "\n"
        "Plays a show deployed by Vistrelle full screen: a bundle (NAME.bundle), a pre-rendered bundle,\n"
        "a folder of slides (screen001_10.jpg, …) or a folder that deploys go to (its newest complete\n"
        "bundle, followed when a newer one appears).\n"
        "\n"
        "Options:\n"
        "  --windowed          Play in a window; Escape closes it.\n"
        "  --screen N          Play on output N (0 is the first).\n"
        "  --rotate DEGREES    Turn the show for a panel mounted on its side: 0, 90, 180 or 270.\n"
        "  --log-dir DIR       Where the play log and the status file go\n"
        "                      (default: $XDG_STATE_HOME/vistrelle-player).\n"
        "  --check PATH        Print what would play, one line each, without a display; exit 1 when\n"
        "                      nothing can play.\n"
        "  --channel URL       Follow a published channel (http://…/channels/NAME/, https://… or\n"
        "                      file://…): every new show signed by the trusted key plays from the next\n"
        "                      screen boundary; offline, the last good show plays on.\n"
        "  --trust PUBKEY      The channel's public key (the line keygen printed, or a file holding it).\n"
        "  --report URL        Send the status every minute and the play log to URL (a WebDAV http(s)://\n"
        "                      address or a file:// folder), under displays/<host name>/.\n"
        "  -h, --help          Show this help.\n"
        "  -v, --version       Show the version.\n"
        "\n"
        "Full screen, Escape does nothing; Ctrl+Alt+Q quits. SIGTERM stops the player cleanly.\n");
}

std::variant<PlayerOptions, UsageError> parsePlayerArguments(const QStringList& arguments) {
    PlayerOptions options;
    bool check = false;
    QStringList paths;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (argument == QLatin1StringView("-h") || argument == QLatin1StringView("--help")) {
            options.action = PlayerOptions::Action::help;
            return options;
        }
        if (argument == QLatin1StringView("-v") || argument == QLatin1StringView("--version")) {
            options.action = PlayerOptions::Action::version;
            return options;
        }
        if (argument == QLatin1StringView("--windowed")) {
            options.windowed = true;
        } else if (argument == QLatin1StringView("--check")) {
            check = true;
        } else if (argument == QLatin1StringView("--screen")) {
            const std::optional<QString> text = value();
            bool ok = false;
            const int screen = text ? text->toInt(&ok) : -1;
            if (!ok || screen < 0)
                return UsageError{tr("--screen needs an output number from 0.")};
            options.screen = screen;
        } else if (argument == QLatin1StringView("--rotate")) {
            const std::optional<QString> text = value();
            bool ok = false;
            const int degrees = text ? text->toInt(&ok) : -1;
            if (!ok || (degrees != 0 && degrees != 90 && degrees != 180 && degrees != 270))
                return UsageError{tr("--rotate takes 0, 90, 180 or 270.")};
            options.rotation = degrees;
        } else if (argument == QLatin1StringView("--channel")) {
            const std::optional<QString> text = value();
            const QUrl url(text.value_or(QString()));
            const QString scheme = url.scheme();
            if (!text || !url.isValid() ||
                (scheme != QLatin1StringView("http") && scheme != QLatin1StringView("https") &&
                 scheme != QLatin1StringView("file")))
                return UsageError{tr("--channel needs an http://, https:// or file:// address.")};
            options.channel = *text;
        } else if (argument == QLatin1StringView("--report")) {
            const std::optional<QString> text = value();
            const QUrl url(text.value_or(QString()));
            if (!text || !url.isValid() ||
                (url.scheme() != QLatin1StringView("http") && url.scheme() != QLatin1StringView("https") &&
                 url.scheme() != QLatin1StringView("file")))
                return UsageError{tr("--report needs an http://, https:// or file:// address.")};
            options.report = *text;
        } else if (argument == QLatin1StringView("--trust")) {
            const std::optional<QString> text = value();
            if (!text || text->isEmpty())
                return UsageError{tr("--trust needs the channel's public key.")};
            options.trust = *text;
        } else if (argument == QLatin1StringView("--log-dir")) {
            const std::optional<QString> text = value();
            if (!text || text->isEmpty())
                return UsageError{tr("--log-dir needs a folder.")};
            options.logDir = *text;
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            return UsageError{tr("Unknown option: %1").arg(argument)};
        } else {
            paths.append(argument);
        }
    }
    if (!options.channel.isEmpty() || !options.trust.isEmpty()) {
        if (options.channel.isEmpty() || options.trust.isEmpty())
            return UsageError{tr("--channel and --trust go together.")};
        if (!paths.isEmpty() || check)
            return UsageError{tr("A channel or a path, not both.")};
        return options;
    }
    if (paths.isEmpty())
        return UsageError{tr("Which show? Give the path of a bundle or of the folder deploys go to.")};
    if (paths.size() > 1)
        return UsageError{tr("One show at a time: %1").arg(paths.join(u' '))};
    options.path = paths.first();
    if (check)
        options.action = PlayerOptions::Action::check;
    return options;
}

} // namespace vistrelle
