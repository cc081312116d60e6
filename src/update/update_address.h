// Where the update check asks: one base address, from the environment, the
// settings store or the build, with the version text and the archive below it.
#pragma once

#include <QUrl>

namespace larkspan {

// LARKSPAN_UPDATE_URL from the environment, else the settings key
// "UpdateBaseUrl", else the value the program was built with; empty when none
// is set.
QUrl updateBaseUrl();

QUrl checkVerURL(const QUrl& base);
QUrl downloadURL(const QUrl& base);

// Only https is asked, except plain http to this computer's own loopback
// address.
bool acceptedAddress(const QUrl& url);

// A redirect is followed only to https.
bool acceptedRedirect(const QUrl& url);

}  // namespace larkspan
