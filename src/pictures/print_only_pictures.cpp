// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/print_only_pictures.h"

namespace {
int activeScopes = 0;
}  // namespace

PrintOnlyPictures::PrintOnlyPictures() {
    ++activeScopes;
}

PrintOnlyPictures::~PrintOnlyPictures() {
    --activeScopes;
}

bool PrintOnlyPictures::Active() {
    return activeScopes > 0;
}
