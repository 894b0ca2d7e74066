# The move of a legacy Paradox database into a new database.
flotanor_add_library(flotanor_legacy_migration
    SOURCES
        legacy/LegacyMigration.h legacy/LegacyMigration.cpp
    LIBS flotanor_legacy flotanor_data flotanor_support Qt6::Core
)
