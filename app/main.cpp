// Velkaron, a dictionary of French synonyms. The program reads nothing but the texts
// compiled into it and keeps no state between runs.

#include "ui/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return velkaron::runProgram(app);
}
