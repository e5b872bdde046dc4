// Prints the scrambled form of a password, as the PASS value of RVUpdate.ini:
//   kest-pass PASSWORD
#include "Routines.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kest-pass PASSWORD\n");
        return 2;
    }
    std::printf("%s\n", Scramble(args.at(1), PasswordStartKey).toLatin1().constData());
    return 0;
}
