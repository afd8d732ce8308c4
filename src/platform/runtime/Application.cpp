#include "Application.h"

#include <QCoreApplication>

void Quit(std::int32_t code) {
    QCoreApplication::exit(code);
}
