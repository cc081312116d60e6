// The Help menu's documents and the maker's addresses.
#pragma once

#include <QString>

class QWidget;

namespace larkspan {

// The second manual's file name; its menu item shows the name without ".pdf".
inline constexpr const char* kJapaneseString1 = "Larkspan Command-Line Manual.pdf";

// Opens a document of the resource folder "Images" with the desktop's
// application for it. A document that is missing or unreadable gives a
// warning over `parent` naming it and the folder searched.
void openResourceDocument(QWidget* parent, const QString& name);

// The maker's web site and mail address as the build sets them (CMake cache
// values LARKSPAN_WEB_URL and LARKSPAN_MAIL_ADDRESS); empty while not settled.
QString makerWebUrl();
QString makerMailAddress();

}  // namespace larkspan
