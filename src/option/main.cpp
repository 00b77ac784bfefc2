#include "option/OptionApp.h"

int main(int argc, char **argv) {
    return orvyn::runOption(argc, argv);
}
