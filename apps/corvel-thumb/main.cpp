#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#include <unistd.h>

#include "thumb_run.h"

// No QCoreApplication: the command needs neither an event loop nor application services, and
// setting them up would cost more than making a thumbnail.
int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    const bool terminal = isatty(fileno(stderr)) != 0;
    return thumb::runCommand(arguments, {out, err, terminal});
}
