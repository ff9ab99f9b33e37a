#pragma once

#include <QString>
#include <QTextBlock>
#include <QTextListFormat>

#include <optional>

namespace vistrelle {

// Lists travel in RTF as the bullet or number each item shows ({\listtext •\tab}),
// which every reader displays and ours reads back as a list of that kind.

// The kind of list a paragraph's marker shows: a bullet ("•", "·", "-", …) or a
// number ("1.", "2)"); nothing for other text.
std::optional<QTextListFormat::Style> listStyleOfMarker(const QString& marker);

// The marker of `block` as its list shows it ("•", "3."), or empty outside a list.
QString listMarkerOf(const QTextBlock& block);

} // namespace vistrelle
