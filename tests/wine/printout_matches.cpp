// Whether a rendered printed page shows the window image beside it.
//
//   printout_matches PAGE.png WINDOW.bmp
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "tests/print/printout.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: printout_matches PAGE.png WINDOW.bmp\n");
        return 2;
    }
    const QImage page(QString::fromLocal8Bit(argv[1]));
    const QImage window(QString::fromLocal8Bit(argv[2]));
    if (page.isNull() || window.isNull()) {
        std::fprintf(stderr, "printout_matches: an image cannot be read\n");
        return 1;
    }
    const QString problem = wagelyn::testing::PrintoutProblem(page, window);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "printout_matches: %s\n", qPrintable(problem));
        return 1;
    }
    std::printf("the page shows the window (%d x %d rendered)\n", page.width(), page.height());
    return 0;
}
