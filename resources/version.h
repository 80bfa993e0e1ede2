/* The version and copyright, shared by the about box and the exe's version
   resource (so this file is C and resource-compiler friendly: ASCII only). */
#pragma once

#define KELVARO_VERSION_NUMBERS 0, 3, 0, 0
#define KELVARO_VERSION_TEXT "0.3.0.0"
#define KELVARO_COPYRIGHT "(C) 2026 kelvaro"
