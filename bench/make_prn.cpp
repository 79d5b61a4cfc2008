// make_prn N OUT.prn [SEED]: writes a realistic print file of N items.
#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "printfile_generator.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_prn N OUT.prn [SEED]\n");
        return 1;
    }
    const QByteArray bytes = makePrintFile(std::atoi(argv[1]), argc > 3 ? unsigned(std::atoi(argv[3])) : 1);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
