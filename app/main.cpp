#include "app/Feuille_Tibalou.h"
#include "ui/application.h"

int main(int argc, char** argv)
{
    ui::Application application(argc, argv);
    Feuille_Tibalou.show();
    return application.run();
}
