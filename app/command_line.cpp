#include "app/command_line.h"

#include <string_view>

namespace {

constexpr std::string_view help = "\
Utilisation : tibalou [OPTION DE QT]...\n\
Tibalou permet à un élève de l'école primaire de s'entraîner à poser les\n\
quatre opérations comme sur le papier : l'addition, la soustraction, la\n\
multiplication et la division.\n\
\n\
Tibalou ne prend pas d'option qui lui soit propre, sauf :\n\
  --help     affiche cette aide et s'arrête\n\
  --version  affiche la version et s'arrête\n\
Les options habituelles des applications Qt, comme -platform NOM, sont\n\
acceptées.\n";

}  // namespace

std::optional<int> answer_command_line(int argc, char** argv, std::ostream& out)
{
    if (argc < 2)
        return std::nullopt;
    const std::string_view first = argv[1];
    if (first == "--version")
        out << "tibalou " TIBALOU_VERSION "\n";
    else if (first == "--help")
        out << help;
    else
        return std::nullopt;
    out.flush();
    return out ? 0 : 1;
}
