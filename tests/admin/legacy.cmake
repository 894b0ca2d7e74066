# Reading the Paradox tables of the earlier release; the fixture writes them.
flotanor_add_test(tst_paradoxtable
    SOURCES ParadoxFixture.h ParadoxFixture.cpp tst_paradoxtable.cpp
    LIBS flotanor_legacy PkgConfig::PXLIB)
