#pragma once

#include <QString>

namespace vistrelle {

// A web view's address as it is stored: what the user typed, with "https://" in front when it names a
// host without a scheme ("www.example.org/menu"), so the engine gets something it can load. An empty text,
// an address with a scheme and a path beginning with "/" are stored as typed.
QString storedWebAddress(const QString& typed);

// Whether a stored address can be a web page the player loads: http or https, with a host.
bool isWebPageAddress(const QString& address);

} // namespace vistrelle
