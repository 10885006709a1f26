// A header that reaches into a library's private folder.
#pragma once
#include "../../../../runtime/src/x87.h"
