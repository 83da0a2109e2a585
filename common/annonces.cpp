#include "common/annonces.h"

#include "common/score.h"

QString operation_lue(std::int32_t premier, const char* signe, std::int32_t second)
{
    return QStringLiteral("%1 %2 %3").arg(premier).arg(QString::fromUtf8(signe)).arg(second);
}

QString bilan_lu()
{
    const std::int32_t examines = justes_essai + fausses_essai;
    // French keeps 0 and 1 in the singular.
    const char* chiffres = justes_essai > 1 ? "chiffres justes" : "chiffre juste";
    return QStringLiteral("%1 %2 sur %3").arg(justes_essai).arg(QLatin1String(chiffres)).arg(examines);
}
