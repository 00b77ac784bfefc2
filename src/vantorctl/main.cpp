#include <QCoreApplication>

#include "vantorctl/Vantorctl.h"

int main(int argc, char **argv) {
    // For the arguments in the locale's encoding; no event loop runs.
    QCoreApplication app(argc, argv);
    return static_cast<int>(orvyn::ctl::runVantorctl(QCoreApplication::arguments()));
}
