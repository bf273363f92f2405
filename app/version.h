// The program's version, in one place: the version resource reads it, and so does
// scripts/package.sh, which names and versions the MSI and the zip after it.
#pragma once

#define TALLOWICK_VERSION_MAJOR 1
#define TALLOWICK_VERSION_MINOR 0
#define TALLOWICK_VERSION_PATCH 0

#define TALLOWICK_STRINGIZE_(x) #x
#define TALLOWICK_STRINGIZE(x) TALLOWICK_STRINGIZE_(x)
// "1.0.0.0": the four-part text the version resource shows.
#define TALLOWICK_VERSION_TEXT                                                \
    TALLOWICK_STRINGIZE(TALLOWICK_VERSION_MAJOR)                              \
    "." TALLOWICK_STRINGIZE(TALLOWICK_VERSION_MINOR) "." TALLOWICK_STRINGIZE( \
        TALLOWICK_VERSION_PATCH) ".0"
