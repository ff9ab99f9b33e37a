#pragma once

#include "model/project_model.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace vistrelle {

// The headlines of an RSS or Atom feed as one line of plain text ("First • Second"): item and entry titles
// only, markup and entities reduced to their text, at most 50 of them. No document type is read (so no
// entity of a feed's making expands) and nothing a feed names is fetched. None, with `error` set, for
// anything that is no such feed.
std::optional<QString> feedPlainText(const QByteArray& document, QString* error = nullptr);

// A feed fetched now (at most 2 MB, within `timeoutSeconds`), as feedPlainText reads it. For worker threads:
// it waits for the answer.
std::optional<QString> fetchFeedText(const QString& address, double timeoutSeconds, QString* error = nullptr);

// `project` with each ticker's feed fetched into it (its snapshot and when), once per address; a feed that
// cannot be fetched is reported through `unreachable` and its ticker keeps its typed text. Stops fetching
// once `cancelled` says so.
KioskProject
withFeedSnapshots(const KioskProject& project, const QDateTime& now,
                  const std::function<void(const QString& address, const QString& why)>& unreachable,
                  const std::function<bool()>& cancelled = {});

// The feeds `project`'s tickers take their text from, each once, in the order they first appear.
QStringList feedAddresses(const KioskProject& project);
// Whether any ticker of `project` takes its text from a feed.
bool hasFeeds(const KioskProject& project);

} // namespace vistrelle
