#include "editing/AdvancedValues.h"

namespace orvyn {

int32_t pollingRateForButton(int n) {
    return n >= 1 && n <= 3 ? 1 << (n - 1) : 0;
}

bool pollingButtonPressed(int32_t value, int n) {
    return n >= 1 && n <= 3 && (static_cast<uint32_t>(value) & (1u << (n - 1))) != 0;
}

bool switchButtonPressed(int32_t value, int button) {
    return value == button;
}

unsigned ltControlTextId(int32_t value) {
    switch (value) {
    case 1:
        return 1042;
    case 2:
        return 1043;
    case 4:
        return 1044;
    case 8:
        return 1045;
    case 16:
        return 1046;
    case 32:
        return 1047;
    default:
        return 0;
    }
}

unsigned ltColorCaptionTextId(int32_t value) {
    return value >= 1 && value <= 6 ? 1103u + static_cast<unsigned>(value) : 1110u;
}

unsigned ltControlMenuTextId(int index) {
    return index >= 0 && index < kLtControlCommandCount ? 1042u + static_cast<unsigned>(index) : 0u;
}

unsigned ltColorMenuTextId(int index) {
    return index >= 0 && index < kLtColorMenuCount ? 1104u + static_cast<unsigned>(index) : 0u;
}

int32_t ltControlForCommand(int command) {
    const int k = command - kLtControlFirstCommand;
    return k >= 0 && k < kLtControlCommandCount ? 1 << k : 0;
}

int32_t ltColorForCommand(int command) {
    const int k = command - kLtColorFirstCommand;
    return k >= 0 && k <= 6 ? k + 1 : 0;
}

} // namespace orvyn
