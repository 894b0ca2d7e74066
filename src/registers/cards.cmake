# The time field and the road card and fuel card dialogs.
target_sources(flotanor_registers_ui PRIVATE
    TimeField.h TimeField.cpp
    uKDrogowe.h uKDrogowe.cpp
    uKPaliwowe.h uKPaliwowe.cpp
)
