target_sources(flotanor_data PRIVATE records/CardStores.h records/CardStores.cpp)
