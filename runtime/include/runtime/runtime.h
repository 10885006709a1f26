// The program runtime: everything a program or a library uses from it.
#pragma once

#include "runtime/checks.h"
#include "runtime/errors.h"
#include "runtime/key_codes.h"
#include "runtime/os_utilities.h"
#include "runtime/short_string.h"
#include "runtime/system.h"
#include "runtime/text_file.h"
