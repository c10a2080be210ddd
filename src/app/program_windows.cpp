// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_windows.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
