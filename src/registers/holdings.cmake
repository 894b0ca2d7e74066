# The dialogs of the orders, the documents, the equipment and the store.
target_sources(flotanor_registers_ui PRIVATE
    uZlecenia.h uZlecenia.cpp
    uDokumenty.h uDokumenty.cpp
    uWyposazenie.h uWyposazenie.cpp
    uMagazyn.h uMagazyn.cpp
)
