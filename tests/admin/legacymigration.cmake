# The move of a legacy database into a new one, over fixtures written with pxlib.
flotanor_add_test(tst_legacymigration
    SOURCES ParadoxFixture.h ParadoxFixture.cpp tst_legacymigration.cpp
    LIBS flotanor_admin_ui flotanor_legacy_migration flotanor_admin_users flotanor_legacy
         PkgConfig::PXLIB
    WIDGETS ENGINES sqlite postgres)
target_compile_definitions(tst_legacymigration PRIVATE FLOTANOR_CLI="$<TARGET_FILE:flotanor-cli>")
add_dependencies(tst_legacymigration flotanor-cli)
