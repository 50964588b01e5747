#include "window_fonts.h"

#include <QString>
#include <QStringList>

namespace kavinor::qt {

QFont windowFont(const forms::Font& font) {
    QFont qfont;
    qfont.setFamilies(
        {QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())),
         QStringLiteral("Liberation Sans")});
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

}  // namespace kavinor::qt
