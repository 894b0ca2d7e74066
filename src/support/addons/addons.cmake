# Add-on packages: reading, installing, starting. Links admin for TconfigPP; nothing in
# flotanor_support or flotanor_admin links back, so there is no cycle.
flotanor_add_library(flotanor_addons
    SOURCES
        addons/Versions.h addons/Versions.cpp
        addons/AddonPackage.h addons/AddonPackage.cpp
        addons/AddonStarter.h addons/AddonStarter.cpp
        addons/AddonInstaller.h addons/AddonInstaller.cpp
    LIBS flotanor_admin flotanor_support Qt6::Core
)
