#include <iostream>

#include "app/Feuille_Tibalou.h"
#include "app/command_line.h"
#include "ui/application.h"

int main(int argc, char** argv)
{
    // Answered before Qt is asked for anything, so that no display is needed.
    if (const auto status = answer_command_line(argc, argv, std::cout))
        return *status;
    ui::Application application(argc, argv);
    Feuille_Tibalou.show();
    return application.run();
}
