#include "app/fonts.h"

#include <QStringList>

namespace larkspan {

QFont uiFont(int pointSize)
{
    QFont font(QStringLiteral("Lucida Grande"));
    font.setFamilies({QStringLiteral("Lucida Grande"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pointSize);
    return font;
}

}  // namespace larkspan
