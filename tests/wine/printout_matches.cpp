// Whether a printed page shows the window image beside it, drawn as a
// vector page: PAGE.png is the page rendered, PAGE.pdf the printed file.
//
//   printout_matches PAGE.png WINDOW.bmp PAGE.pdf
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "tests/print/printout.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: printout_matches PAGE.png WINDOW.bmp PAGE.pdf\n");
        return 2;
    }
    const QImage page(QString::fromLocal8Bit(argv[1]));
    const QImage window(QString::fromLocal8Bit(argv[2]));
    if (page.isNull() || window.isNull()) {
        std::fprintf(stderr, "printout_matches: an image cannot be read\n");
        return 1;
    }
    QString problem = wagelyn::testing::PrintoutProblem(page, window);
    if (problem.isEmpty()) {
        problem = wagelyn::testing::VectorPageProblem(QString::fromLocal8Bit(argv[3]));
    }
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "printout_matches: %s\n", qPrintable(problem));
        return 1;
    }
    std::printf("the page shows the window, drawn in fonts (%d x %d rendered)\n", page.width(),
                page.height());
    return 0;
}
