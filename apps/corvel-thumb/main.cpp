#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include <unistd.h>

#include "thumb_run.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const bool terminal = isatty(fileno(stderr)) != 0;
    return thumb::runCommand(QCoreApplication::arguments(), {out, err, terminal});
}
