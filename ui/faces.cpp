#include "ui/faces.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <map>
#include <tuple>

namespace ui {

namespace {

// The size of the designs' text where they name none.
constexpr double default_points = 9;

struct Face {
    QStringList families;    // asked for, in order
    QFont::StyleHint hint;    // for the stand-ins
    QString drawn_with;      // the face the designs were drawn with
    double width, bold_width;  // its mean width of a character of `sample`, in ems
};

// Captions of the program, digits and signs: what the widths are about.
const QString sample = QStringLiteral("Commencer ! Autre calcul, Vérifier les calculs 0123456789 ×÷=");

const Face& face_named(const QString& name)
{
    // "MS Sans Serif" and "Times New Roman" are shown in the metric-compatible
    // faces; a design that names none, in the desktop's sans-serif.
    static const Face sans{{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                           QFont::SansSerif, QStringLiteral("Liberation Sans"), 0.45726, 0.48402};
    static const Face serif{{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
                            QFont::Serif, QStringLiteral("Liberation Serif"), 0.42274, 0.43844};
    static const Face plain{{QStringLiteral("Sans Serif")}, QFont::SansSerif, QStringLiteral("DejaVu Sans"),
                            0.52847, 0.58617};
    if (name.isEmpty()) return plain;
    return name.contains(QLatin1String("Times")) ? serif : sans;
}

double mean_width(QFont font)
{
    font.setPixelSize(100);
    return QFontMetricsF(font).horizontalAdvance(sample) / 100 / sample.size();
}

// How much smaller a stand-in face must be to be no wider than the design's:
// found once a run for each face, at the first control that shows it.
double narrowing(const Face& face, const QFont& font)
{
    static QHash<QString, double> known;
    const QString key = face.drawn_with + (font.bold() ? QLatin1String(" bold") : QLatin1String());
    if (const auto found = known.constFind(key); found != known.constEnd()) return *found;
    const bool stand_in = QFontInfo(font).family() != face.drawn_with;
    const double designed = font.bold() ? face.bold_width : face.width;
    return *known.insert(key, stand_in ? std::min(1.0, designed / mean_width(font)) : 1.0);
}

QFont made(const Font& font)
{
    const Face& face = face_named(font.face);
    QFont shown(face.families.first());
    shown.setFamilies(face.families);
    if (!font.face.isEmpty()) {
        // The desktop's own face needs no hint: asked for as the desktop
        // gives it, the window's font is the application's, at no cost.
        shown.setStyleHint(face.hint);
        // The designs' own faces hold every character they show: looking up
        // fallback fonts for glyphs they never miss is a share of the start.
        shown.setStyleStrategy(QFont::NoFontMerging);
    }
    shown.setBold(font.bold);
    const double points = font.points > 0 ? font.points : default_points;
    shown.setPointSizeF(points);
    shown.setPointSizeF(points * narrowing(face, shown));
    return shown;
}

}  // namespace

QFont design_font(const Font& font)
{
    // A few fonts serve every control: each is made once, and the controls
    // that show it share it, the engine Qt finds for it included.
    static std::map<std::tuple<QString, double, bool>, QFont> fonts;
    // Fonts go with the application, before Qt's font caches do.
    if (fonts.empty()) qAddPostRoutine([] { fonts.clear(); });
    const auto key = std::make_tuple(font.face, font.points, font.bold);
    auto found = fonts.find(key);
    if (found == fonts.end()) found = fonts.emplace(key, made(font)).first;
    return found->second;
}

}  // namespace ui
