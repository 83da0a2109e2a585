#include "ui/errors.h"

#include <cstdio>

namespace ui {

namespace {
int error_count = 0;
}

void raise_error(const std::string& what)
{
    throw RunTimeError(what);
}

void dispatch(const std::function<void()>& handler)
{
    if (!handler) return;
    try {
        handler();
    } catch (const RunTimeError& error) {
        ++error_count;
        std::fprintf(stderr, "tibalou: erreur d'exécution abandonnée : %s\n", error.what());
    }
}

int runtime_error_count()
{
    return error_count;
}

void reset_runtime_error_count()
{
    error_count = 0;
}

}  // namespace ui
