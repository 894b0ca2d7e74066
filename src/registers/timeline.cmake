# The scheduler, the odometer readings and the notebook.
target_sources(flotanor_registers_ui PRIVATE
    uTerminarz.h uTerminarz.cpp
    uPrzebiegi.h uPrzebiegi.cpp
    uNotatki.h uNotatki.cpp
    uShowNotatka.h uShowNotatka.cpp
)
