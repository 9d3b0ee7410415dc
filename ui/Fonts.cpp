#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

void Fonts::registerSubstitutes()
{
    struct Substitute {
        const char *designed, *standIn;
    };
    static const Substitute substitutes[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
    };
    const QStringList installed = QFontDatabase::families();
    for (const Substitute &s : substitutes) {
        if (!installed.contains(QLatin1String(s.designed)))
            QFont::insertSubstitution(QLatin1String(s.designed), QLatin1String(s.standIn));
    }
}

QFont Fonts::font(const QString &family, qreal pointSize, bool bold)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
