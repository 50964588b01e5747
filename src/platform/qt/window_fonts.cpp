#include "window_fonts.h"

#include <QString>

namespace kavinor::qt {

void installFontSubstitutes() {
    for (const char* face : {"MS Sans Serif", "Arial"}) {
        QFont::insertSubstitution(face, "Liberation Sans");
    }
}

QFont windowFont(const forms::Font& font) {
    QFont qfont(QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

}  // namespace kavinor::qt
