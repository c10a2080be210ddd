// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_windows.h"

int main(int argc, char** argv) {
    return RunSleevix(argc, argv);
}
