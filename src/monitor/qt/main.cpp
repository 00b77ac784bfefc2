// Monitor: the resident program that talks to the keyboard.
#include "monitor/qt/CMonitorApp.h"

int main(int argc, char **argv) {
    return orvyn::CMonitorApp().run(argc, argv);
}
