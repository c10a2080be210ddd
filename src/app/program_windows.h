// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TForm1;
class TForm2;
class TForm3;

// The program's three windows, created once and reachable from every handler.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
