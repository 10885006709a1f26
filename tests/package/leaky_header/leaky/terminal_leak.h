// A header that hands the terminal's interface to every file including it.
#pragma once
#include <termios.h>
