// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/refresh_cover.h"

#include "app/cover_state.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "tracks/track_editor.h"

void RefreshCover() {
    if (CenteredLayout)
        Form1->BitBtn1Click();
    else
        Form2->Button1Click();
}
