# News, the update check and the support mail link; downloads with Qt Network.
flotanor_add_library(flotanor_news
    SOURCES
        news/Downloader.h news/Downloader.cpp
        news/UpdateCheck.h news/UpdateCheck.cpp
        news/UpdateRun.h news/UpdateRun.cpp
        news/SupportMail.h news/SupportMail.cpp
    LIBS flotanor_admin flotanor_addons flotanor_support Qt6::Network Qt6::Core
)
