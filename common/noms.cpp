#include "common/noms.h"

QString nom_d_element(const char* tableau, int index)
{
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(tableau)).arg(index);
}
