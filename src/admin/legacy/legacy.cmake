# Reading the Paradox tables of the earlier Windows release, for their migration.
# GLOBAL: the tests link the imported target from their own directory.
pkg_check_modules(PXLIB REQUIRED IMPORTED_TARGET GLOBAL pxlib)

flotanor_add_library(flotanor_legacy
    SOURCES
        legacy/ParadoxTable.h legacy/ParadoxTable.cpp
        legacy/ParadoxMemoFile.h legacy/ParadoxMemoFile.cpp
        legacy/LegacyFiles.h legacy/LegacyFiles.cpp
    LIBS flotanor_support PkgConfig::PXLIB Qt6::Core
)
