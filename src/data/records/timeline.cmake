# The record stores of the scheduler and the odometer readings.
target_sources(flotanor_data PRIVATE records/TimelineStores.h records/TimelineStores.cpp)
