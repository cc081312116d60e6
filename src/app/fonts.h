// The interface font: "Lucida Grande" where installed, else a sans-serif face.
#pragma once

#include <QFont>

namespace larkspan {

QFont uiFont(int pointSize);

}  // namespace larkspan
