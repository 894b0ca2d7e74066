target_sources(flotanor_data PRIVATE records/HoldingStores.h records/HoldingStores.cpp)
