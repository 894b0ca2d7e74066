# Archives of a company: the snapshot file and its description, without windows.
flotanor_add_library(flotanor_archive
    SOURCES
        archive/ArchiveDescription.h archive/ArchiveDescription.cpp
        archive/ArchiveFiles.h archive/ArchiveFiles.cpp
        archive/CompanyArchive.h archive/CompanyArchive.cpp
        archive/ArchiveRestore.cpp
    LIBS flotanor_data flotanor_support Qt6::Core
)

# The window "Praca z Archiwum".
flotanor_add_library(flotanor_archive_ui
    SOURCES
        uArchiwum.h uArchiwum.cpp
    LIBS flotanor_archive flotanor_registers_ui Qt6::Widgets
)
